#include "cli/AppContext.h"
#include "cli/Cli.h"
#include "support/CliRun.h"
#include "support/ScriptedPorts.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kHeader = "Enable,Type,Position,StartBit,Length,Name,ReadWrite,Swap,SwapWord,SwapAll,Mnemonic\r\n";

QByteArray listFile(const QByteArray &rows)
{
    return "<OPC_UA_Server><OPC_UA_Server_Variables>" + rows
           + "</OPC_UA_Server_Variables></OPC_UA_Server><!--SW_VERSION = 1.003-->";
}

class VarsCommand : public ::testing::Test
{
protected:
    void SetUp() override { config = folders.makeConfiguration("Line A"); }
    QString list() const { return folders.state.File_OPC_UA_Server; }
    QString csv(const char *name) const { return folders.path(QLatin1String(name)); }

    TestFolders folders;
    QString config;
};

TEST_F(VarsCommand, PrintsTheListAsTheEditorReadsIt)
{
    folders.writeFile(list(), listFile("<row Type=\"Int32\" Name=\"a;b\"/><row/>"));
    const CliRun r = runCli({"vars", config, "--separator", ";"});
    EXPECT_EQ(r.exitCode, 0) << r.stdErr.constData();
    EXPECT_EQ(r.stdOut, QByteArray(kHeader).replace(',', ';') + "Y;Int32;;;;\"a;b\";;N;N;N;\r\nY;;;;;;;N;N;N;\r\n");

    EXPECT_EQ(runCli({"vars", folders.path("PROJECTS/Nowhere")}).exitCode, 3);
    EXPECT_EQ(runCli({"vars", config, "--separator", "|"}).exitCode, 2);
    EXPECT_EQ(runCli({"vars", "export", config}).exitCode, 2);

    folders.writeFile(list(), "<OPC_UA_Server>");
    const CliRun unreadable = runCli({"vars", config});
    EXPECT_EQ(unreadable.exitCode, 3);
    EXPECT_TRUE(unreadable.stdErr.contains(list().toUtf8())) << unreadable.stdErr.constData();
}

TEST_F(VarsCommand, ExportThenImportGivesTheSameFile)
{
    const QByteArray original = TestFolders::readFile(QStringLiteral(TESSERA_TEST_DATA "/OPC_UA_Server.xml"));
    folders.writeFile(list(), original);
    const CliRun exported = runCli({"vars", "export", config, csv("list.csv")});
    ASSERT_EQ(exported.exitCode, 0) << exported.stdErr.constData();
    EXPECT_EQ(exported.stdOut.trimmed(), csv("list.csv").toUtf8());
    const QByteArray text = TestFolders::readFile(csv("list.csv"));
    EXPECT_TRUE(text.startsWith(kBom + kHeader));

    const QString other = folders.makeConfiguration("Line B");
    const CliRun imported = runCli({"vars", "import", other, csv("list.csv")});
    ASSERT_EQ(imported.exitCode, 0) << imported.stdErr.constData();
    EXPECT_EQ(TestFolders::readFile(folders.state.File_OPC_UA_Server), original);
}

