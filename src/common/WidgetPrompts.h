#pragma once

#include "common/Prompts.h"

#include <QPointer>
#include <QWidget>

// Prompts as modal message boxes over the active window.
class WidgetPrompts : public Prompts
{
public:
    void error(const QString &text) override;
    void warning(const QString &text) override;
    void information(const QString &text) override;
    bool confirm(const QString &text) override;
    void generalError(const QString &text) override;
    QString saveFileName(const QString &initialFolder, const QString &filterName, const QString &pattern,
                         const QString &proposedName) override;
};
