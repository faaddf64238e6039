#pragma once

#include "update/EchoClient.h"

#include <QString>

#include <functional>

// The check that the device answers before an update: echo requests to the host,
// each waited for up to 400 ms and followed by at least one 10 ms pause, until two
// replies have come or more than 5 s have passed.
class DeviceCheck
{
public:
    static constexpr int AttemptMs = 400;
    static constexpr int GiveUpMs = 5000;
    static constexpr int PauseMs = 10;
    static constexpr int RepliesNeeded = 2;

    // How the check tells time and waits. The real one reads a steady clock and
    // pauses 10 ms while the window keeps processing its events.
    struct Timing
    {
        std::function<qint64()> now;  // milliseconds
        std::function<void()> pause;  // one 10 ms pause
    };

    enum class Result {
        Answered,        // the device answered
        Silent,          // the last request got no reply
        UnusableAddress, // the client could not use the host text, or failed before any reply
        PingNotAllowed,  // the system's settings keep this program from pinging
        PingFailed,      // this computer cannot send echo requests; detail() says why
        Stopped,         // stop() ended the check
    };

    explicit DeviceCheck(EchoClient &client);
    DeviceCheck(EchoClient &client, Timing timing);

    void setTiming(Timing timing) { m_timing = std::move(timing); }

    // True when the device at host answered.
    bool Send_Ping(const QString &host);
    // The client's reply report: 1 when data came back, else 2.
    void PingReply(const EchoClient::Reply &reply);

    // Ends a running check at its next pause (the dialog was closed).
    void stop() { m_stopRequested = true; }
    bool running() const { return m_running; }

    // Outcome of the last Send_Ping.
    Result result() const { return m_result; }
    // The client's words when it could not send a request (PingFailed, UnusableAddress).
    QString detail() const { return m_detail; }

    // 0 no reply report yet, 1 the last request was answered, 2 it was not.
    int ping_res = 0;

private:
    EchoClient &m_client;
    Timing m_timing;
    Result m_result = Result::Silent;
    QString m_detail;
    bool m_running = false;
    bool m_stopRequested = false;
};
