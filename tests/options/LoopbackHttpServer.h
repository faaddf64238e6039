#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QUrl>

// A small HTTP server on 127.0.0.1 that gives every request the same raw answer
// and closes the connection, or holds the connection without a word. It serves
// from the test's own thread, while the caller waits in an event loop.
class LoopbackHttpServer : public QObject
{
public:
    // answer: the bytes sent back, status line included. silent: never answer.
    explicit LoopbackHttpServer(QByteArray answer, bool silent = false);

    // The version check's own address, moved to this server.
    QUrl versionUrl() const;
    quint16 port() const { return m_server.serverPort(); }

    // The header of every request received, in order.
    QList<QByteArray> requests;

    // An answer with this status and body; the body ends where the connection does.
    static QByteArray reply(int status, const QByteArray &body, const QByteArray &extraHeaders = QByteArray());

private:
    QTcpServer m_server;
    QByteArray m_answer;
    bool m_silent;
    QHash<QObject *, QByteArray> m_received;
};

// A loopback port on which nothing listens.
quint16 closedLoopbackPort();
