#pragma once

#include <QString>

// Starts an external program and waits for it (the updater).
class ProgramLauncher
{
public:
    enum class Outcome {
        Ended,        // the program ran and ended within the limit
        StillRunning, // the limit passed; the program was left running
        NotStarted,   // the program could not be started (missing, not executable)
    };

    virtual ~ProgramLauncher() = default;

    // NomeSW: full path of the program; Parameter: its command line (may be empty);
    // tipo: false shows its window normally, true starts it hidden.
    virtual Outcome Start_Program(const QString &NomeSW, const QString &Parameter, bool tipo) = 0;
};
