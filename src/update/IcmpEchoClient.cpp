#include "update/IcmpEchoClient.h"

#include "update/DeviceAddress.h"

#include <QDeadlineTimer>
#include <QtEndian>

#ifdef Q_OS_WIN
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <icmpapi.h>
#else
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

QString unusableHost(const QString &host)
{
    return QStringLiteral("\"%1\" is not the address of a device: four numbers from 0 to 255 joined by dots are "
                          "needed, without blanks or leading zeros, naming one host (not 0.x.x.x, multicast or "
                          "broadcast).")
        .arg(host);
}

} // namespace

#ifdef Q_OS_WIN

bool IcmpEchoClient::echo(const QString &host, const QByteArray &data, quint16 sequence, int timeoutMs,
                          Reply *reply, QString *error)
{
    Q_UNUSED(sequence); // the system's echo function numbers its requests itself
    const std::optional<quint32> address = deviceAddress(host);
    if (!address) {
        *error = unusableHost(host);
        return false;
    }
    const HANDLE handle = IcmpCreateFile();
    if (handle == INVALID_HANDLE_VALUE) {
        *error = QStringLiteral("Cannot open the ICMP echo service (error %1).").arg(GetLastError());
        return false;
    }
    const IPAddr target = qToBigEndian(*address);
    QByteArray answer(int(sizeof(ICMP_ECHO_REPLY)) + data.size() + 8 + 1024, '\0');
    QByteArray request = data;
    const DWORD count = IcmpSendEcho(handle, target, request.data(), WORD(request.size()), nullptr, answer.data(),
                                     DWORD(answer.size()), DWORD(timeoutMs));
    const DWORD lastError = count == 0 ? GetLastError() : 0;
    IcmpCloseHandle(handle);

    *reply = Reply{};
    if (count > 0) {
        const auto *first = reinterpret_cast<const ICMP_ECHO_REPLY *>(answer.constData());
        if (first->Status == IP_SUCCESS && first->Address == target) {
            reply->timedOut = false;
            reply->bytesReceived = int(first->DataSize);
        }
        return true;
    }
    // IP_* codes (time-out, unreachable and the like) mean that no reply came.
    if (lastError >= IP_STATUS_BASE && lastError <= IP_STATUS_BASE + 50)
        return true;
    *error = QStringLiteral("Cannot send the echo request to %1 (error %2).").arg(host).arg(lastError);
    return false;
}

EchoClient::Access IcmpEchoClient::pingAccess(QString *error)
{
    Q_UNUSED(error);
    return Access::Allowed;
}

#else

namespace {

constexpr quint8 EchoRequest = 8;
constexpr quint8 EchoReply = 0;

class Socket
{
public:
    explicit Socket(int fd) : m_fd(fd) {}
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

bool refusedByPermission(int error)
{
    return error == EACCES || error == EPERM;
}

// An ICMP socket: the unprivileged datagram kind where the system allows it, else a
// raw one. On failure fd is -1, *error tells why and *notPermitted says whether only
// the system's settings stand in the way.
int openIcmpSocket(bool *raw, bool *notPermitted, QString *error)
{
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd >= 0) {
        *raw = false;
        return fd;
    }
    const int datagramError = errno;
    fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd >= 0) {
        *raw = true;
        return fd;
    }
    const int rawError = errno;
    // The datagram kind is refused by ping_group_range (or missing from an old
    // kernel), the raw kind for want of CAP_NET_RAW.
    *notPermitted =
        (refusedByPermission(datagramError) || datagramError == EPROTONOSUPPORT) && refusedByPermission(rawError);
    *error = QStringLiteral("Cannot open an ICMP socket: %1").arg(QString::fromLocal8Bit(std::strerror(rawError)));
    return -1;
}

quint16 checksum(const QByteArray &packet)
{
    quint32 sum = 0;
    const auto *p = reinterpret_cast<const uchar *>(packet.constData());
    qsizetype n = packet.size();
    for (; n > 1; p += 2, n -= 2)
        sum += quint32(p[0]) << 8 | p[1];
    if (n == 1)
        sum += quint32(p[0]) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return quint16(~sum);
}

