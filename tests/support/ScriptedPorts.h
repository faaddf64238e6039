#pragma once

#include "common/LinkOpener.h"
#include "common/Ports.h"
#include "common/ProgramLauncher.h"
#include "common/Prompts.h"
#include "options/HttpGet.h"
#include "update/EchoClient.h"

#include <QList>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>

// Prompts that record what was shown and answer from a script.
class ScriptedPrompts : public Prompts
{
public:
    struct Shown
    {
        enum Kind { Error, Warning, Information, Confirm, GeneralError } kind;
        QString text;
    };

    QList<Shown> shown;
    std::deque<bool> confirmAnswers; // answers to confirm(), in order; No when empty
    QString saveAnswer;              // the path the save dialog returns ("" = cancel)
    struct SaveRequest
    {
        QString initialFolder, filterName, pattern, proposedName;
    };
    QList<SaveRequest> saveRequests;

    void error(const QString &text) override { shown.append({Shown::Error, text}); }
    void warning(const QString &text) override { shown.append({Shown::Warning, text}); }
    void information(const QString &text) override { shown.append({Shown::Information, text}); }
    void generalError(const QString &text) override { shown.append({Shown::GeneralError, text}); }
    bool confirm(const QString &text) override;
    QString saveFileName(const QString &initialFolder, const QString &filterName, const QString &pattern,
                         const QString &proposedName) override;

    // The texts shown, in order.
    QStringList texts() const;
    QString last() const { return shown.isEmpty() ? QString() : shown.last().text; }
    void clear() { shown.clear(); }
};

// A launcher that records the programs it was asked to start.
class ScriptedLauncher : public ProgramLauncher
{
public:
    struct Call
    {
        QString program, parameter;
        bool hidden;
    };
    QList<Call> calls;
    Outcome outcome = Outcome::Ended;
    std::function<void(const QString &)> onStart; // runs "inside" the program

    Outcome Start_Program(const QString &NomeSW, const QString &Parameter, bool tipo) override;
};

class ScriptedLinks : public LinkOpener
{
public:
    QList<QUrl> opened;
    void openLink(const QUrl &url) override { opened.append(url); }
};

// An HTTP GET that answers from a script.
class ScriptedHttp : public HttpGet
{
public:
    bool succeed = false;
    QByteArray body;
    QList<QUrl> requests;
    bool get(const QUrl &url, int timeoutMs, QByteArray *out, QString *error) override;
};

// An echo client that answers from a script: each request takes the next reply.
class ScriptedEcho : public EchoClient
{
public:
    std::deque<Reply> replies; // a time-out when empty
    QString failWith;          // when set, every request fails with this error
    QStringList hosts;
    bool echo(const QString &host, const QByteArray &data, quint16 sequence, int timeoutMs, Reply *reply,
              QString *error) override;
};

// One of each, bundled as the forms want them.
struct ScriptedPorts
{
    ScriptedPrompts prompts;
    ScriptedLauncher launcher;
    ScriptedLinks links;
    ScriptedHttp http;
    ScriptedEcho echo;
    Ports ports{prompts, launcher, links, http, echo};
};
