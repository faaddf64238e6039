#include "update/DeviceCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An echo client on a pretend clock: a reply comes after 2 ms, a request without
// one costs its whole time-out.
class ClockedEcho : public EchoClient
{
public:
    enum Event { Reply, EmptyReply, Silence, Failure };

    std::vector<Event> script; // silence once it is used up
    Access access = Access::Allowed;
    QString accessError; // the words of a refused access
    qint64 clock = 1000;
    int requests = 0;
    std::function<void()> onRequest;

    bool echo(const QString &host, const QByteArray &data, quint16 sequence, int timeoutMs, EchoClient::Reply *reply,
              QString *error) override
    {
        EXPECT_EQ(data, host.toUtf8());
        EXPECT_EQ(sequence, 0);
        EXPECT_EQ(timeoutMs, 400);
        const Event event = requests < int(script.size()) ? script[requests] : Silence;
        ++requests;
        if (onRequest)
            onRequest();
        if (event == Failure) {
            *error = QStringLiteral("no route");
            return false;
        }
        clock += event == Silence ? timeoutMs : 2;
        *reply = {event == Silence, event == Reply ? int(data.size()) : 0};
        return true;
    }
    Access pingAccess(QString *error) override
    {
        *error = accessError;
        return access;
    }

    DeviceCheck::Timing timing()
    {
        return {[this] { return clock; }, [this] { clock += 10; }};
    }
};

using Result = DeviceCheck::Result;

struct CheckCase
{
    const char *name;
    std::vector<ClockedEcho::Event> script;
    Result result;
    int requests;
    int ping_res;
};

const CheckCase checkCases[] = {
    {"answers at once", {ClockedEcho::Reply, ClockedEcho::Reply}, Result::Answered, 2, 1},
    {"answers from the third request on",
     {ClockedEcho::Silence, ClockedEcho::Silence, ClockedEcho::Reply, ClockedEcho::Reply},
     Result::Answered,
     4,
     1},
    // 410 ms per silent request: the thirteenth ends past 5 s.
    {"silent", {}, Result::Silent, 13, 2},
    {"answers once, then falls silent", {ClockedEcho::Reply}, Result::Silent, 14, 2},
    // An empty reply counts as none; each costs 12 ms here.
    {"replies without data", std::vector<ClockedEcho::Event>(500, ClockedEcho::EmptyReply), Result::Silent, 417, 2},
    {"unusable address", {ClockedEcho::Failure}, Result::UnusableAddress, 1, 0},
    {"fails after a reply", {ClockedEcho::Reply, ClockedEcho::Failure}, Result::UnusableAddress, 2, 1},
    {"fails after a silent request", {ClockedEcho::Silence, ClockedEcho::Failure}, Result::Silent, 2, 2},
};

} // namespace

TEST(DeviceCheck, NeedsTwoRepliesWithinFiveSeconds)
{
    for (const CheckCase &c : checkCases) {
        SCOPED_TRACE(c.name);
        ClockedEcho echo;
        echo.script = c.script;
        DeviceCheck check(echo, echo.timing());
        const qint64 start = echo.clock;
        EXPECT_EQ(check.Send_Ping(QStringLiteral("192.168.2.205")), c.result == Result::Answered);
        EXPECT_EQ(check.result(), c.result);
        EXPECT_EQ(echo.requests, c.requests);
        EXPECT_EQ(check.ping_res, c.ping_res);
        EXPECT_FALSE(check.running());
        if (c.script.empty()) {
            EXPECT_EQ(echo.clock - start, 13 * 410);
        }
    }
}

TEST(DeviceCheck, SendsNothingWhenTheComputerAllowsNoPing)
{
    for (const auto access : {EchoClient::Access::NotPermitted, EchoClient::Access::Failed}) {
        ClockedEcho echo;
        echo.access = access;
        echo.accessError = QStringLiteral("no ping here");
        DeviceCheck check(echo, echo.timing());
        EXPECT_FALSE(check.Send_Ping(QStringLiteral("127.0.0.1")));
        EXPECT_EQ(check.result(), access == EchoClient::Access::Failed ? Result::PingFailed : Result::PingNotAllowed);
        EXPECT_EQ(check.detail(), QStringLiteral("no ping here"));
        EXPECT_EQ(echo.requests, 0);
    }
}

TEST(DeviceCheck, StopEndsTheCheckAtItsNextPause)
{
    ClockedEcho echo;
    echo.script = {ClockedEcho::Silence, ClockedEcho::Reply, ClockedEcho::Reply};
    DeviceCheck check(echo, echo.timing());
    echo.onRequest = [&] {
        EXPECT_TRUE(check.running());
        check.stop();
    };
    EXPECT_FALSE(check.Send_Ping(QStringLiteral("127.0.0.1")));
    EXPECT_EQ(check.result(), Result::Stopped);
    EXPECT_EQ(echo.requests, 1);

    // The next check starts afresh.
    echo.onRequest = nullptr;
    echo.script = {ClockedEcho::Reply, ClockedEcho::Reply};
    echo.requests = 0;
    EXPECT_TRUE(check.Send_Ping(QStringLiteral("127.0.0.1")));
}
