#pragma once

#include "update/EchoClient.h"

// The system's ICMP echo. The host must be a device address in dotted decimal
// form (see deviceAddress); no name is ever looked up. On Linux an unprivileged
// ICMP datagram socket is used where the system allows it, else a raw socket; on
// Windows the system's echo function. Only an echo reply from the host with our
// identifier and sequence number counts.
class IcmpEchoClient : public EchoClient
{
public:
    bool echo(const QString &host, const QByteArray &data, quint16 sequence, int timeoutMs, Reply *reply,
              QString *error) override;
    Access pingAccess(QString *error) override;
};
