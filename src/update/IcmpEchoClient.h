#pragma once

#include "update/EchoClient.h"

// The system's ICMP echo.
class IcmpEchoClient : public EchoClient
{
public:
    bool echo(const QString &host, const QByteArray &data, quint16 sequence, int timeoutMs, Reply *reply,
              QString *error) override;
};