TEST_F(VarsCommand, ImportRefusesAndChangesNothing)
{
    const QByteArray before = listFile("<row Type=\"Byte\" Name=\"kept\"/>");
    folders.writeFile(list(), before);
    folders.writeFile(folders.state.File_ParGen,
                      "<ParGen><PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>20</PROFINET_NB_OUT></ParGen>");
    const struct
    {
        QByteArray csv;
        int code;
        const char *says;
    } cases[] = {
        {"Type,Name\r\nByte,x\r\nByte,x,y\r\n", 1, "line 3: 3 fields where the header has 2"},
        {"Type,Nmae\r\n", 1, "line 1: unknown column \"Nmae\""},
        {"Type,Position,ReadWrite\r\nByte,5,Read Only\r\nByte,20,Read/Write\r\n", 1,
         "Error row 2!! Position Must be Between 0 and 19"},
        {"Type,Position\r\nByte,1\r\n,2\r\nByte,3\r\n", 1, "row 2 and the rows after it are not saved"},
    };
    for (const auto &c : cases) {
        folders.writeFile(csv("in.csv"), c.csv);
        const CliRun r = runCli({"vars", "import", config, csv("in.csv")});
        EXPECT_EQ(r.exitCode, c.code) << c.csv.constData();
        EXPECT_TRUE(r.stdErr.contains(c.says)) << r.stdErr.constData();
        EXPECT_EQ(TestFolders::readFile(list()), before);
    }
    EXPECT_EQ(runCli({"vars", "import", config, csv("missing.csv")}).exitCode, 3);

    // With --yes the rows after the gap are dropped as the editor's OK drops them.
    const CliRun yes = runCli({"vars", "import", config, csv("in.csv"), "--yes"});
    EXPECT_EQ(yes.exitCode, 0) << yes.stdErr.constData();
    EXPECT_EQ(TestFolders::readFile(list()),
              listFile("<row Enable=\"Y\" Type=\"Byte\" Position=\"1\" StartBit=\"\" Length=\"\" Name=\"\" "
                       "ReadWrite=\"\" Swap=\"N\" SwapWord=\"N\" SwapAll=\"N\" Mnemonic=\"\"/>"));
}

TEST_F(VarsCommand, ImportReplacesAnUnreadableListOnlyWithYes)
{
    const QByteArray broken = "<?xml version=\"1.0\"?><OPC_UA_Server/>";
    folders.writeFile(list(), broken);
    folders.writeFile(csv("in.csv"), "Type,Position\nByte,1\n");
    const CliRun no = runCli({"vars", "import", config, csv("in.csv")});
    EXPECT_EQ(no.exitCode, 3);
    EXPECT_TRUE(no.stdErr.contains("could not be read")) << no.stdErr.constData();
    EXPECT_EQ(TestFolders::readFile(list()), broken);

    EXPECT_EQ(runCli({"vars", "import", config, csv("in.csv"), "--yes"}).exitCode, 0);
    EXPECT_TRUE(TestFolders::readFile(list()).contains("Position=\"1\""));
}

// The variable half of `validate`.
TEST_F(VarsCommand, ValidationPrintsTheFirstFailure)
{
    const struct
    {
        QByteArray parGen; // empty: no file
        QByteArray list;
        int code;
        const char *out;
    } cases[] = {
        {"", listFile("<row Type=\"Byte\" Position=\"1437\" ReadWrite=\"Read Only\"/>"), ExitDone, ""},
        {"", listFile("<row Type=\"Byte\" Position=\"1438\" ReadWrite=\"Read Only\"/>"), ExitRefused,
         "Error row 1!! Position Must be Between 0 and 1437\n"},
        {"<ParGen><PROFINET_NB_OUT>0</PROFINET_NB_OUT></ParGen>",
         listFile("<row Type=\"Byte\" Position=\"0\" ReadWrite=\"Read/Write\"/>"), ExitRefused,
         "Error row 1!! Position Must be Between 0 and -1\n"},
        {"<ParGen>", listFile(""), ExitFileError, ""},
        {"", "<OPC_UA_Server/>", ExitFileError, ""},
    };
    for (const auto &c : cases) {
        QFile::remove(folders.state.File_ParGen);
        if (!c.parGen.isEmpty())
            folders.writeFile(folders.state.File_ParGen, c.parGen);
        folders.writeFile(list(), c.list);
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        ScriptedPorts ports;
        Cli command({}, outStream, errStream, ports.ports);
        AppState state;
        state.Lang_Table.Build_Default_Table();
        EXPECT_EQ(validateVariables(command, state, config), c.code) << c.list.constData();
        outStream.flush();
        EXPECT_EQ(out, QLatin1String(c.out));
    }
}

} // namespace
