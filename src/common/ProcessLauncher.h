#pragma once

#include "common/ProgramLauncher.h"

// Start_Program for real: starts the program in its own folder and waits for it
// in 10 ms steps, at most limitMs (150 s). The wait does not process window events.
// A program still running at the limit is left running, also after the
// configurator exits, and is reaped when it ends, so it never lingers as a zombie.
class ProcessLauncher : public ProgramLauncher
{
public:
    explicit ProcessLauncher(int limitMs = 150000) : m_limitMs(limitMs) {}

    Outcome Start_Program(const QString &NomeSW, const QString &Parameter, bool tipo) override;

private:
    int m_limitMs;
};
