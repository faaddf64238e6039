#include "LoopbackHttpServer.h"

#include "common/Product.h"
#include "options/NetworkHttpGet.h"
#include "options/VersionCheck.h"
#include "support/CliRun.h"
#include "support/TestFolders.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

TEST(VersionCheck, ConvVersionReadsTheDigitsAfterTheFirstBlank)
{
    const struct
    {
        const char *text;
        int expected;
    } cases[] = {
        {"VER. 1.004", 1004}, {"2.000", 2000},      {"VER.  0.999 ", 999}, {"VER. 1,004", 1004},
        {"VER. 1.0045", 1004}, {"VER. 1.1", -1},    {"1.1", -1},           {"", -1},
        {"VER. x.abc", -1},   {"VER. $.FFF", -1},   {"VER. -.123", -1},    {"VER.1.004", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Conv_Version(QString::fromLatin1(c.text)), c.expected) << c.text;
}

// The whole path: the real client against a server on loopback.
TEST(VersionCheck, AnswersOfTheServer)
{
    const struct
    {
        const char *name;
        QByteArray answer;
        bool newer;
    } cases[] = {
        {"newer", LoopbackHttpServer::reply(200, "VER. 1.004"), true},
        {"newer, with a line end", LoopbackHttpServer::reply(200, "  VER. 2.000\r\n"), true},
        {"newer, sized", LoopbackHttpServer::reply(200, "VER. 1.004", "Content-Length: 10\r\n"), true},
        {"this version", LoopbackHttpServer::reply(200, "VER. 1.003"), false},
        {"nothing published", LoopbackHttpServer::reply(200, "VER. 0.000"), false},
        {"nothing published, lower case", LoopbackHttpServer::reply(200, "ver. 0.000"), false},
        {"empty", LoopbackHttpServer::reply(200, ""), false},
        {"short version", LoopbackHttpServer::reply(200, "1.1"), false},
        {"not found", LoopbackHttpServer::reply(404, "VER. 1.004"), false},
        {"moved", LoopbackHttpServer::reply(302, "VER. 1.004", "Location: http://127.0.0.1/\r\n"), false},
        {"cut short", LoopbackHttpServer::reply(200, "VER. 1.004", "Content-Length: 40\r\n"), false},
        {"chunked", LoopbackHttpServer::reply(200, "a\r\nVER. 1.004\r\n0\r\n\r\n", "Transfer-Encoding: chunked\r\n"),
         false},
        {"not HTTP", QByteArray("VER. 1.004"), false},
        {"too long", LoopbackHttpServer::reply(200, "VER. 1.004" + QByteArray(NetworkHttpGet::Max_Answer_Size, ' ')),
         false},
    };
    NetworkHttpGet http;
    for (const auto &c : cases) {
        LoopbackHttpServer server(c.answer);
        EXPECT_EQ(Check_Version(http, server.versionUrl(), 5000), c.newer) << c.name;
        EXPECT_EQ(server.requests.size(), 1) << c.name;
    }
}

TEST(VersionCheck, NoAnswerWithinTheTimeOutOrNoServer)
{
    NetworkHttpGet http;
    LoopbackHttpServer silent(QByteArray(), true);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(Check_Version(http, silent.versionUrl(), 300));
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(silent.requests.size(), 1);

    QUrl nobody = silent.versionUrl();
    nobody.setPort(closedLoopbackPort());
    QByteArray body;
    QString error;
    EXPECT_FALSE(http.get(nobody, 2000, &body, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(http.get(QUrl(QStringLiteral("https://127.0.0.1/")), 2000, &body, &error));
}

// One HTTP/1.0 request per check, to the product's path, and a cookie the server
// sets is never sent back.
TEST(VersionCheck, RequestIsAPlainHttp10Get)
{
    LoopbackHttpServer server(LoopbackHttpServer::reply(200, "VER. 1.004", "Set-Cookie: session=42; path=/\r\n"));
    NetworkHttpGet http;
    QByteArray body;
    QString error;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(http.get(server.versionUrl(), 5000, &body, &error)) << error.toStdString();
        EXPECT_EQ(body, "VER. 1.004");
    }
    ASSERT_EQ(server.requests.size(), 2);
    for (const QByteArray &request : server.requests) {
        EXPECT_TRUE(request.startsWith("GET /home/download/GetversionSW.asp?nomesw=CFX4410 HTTP/1.0\r\n")) << request.data();
        EXPECT_TRUE(request.contains("\r\nHost: 127.0.0.1:" + QByteArray::number(server.port()) + "\r\n"));
        EXPECT_FALSE(request.toLower().contains("cookie"));
    }
    EXPECT_EQ(Product::versionCheckUrl().host(), Product::Maker_Host);
}

TEST(VersionCheck, CommandLine)
{
    TestFolders folders;
    const struct
    {
        QByteArray answer;
        int exitCode;
        int entry;
    } cases[] = {
        {LoopbackHttpServer::reply(200, "VER. 1.004"), 0, 314},
        {LoopbackHttpServer::reply(200, "VER. 1.003"), 1, 315},
        {LoopbackHttpServer::reply(404, ""), 1, 315},
    };
    for (const auto &c : cases) {
        LoopbackHttpServer server(c.answer);
        const CliRun run = runCli({QStringLiteral("check-version"), QStringLiteral("--url"),
                                   server.versionUrl().toString(), QStringLiteral("--exe-folder"), folders.exeFolder()});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.answer.data();
        EXPECT_EQ(run.out, folders.state.tr(c.entry) + u'\n');
        EXPECT_EQ(server.requests.size(), 1);
    }

    const CliRun badUrl = runCli({QStringLiteral("check-version"), QStringLiteral("--url"), QStringLiteral("no address")});
    EXPECT_EQ(badUrl.exitCode, 2);
    EXPECT_TRUE(badUrl.out.isEmpty());
    const CliRun extra = runCli({QStringLiteral("check-version"), QStringLiteral("now")});
    EXPECT_EQ(extra.exitCode, 2);
}
