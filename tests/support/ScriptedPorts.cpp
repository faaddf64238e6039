#include "support/ScriptedPorts.h"

bool ScriptedPrompts::confirm(const QString &text)
{
    shown.append({Shown::Confirm, text});
    if (confirmAnswers.empty())
        return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

QString ScriptedPrompts::saveFileName(const QString &initialFolder, const QString &filterName, const QString &pattern,
                                      const QString &proposedName)
{
    saveRequests.append({initialFolder, filterName, pattern, proposedName});
    return saveAnswer;
}

QStringList ScriptedPrompts::texts() const
{
    QStringList result;
    for (const Shown &s : shown)
        result.append(s.text);
    return result;
}

ProgramLauncher::Outcome ScriptedLauncher::Start_Program(const QString &NomeSW, const QString &Parameter, bool tipo)
{
    calls.append({NomeSW, Parameter, tipo});
    if (onStart)
        onStart(NomeSW);
    return outcome;
}

bool ScriptedHttp::get(const QUrl &url, int, QByteArray *out, QString *error)
{
    requests.append(url);
    if (!succeed) {
        *error = QStringLiteral("scripted failure");
        return false;
    }
    *out = body;
    return true;
}

bool ScriptedEcho::echo(const QString &host, const QByteArray &, quint16, int, Reply *reply, QString *error)
{
    hosts.append(host);
    if (!failWith.isEmpty()) {
        *error = failWith;
        return false;
    }
    if (replies.empty()) {
        *reply = Reply{};
    } else {
        *reply = replies.front();
        replies.pop_front();
    }
    return true;
}
