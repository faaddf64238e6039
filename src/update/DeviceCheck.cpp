#include "update/DeviceCheck.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <memory>

namespace {

DeviceCheck::Timing realTiming()
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    return {[clock] { return clock->elapsed(); },
            [] {
                QThread::msleep(DeviceCheck::PauseMs);
                QCoreApplication::processEvents();
            }};
}

} // namespace

DeviceCheck::DeviceCheck(EchoClient &client)
    : DeviceCheck(client, realTiming())
{
}

DeviceCheck::DeviceCheck(EchoClient &client, Timing timing)
    : m_client(client)
    , m_timing(std::move(timing))
{
}

void DeviceCheck::PingReply(const EchoClient::Reply &reply)
{
    ping_res = reply.bytesReceived > 0 ? 1 : 2;
}

bool DeviceCheck::Send_Ping(const QString &host)
{
    ping_res = 0;
    m_stopRequested = false;
    m_detail.clear();
    switch (m_client.pingAccess(&m_detail)) {
    case EchoClient::Access::Allowed: break;
    case EchoClient::Access::NotPermitted: m_result = Result::PingNotAllowed; return false;
    case EchoClient::Access::Failed: m_result = Result::PingFailed; return false;
    }

    m_running = true;
    const qint64 start = m_timing.now();
    const QByteArray data = host.toUtf8();
    int successes = 0;
    bool failed = false;
    for (;;) {
        const qint64 attempt = m_timing.now();
        EchoClient::Reply reply;
        if (!m_client.echo(host, data, 0, AttemptMs, &reply, &m_detail)) {
            failed = true;
            break;
        }
        PingReply(reply);
        do {
            m_timing.pause();
        } while (!m_stopRequested && ping_res == 0 && m_timing.now() - attempt <= AttemptMs);
        if (m_stopRequested)
            break;
        if (ping_res == 1)
            ++successes;
        if (successes >= RepliesNeeded || m_timing.now() - start > GiveUpMs)
            break;
    }
    m_running = false;

    if (m_stopRequested)
        m_result = Result::Stopped;
    else if (failed)
        m_result = ping_res == 2 ? Result::Silent : Result::UnusableAddress;
    else
        m_result = ping_res == 1 ? Result::Answered : Result::Silent;
    return m_result == Result::Answered;
}
