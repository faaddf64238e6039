#pragma once

#include <QByteArray>
#include <QString>

// One ICMP echo request and its reply.
class EchoClient
{
public:
    struct Reply
    {
        bool timedOut = true;  // no matching reply within the time-out
        int bytesReceived = 0; // data bytes of the matching echo reply
    };

    virtual ~EchoClient() = default;

    // Sends one echo request with `data` and `sequence` to host and waits up to
    // timeoutMs for the reply. Returns false with *error set when the request
    // cannot be sent at all (an unusable host text, a system that allows no ping).
    virtual bool echo(const QString &host, const QByteArray &data, quint16 sequence, int timeoutMs,
                      Reply *reply, QString *error) = 0;

    // Why this computer lets no echo request out at all (and how to allow it), or
    // an empty text when requests can be sent.
    virtual QString pingUnavailable() { return {}; }
};
