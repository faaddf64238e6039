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

    enum class Access {
        Allowed,
        NotPermitted, // the system's settings keep this program from pinging; the user can allow it
        Failed,       // requests cannot be sent for another reason, which *error gives
    };

    // Whether this computer lets echo requests out at all.
    virtual Access pingAccess(QString *error)
    {
        Q_UNUSED(error);
        return Access::Allowed;
    }
};
