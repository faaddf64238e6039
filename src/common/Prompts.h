#pragma once

#include <QString>

// The message boxes and the save-file dialog that the forms and routines show.
// The configurator uses modal boxes; tests and the command line use scripted ones,
// so nothing ever blocks on a box nobody can answer.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // Error box: error symbol, OK button.
    virtual void error(const QString &text) = 0;
    // Warning box: warning symbol, OK button.
    virtual void warning(const QString &text) = 0;
    // Plain information box, OK button.
    virtual void information(const QString &text) = 0;
    // Confirmation box with Yes and No: true on Yes.
    virtual bool confirm(const QString &text) = 0;
    // The application's general error report: a failure of the platform (a file that
    // cannot be read or written) with the error's own text.
    virtual void generalError(const QString &text) = 0;
    // The standard save-file dialog. filterName is the description ("PROFINET XML"),
    // pattern the file pattern it lists. Returns the chosen path, or an empty text
    // when the user cancels.
    virtual QString saveFileName(const QString &initialFolder, const QString &filterName,
                                 const QString &pattern, const QString &proposedName) = 0;
};
