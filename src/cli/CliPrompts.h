#pragma once

#include "common/Prompts.h"

#include <QTextStream>

// Prompts for a command line: messages go to standard error; a question is
// answered by --yes (assumeYes) or else with No; there is no file dialog.
class CliPrompts : public Prompts
{
public:
    CliPrompts(QTextStream &err, bool assumeYes) : m_err(err), m_assumeYes(assumeYes) {}

    void error(const QString &text) override { m_err << text << Qt::endl; }
    void warning(const QString &text) override { m_err << text << Qt::endl; }
    void information(const QString &text) override { m_err << text << Qt::endl; }
    void generalError(const QString &text) override { m_err << text << Qt::endl; }
    bool confirm(const QString &text) override
    {
        m_err << text << (m_assumeYes ? " Yes" : " No") << Qt::endl;
        return m_assumeYes;
    }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override { return {}; }

private:
    QTextStream &m_err;
    bool m_assumeYes;
};
