#include "TestNetwork.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <cstring>
#include <linux/capability.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const char *const OwnNetworkVariable = "TESSERA_TEST_OWN_NETWORK";

bool bringLoopbackUp()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags |= IFF_UP | IFF_RUNNING;
    ok = ok && ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    ::close(fd);
    return ok;
}

} // namespace

bool inOwnNetwork()
{
    if (qEnvironmentVariableIsSet(OwnNetworkVariable)) {
        EXPECT_TRUE(bringLoopbackUp());
        return true;
    }
    const testing::TestInfo *info = testing::UnitTest::GetInstance()->current_test_info();
    const QString test = QStringLiteral("%1.%2").arg(QLatin1String(info->test_suite_name()), QLatin1String(info->name()));
    QProcess copy;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(OwnNetworkVariable), QStringLiteral("1"));
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(QStringLiteral("unshare"),
               {QStringLiteral("-n"), QCoreApplication::applicationFilePath(), QStringLiteral("--gtest_filter=") + test});
    const bool finished = copy.waitForFinished(100000);
    const QByteArray output = copy.readAll();
    EXPECT_TRUE(finished) << "the test in its own network did not end";
    EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit) << output.constData();
    EXPECT_EQ(copy.exitCode(), 0) << output.constData();
    EXPECT_TRUE(output.contains(("[       OK ] " + test).toUtf8())) << output.constData();
    return false;
}

bool setNetworkSetting(const char *name, const QByteArray &value)
{
    QFile file(QStringLiteral("/proc/sys/") + QLatin1String(name));
    return file.open(QIODevice::WriteOnly) && file.write(value) == value.size();
}

bool dropRawSockets()
{
    if (::prctl(PR_CAPBSET_DROP, CAP_NET_RAW, 0, 0, 0) != 0)
        return false;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    const quint32 bit = 1u << CAP_NET_RAW;
    data[0].effective &= ~bit;
    data[0].permitted &= ~bit;
    data[0].inheritable &= ~bit;
    return ::syscall(SYS_capset, &header, data) == 0;
}