// A request identifier of our own for each raw request, so that neither another
// program's replies nor a late reply to an earlier request count.
quint16 nextIdentifier()
{
    static quint16 counter = 0;
    return quint16((quint32(::getpid()) * 31u + ++counter) & 0xFFFF);
}

} // namespace

bool IcmpEchoClient::echo(const QString &host, const QByteArray &data, quint16 sequence, int timeoutMs,
                          Reply *reply, QString *error)
{
    const std::optional<quint32> address = deviceAddress(host);
    if (!address) {
        *error = unusableHost(host);
        return false;
    }
    bool raw = false;
    bool notPermitted = false;
    const Socket socket(openIcmpSocket(&raw, &notPermitted, error));
    if (socket.fd() < 0)
        return false;

    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = qToBigEndian(*address);

    // The datagram kind puts its own identifier (the socket's port) into the request.
    const quint16 identifier = raw ? nextIdentifier() : 0;
    QByteArray packet(8, '\0');
    packet[0] = char(EchoRequest);
    qToBigEndian(identifier, packet.data() + 4);
    qToBigEndian(sequence, packet.data() + 6);
    packet += data;
    qToBigEndian(checksum(packet), packet.data() + 2);

    const QDeadlineTimer deadline(timeoutMs);
    if (::sendto(socket.fd(), packet.constData(), size_t(packet.size()), 0, reinterpret_cast<sockaddr *>(&target),
                 sizeof(target))
        < 0) {
        *error = QStringLiteral("Cannot send the echo request to %1: %2")
                     .arg(host, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    quint16 expectedIdentifier = identifier;
    if (!raw) {
        sockaddr_in local{};
        socklen_t length = sizeof(local);
        if (::getsockname(socket.fd(), reinterpret_cast<sockaddr *>(&local), &length) == 0)
            expectedIdentifier = qFromBigEndian(local.sin_port);
    }

    *reply = Reply{};
    char buffer[2048];
    for (;;) {
        const qint64 remaining = deadline.remainingTime();
        if (remaining <= 0)
            return true; // timed out
        pollfd wait{socket.fd(), POLLIN, 0};
        const int ready = ::poll(&wait, 1, int(remaining));
        if (ready < 0 && errno != EINTR) {
            *error = QStringLiteral("Cannot wait for the echo reply from %1: %2")
                         .arg(host, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        if (ready <= 0)
            continue;
        sockaddr_in from{};
        socklen_t fromLength = sizeof(from);
        const ssize_t received = ::recvfrom(socket.fd(), buffer, sizeof(buffer), 0,
                                            reinterpret_cast<sockaddr *>(&from), &fromLength);
        if (received < 0)
            continue; // a reported network error is no reply; wait on
        const uchar *icmp = reinterpret_cast<const uchar *>(buffer);
        qsizetype length = received;
        if (raw) {
            // A raw socket hands over the IP header too, and every ICMP message the
            // computer receives: on loopback our own request among them.
            if (length < 20)
                continue;
            const qsizetype headerLength = qsizetype(icmp[0] & 0x0F) * 4;
            if (length < headerLength + 8)
                continue;
            icmp += headerLength;
            length -= headerLength;
        } else if (length < 8) {
            continue;
        }
        if (icmp[0] != EchoReply || icmp[1] != 0 || from.sin_addr.s_addr != target.sin_addr.s_addr
            || qFromBigEndian<quint16>(icmp + 4) != expectedIdentifier || qFromBigEndian<quint16>(icmp + 6) != sequence)
            continue;
        reply->timedOut = false;
        reply->bytesReceived = int(length - 8);
        return true;
    }
}

EchoClient::Access IcmpEchoClient::pingAccess(QString *error)
{
    bool raw = false;
    bool notPermitted = false;
    const Socket socket(openIcmpSocket(&raw, &notPermitted, error));
    if (socket.fd() >= 0)
        return Access::Allowed;
    return notPermitted ? Access::NotPermitted : Access::Failed;
}

#endif
