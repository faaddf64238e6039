#include "comm/ParGenRules.h"
#include "comm/TFParGen.h"
#include "support/CliRun.h"
#include "support/ScriptedPorts.h"
#include "support/TestFolders.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QCheckBox>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace ParGen;

namespace {

class CliParams : public ::testing::Test
{
protected:
    CliParams() { config = folders.makeConfiguration(QStringLiteral("Line A")); }

    CliRun cli(const QStringList &args) const
    {
        return runCli(QStringList{args.first(), QStringLiteral("--exe-folder"), folders.exeFolder()} + args.mid(1));
    }
    QString file() const { return folders.state.File_ParGen; }
    QString message(int entry) const { return ruleMessage(folders.state.Lang_Table, entry); }

    TestFolders folders;
    QString config;
};

QByteArray readFixture(const char *name)
{
    return TestFolders::readFile(QStringLiteral(TESSERA_TEST_DATA "/") + QLatin1String(name));
}

} // namespace

TEST_F(CliParams, PrintsWhatTheEditorShows)
{
    const CliRun fresh = cli({QStringLiteral("params"), config});
    EXPECT_EQ(fresh.exitCode, 0) << fresh.err.toStdString();
    EXPECT_EQ(fresh.out.toUtf8(), readFixture("defaults.txt"));

    folders.writeFile(file(), readFixture("older_layout.xml"));
    ScriptedPorts ports;
    TFParGen editor(folders.state, ports.ports);
    editor.show();
    const Values shown = editor.fieldValues();
    QString expected;
    for (int f = 0; f < FieldCount; ++f)
        expected += fields()[f].element.toString() + u'=' + shown.stored(Field(f)) + u'\n';
    const CliRun older = cli({QStringLiteral("params"), config});
    EXPECT_EQ(older.exitCode, 0);
    EXPECT_EQ(older.out, expected);
}

TEST_F(CliParams, AssignmentsWriteWhatTheEditorsOkWrites)
{
    const QString name = QStringLiteral("a&b <c> \"\u00e9\"");
    const CliRun r = cli({QStringLiteral("params"), config, QStringLiteral("NTP_Poll_Time=60"),
                       QStringLiteral("PROFINET_NB_IN= 0x10"), QStringLiteral("Eth_Conn_Device_Name=") + name,
                       QStringLiteral("Eth_Conn_DHCP_Cable=1"), QStringLiteral("NTP_Server_URL=a=b")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), file());
    const QByteArray written = TestFolders::readFile(file());

    // The same edits in the editor, on another configuration.
    folders.makeConfiguration(QStringLiteral("Line B"));
    ScriptedPorts ports;
    TFParGen editor(folders.state, ports.ports);
    editor.show();
    editor.E_NTP_Poll_Time->setText(QStringLiteral("60"));
    editor.E_PROFINET_NByte_In->setText(QStringLiteral(" 0x10"));
    editor.E_EthConn_Device_Name->setText(name);
    editor.CB_EthConn_En_DHCP_Cable->click();
    editor.E_NTP_Server_URL->setText(QStringLiteral("a=b"));
    editor.Btn_OK->click();
    ASSERT_TRUE(ports.prompts.shown.isEmpty());
    EXPECT_EQ(TestFolders::readFile(folders.state.File_ParGen), written);
}

TEST_F(CliParams, RefusalsLeaveTheFileUntouched)
{
    struct Case
    {
        QStringList assignments;
        int exitCode;
        QString err; // expected start of standard error; empty: not checked
    };
    const Case cases[] = {
        {{QStringLiteral("Nope=1")}, 2, {}},
        {{QStringLiteral("NTP_Poll_Time")}, 2, {}},
        {{QStringLiteral("=60")}, 2, {}},
        {{QStringLiteral("ntp_poll_time=60")}, 2, {}},
        {{QStringLiteral("Eth_Conn_DHCP_Cable=yes")}, 2, {}},
        {{QStringLiteral("Eth_Conn_DHCP_WiFi=1")}, 2, {}},
        {{QStringLiteral("PROFINET_DIAGNOSTIC_ADDRESS=4")}, 2, {}},
        {{QStringLiteral("PROFINET_NB_IN=100"), QStringLiteral("PROFINET_NB_OUT=1439")}, 1, message(1108)},
        {{QStringLiteral("NTP_Poll_Time=")}, 1, message(1092)},
        {{QStringLiteral("Eth_Conn_Device_Name=a") + QChar(0x01)}, 1, QStringLiteral("The text of Eth_Conn_Device_Name")},
    };
    const QByteArray original = "<Par_Gen><NTP_Poll_Time>60</NTP_Poll_Time></Par_Gen>";
    folders.writeFile(file(), original);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.assignments.join(u' ').toStdString());
        const CliRun r = cli(QStringList{QStringLiteral("params"), config} + c.assignments);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        if (!c.err.isEmpty()) {
            EXPECT_TRUE(r.err.startsWith(c.err)) << r.err.toStdString();
        }
        EXPECT_EQ(TestFolders::readFile(file()), original);
    }
    EXPECT_EQ(cli({QStringLiteral("params")}).exitCode, 2);
    EXPECT_EQ(cli({QStringLiteral("params"), folders.path(QStringLiteral("PROJECTS/Nowhere"))}).exitCode, 3);
}

TEST_F(CliParams, UnreadableFileIsAFileError)
{
    const QByteArray broken = readFixture("truncated.xml");
    folders.writeFile(file(), broken);
    for (const QStringList &args : {QStringList{QStringLiteral("params"), config},
                                    QStringList{QStringLiteral("params"), config, QStringLiteral("NTP_Poll_Time=5")},
                                    QStringList{QStringLiteral("validate"), config}}) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.exitCode, 3);
        EXPECT_TRUE(r.err.startsWith(file() + QStringLiteral(": "))) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("line 5")));
    }
    EXPECT_EQ(TestFolders::readFile(file()), broken);
}

TEST_F(CliParams, ValidatePrintsTheFirstFailureOrOk)
{
    const CliRun fresh = cli({QStringLiteral("validate"), config});
    EXPECT_EQ(fresh.exitCode, 1);
    EXPECT_EQ(fresh.out, message(1092) + u'\n');

    folders.writeFile(file(), "<Par_Gen><NTP_Poll_Time>60</NTP_Poll_Time></Par_Gen>");
    const CliRun valid = cli({QStringLiteral("validate"), config});
    EXPECT_EQ(valid.exitCode, 0) << valid.err.toStdString();
    EXPECT_EQ(valid.out, QStringLiteral("OK\n"));
}

TEST_F(CliParams, WriteOnAReadOnlyFolderKeepsTheFile)
{
    // The configuration folder mounted read-only in a mount namespace of its own.
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty() || runProgram(unshare, {QStringLiteral("-m"), QStringLiteral("true")}).exitCode != 0)
        GTEST_SKIP() << "no mount namespace here";
    const QByteArray original = "<Par_Gen><NTP_Poll_Time>60</NTP_Poll_Time></Par_Gen>";
    folders.writeFile(file(), original);
    const QString script = QStringLiteral("mount --bind \"$1\" \"$1\" && mount -o remount,ro,bind \"$1\" && "
                                          "exec \"$2\" params \"$1\" --exe-folder \"$3\" NTP_Poll_Time=90");
    const CliRun r = runProgram(unshare, {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                                       QStringLiteral("sh"), config, QStringLiteral(TESSERA_CLI_PATH),
                                       folders.exeFolder()});
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(file())) << r.err.toStdString();
    EXPECT_EQ(TestFolders::readFile(file()), original);
}
