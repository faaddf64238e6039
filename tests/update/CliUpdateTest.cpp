#include "TestNetwork.h"
#include "UpdaterScript.h"
#include "support/CliRun.h"
#include "support/TestFolders.h"
#include "update/UpdaterFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

namespace {

const QString NotFound = QStringLiteral("Device Not Found!");
const QString CheckAddress = QStringLiteral("Error!!! Check the Ip Address");

} // namespace

// Texts that are no device address, and 10.0.0.7 where no route leads there.
TEST(CliPing, RefusesAnAddressItCannotUse)
{
    if (!inOwnNetwork())
        return;
    for (const char *host : {"", "...", "10", "1.2.3", "1.2.3.4.5", "300.1.1.1", " 127.0.0.1", "127.0.0.01", "a.b.c.d",
                             "localhost", "0.0.0.0", "224.0.0.1", "255.255.255.255", "10.0.0.7"}) {
        const CliRun run = runCli({QStringLiteral("ping"), QLatin1String(host)});
        EXPECT_EQ(run.exitCode, 1) << host;
        EXPECT_TRUE(run.err.startsWith(CheckAddress + u'\n')) << host << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << host;
    }
    EXPECT_EQ(runCli({QStringLiteral("ping")}).exitCode, 2);
}

TEST(CliPing, TheDeviceAnswersOrNot)
{
    if (!inOwnNetwork())
        return;
    const CliRun answered = runCli({QStringLiteral("ping"), QStringLiteral("127.0.0.1")});
    EXPECT_EQ(answered.exitCode, 0) << answered.err.toStdString();
    EXPECT_EQ(answered.out, QStringLiteral("127.0.0.1 answered\n"));

    ASSERT_TRUE(dropRawSockets());
    const CliRun run = runCli({QStringLiteral("ping"), QStringLiteral("127.0.0.1")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("does not allow"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String("net.ipv4.ping_group_range")));
    EXPECT_TRUE(run.err.contains(QLatin1String("CAP_NET_RAW")));
    EXPECT_FALSE(run.err.contains(CheckAddress));
}

TEST(CliUpdaterXml, WritesTheParameterFileAsTheDialogDoes)
{
    TestFolders folders;
    const QString conf = folders.makeConfiguration(QStringLiteral("Line A"));
    const QString exe = folders.exeFolder();
    const QString path = updaterParameterPath(folders.state.Exe_Folder);
    const struct
    {
        QStringList arguments;
        int exitCode;
        int option; // the file written: its option, read back on
    } cases[] = {
        {{"--ip", "192.168.000.010", "--option", "2"}, 0, ConfigurationOnly},
        {{"--ip", "192.168.000.010", "--option", "-1"}, 0, NoOption},
        {{"--ip", "192.168.000.010"}, 0, FirmwareAndConfiguration},
        {{"--ip", "192.168.000.010", "--option", "3"}, 2, 0},
        {{"--ip", "192.168.000.010", "--option", "one"}, 2, 0},
        {{"--ip", "192.168.0", "--option", "1"}, 2, 0},
        {{"--option", "1"}, 2, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QFile::remove(path);
        const CliRun run = runCli(QStringList{"updater-xml", "--exe-folder", exe, "--config", conf} << c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        if (c.exitCode != 0) {
            EXPECT_FALSE(QFileInfo::exists(path));
            continue;
        }
        EXPECT_EQ(run.out, path + u'\n');
        QString error;
        EXPECT_EQ(TestFolders::readFile(path),
                  updaterParameters(QStringLiteral("192.168.000.010"), c.option, true, folders.state.Master_Folder,
                                    conf, &error));
    }

    const CliRun noReadBack = runCli({"updater-xml", "--exe-folder", exe, "--config", conf, "--ip", "10.0.0.7", "--option",
                                "1", "--no-read-back"});
    EXPECT_EQ(noReadBack.exitCode, 0);
    EXPECT_TRUE(TestFolders::readFile(path).contains("<Ope_Read_Back>0</Ope_Read_Back>"));

    // A configuration folder that does not exist, a file that cannot be written.
    EXPECT_EQ(runCli({"updater-xml", "--exe-folder", exe, "--config", conf + "-missing", "--ip", "10.0.0.7"}).exitCode, 3);
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkdir(path));
    const CliRun blocked = runCli({"updater-xml", "--exe-folder", exe, "--config", conf, "--ip", "10.0.0.7"});
    EXPECT_EQ(blocked.exitCode, 3);
    EXPECT_TRUE(blocked.err.contains(path)) << blocked.err.toStdString();
}

// From a new configuration to a started updater, as a plant's script runs it.
TEST(CliUpdate, RunsTheWholeUpdateStep)
{
    if (!inOwnNetwork())
        return;
    TestFolders folders;
    const QString exe = folders.exeFolder();
    const CliRun created = runCli({"new", "Line A", "--exe-folder", exe});
    ASSERT_EQ(created.exitCode, 0) << created.err.toStdString();
    const QString conf = created.out.trimmed();
    const QString updater = updaterProgramPath(folders.state.Exe_Folder);
    const QStringList update{"update", "--exe-folder", exe, "--config", conf, "--ip", "127.0.0.1", "--option", "2"};

    // No updater yet: the banks and the parameter file are written, and the
    // missing updater is named.
    CliRun run = runCli(update);
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("The updater was not found. It was looked for at:\n") + updater))
        << run.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(conf + QStringLiteral("/bin/bank1.bin")));
    EXPECT_TRUE(QFileInfo::exists(conf + QStringLiteral("/bin/bank2.bin")));

    writeUpdaterScript(updater, 1); // an updater that fails: its exit code is not read
    QFile::remove(updaterParameterPath(folders.state.Exe_Folder));
    run = runCli(update);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(updaterParameterPath(folders.state.Exe_Folder) + u'\n')) << run.out.toStdString();
    EXPECT_EQ(QDir(QString::fromLocal8Bit(TestFolders::readFile(folders.path("updater-ran.txt")).trimmed())).canonicalPath(),
              QDir(exe).canonicalPath());
    const QByteArray found = TestFolders::readFile(folders.path("updater-found.xml"));
    EXPECT_TRUE(found.contains("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>"));
    EXPECT_TRUE(found.contains(QDir::toNativeSeparators(conf + "/bin/bank2.bin").toUtf8()));

    // A silent device: "Device Not Found!" after about 5 s; nothing written or started.
    QFile::remove(updaterParameterPath(folders.state.Exe_Folder));
    QFile::remove(folders.path("updater-ran.txt"));
    ASSERT_TRUE(setNetworkSetting("net/ipv4/icmp_echo_ignore_all", "1"));
    run = runCli(update);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, NotFound + u'\n');
    EXPECT_FALSE(QFileInfo::exists(updaterParameterPath(folders.state.Exe_Folder)));
    EXPECT_FALSE(QFileInfo::exists(folders.path("updater-ran.txt")));

    EXPECT_EQ(runCli({"update", "--exe-folder", exe, "--config", conf, "--ip", "127.0.0.1", "--option", "-1"}).exitCode, 2);
}
