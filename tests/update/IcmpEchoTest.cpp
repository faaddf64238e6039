#include "TestNetwork.h"
#include "update/IcmpEchoClient.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

// One request at a time: an answer from loopback carries our data back; a silent
// device (which a raw socket on loopback still shows our own request from) and an
// unusable text give no reply.
TEST(IcmpEcho, OneRequestAndItsReply)
{
    if (!inOwnNetwork())
        return;
    IcmpEchoClient client;
    const QByteArray data("127.0.0.1");
    for (const QByteArray groups : {"0 2147483647", "1 0"}) {
        SCOPED_TRACE(groups.constData());
        ASSERT_TRUE(setNetworkSetting("net/ipv4/ping_group_range", groups));
        ASSERT_TRUE(setNetworkSetting("net/ipv4/icmp_echo_ignore_all", "0"));
        QString accessError;
        EXPECT_EQ(client.pingAccess(&accessError), EchoClient::Access::Allowed) << accessError.toStdString();
        EchoClient::Reply reply;
        QString error;
        ASSERT_TRUE(client.echo(QStringLiteral("127.0.0.1"), data, 7, 400, &reply, &error)) << error.toStdString();
        EXPECT_FALSE(reply.timedOut);
        EXPECT_EQ(reply.bytesReceived, data.size());

        ASSERT_TRUE(setNetworkSetting("net/ipv4/icmp_echo_ignore_all", "1"));
        QElapsedTimer timer;
        timer.start();
        ASSERT_TRUE(client.echo(QStringLiteral("127.0.0.1"), data, 0, 400, &reply, &error)) << error.toStdString();
        EXPECT_TRUE(reply.timedOut);
        EXPECT_EQ(reply.bytesReceived, 0);
        EXPECT_GE(timer.elapsed(), 390);
        EXPECT_LT(timer.elapsed(), 1000);
    }

    EchoClient::Reply reply;
    QString error;
    EXPECT_FALSE(client.echo(QStringLiteral("localhost"), data, 0, 400, &reply, &error));
    EXPECT_TRUE(error.contains(QLatin1String("\"localhost\""))) << error.toStdString();

    ASSERT_TRUE(dropRawSockets());
    QString refused;
    EXPECT_EQ(client.pingAccess(&refused), EchoClient::Access::NotPermitted);
    EXPECT_TRUE(refused.contains(QLatin1String("Cannot open an ICMP socket"))) << refused.toStdString();
    EXPECT_FALSE(client.echo(QStringLiteral("127.0.0.1"), data, 0, 400, &reply, &error));
    EXPECT_EQ(error, refused);
}
