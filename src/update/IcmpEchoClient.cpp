#include "update/IcmpEchoClient.h"

bool IcmpEchoClient::echo(const QString &, const QByteArray &, quint16, int, Reply *, QString *error)
{
    *error = QStringLiteral("ICMP echo is not available yet.");
    return false;
}
