#include "image/BankCompiler.h"

#include "ConfigurationFixture.h"
#include "support/CliRun.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtEndian>

#include <functional>

#include <gtest/gtest.h>

namespace {

using BankCli = ConfigurationFixture;

TEST_F(BankCli, CompileWritesTheSameBytesAsTheConfigurator)
{
    copyExample();
    const CliRun r = runCli({QStringLiteral("compile"), conf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, path(QStringLiteral("bin/bank1.bin")) + u'\n' + path(QStringLiteral("bin/bank2.bin")) + u'\n');
    const BankImages images = compile();
    EXPECT_EQ(TestFolders::readFile(path(QStringLiteral("bin/bank1.bin"))), images.bank1);
    EXPECT_EQ(TestFolders::readFile(path(QStringLiteral("bin/bank2.bin"))), images.bank2);
}

TEST_F(BankCli, CompileSaysWhyItGivesUp)
{
    QByteArray tooMany;
    for (int i = 0; i < 250; ++i)
        tooMany += "<row Enable=\"Y\" Name=\"" + QByteArray(600, 'n') + "\"/>";
    const struct
    {
        const char *label;
        const char *parGen;
        QByteArray variables;
        QStringList arguments; // after "compile"; "CONF" stands for the configuration folder, "EXE" for the program's
        int code;
        const char *says;
    } cases[] = {
        {"malformed", "<Par_Gen><NTP_Server_URL></Par_Gen>", {}, {QStringLiteral("CONF")}, 3, "ParGen.xml: "},
        {"too large", nullptr, "<OPC_UA_Server><OPC_UA_Server_Variables>" + tooMany + "</OPC_UA_Server_Variables></OPC_UA_Server>",
         {QStringLiteral("CONF")}, 1, "do not fit into the device"},
        {"too large, in the chosen language", nullptr,
         "<OPC_UA_Server><OPC_UA_Server_Variables>" + tooMany + "</OPC_UA_Server_Variables></OPC_UA_Server>",
         {QStringLiteral("CONF"), QStringLiteral("--exe-folder"), QStringLiteral("EXE"), QStringLiteral("--language"),
          QStringLiteral("Italiano")},
         1, "Troppe variabili: 131072 byte al massimo, 154267 richiesti (23195 di troppo; 250 variabili, 4000 + "},
        {"no folder", nullptr, {}, {QStringLiteral("/nonexistent/Line B")}, 3, "no such configuration folder"},
        {"no argument", nullptr, {}, {}, 2, "compile takes one configuration folder"},
    };
    folders.writeFile(QStringLiteral("LANGUAGE/Italiano.lng"), "STR27 = \xC2\xB6Troppe variabili: %3 byte al massimo, %1 richiesti (%2 di troppo; %4 variabili, "
                      "%5 + %6 byte)\xC2\xB6\n");
    for (const auto &c : cases) {
        QFile::remove(path(QStringLiteral("ParGen.xml")));
        QFile::remove(path(QStringLiteral("OPC_UA_Server.xml")));
        if (c.parGen)
            folders.writeFile(path(QStringLiteral("ParGen.xml")), c.parGen);
        if (!c.variables.isEmpty())
            folders.writeFile(path(QStringLiteral("OPC_UA_Server.xml")), c.variables);
        QStringList arguments = c.arguments;
        for (QString &a : arguments)
            a = a == QLatin1String("CONF") ? conf : a == QLatin1String("EXE") ? folders.exeFolder() : a;
        const CliRun r = runCli(QStringList{QStringLiteral("compile")} + arguments);
        EXPECT_EQ(r.exitCode, c.code) << c.label;
        EXPECT_TRUE(r.err.contains(QLatin1String(c.says))) << c.label << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.label;
        EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("bin/bank1.bin")))) << c.label;
    }
}

// The inspector decodes what the compiler writes and catches damaged banks.
TEST_F(BankCli, InspectChecksBothKindsOfBank)
{
    copyExample();
    const BankImages good = compile();
    const auto patchU32 = [](int offset, quint32 value) {
        return [=](QByteArray &b) { qToLittleEndian(value, b.data() + offset); };
    };
    const struct
    {
        const char *label;
        const QByteArray &image;
        std::function<void(QByteArray &)> damage;
        QStringList options;
        int code;
        const char *says; // in the output, or in the errors when the code is not 0
    } cases[] = {
        {"parameter bank", good.bank1, {}, {}, 0, "1300 [0x514] device name                          \"line-a\""},
        {"parameter checksum", good.bank1, {}, {}, 0, "(sum of bytes 0 to 2043: "},
        {"a changed byte", good.bank1, [](QByteArray &b) { b[41] = 1; }, {}, 1, "the checksum is"},
        {"a text without its zero", good.bank1, [](QByteArray &b) { b.replace(80, 16, QByteArray(16, 'x')); }, {}, 1,
         "does not end with a zero byte"},
        {"variable bank", good.bank2, {}, {}, 0, "28 [0x0001C] Add_Name                             0x8003A -> offset 58 \"T1\""},
        {"the NTP text", good.bank2, {}, {}, 0, "0x80031 -> offset 49 \"10.0.0.1\""},
        {"a name outside", good.bank2, patchU32(28, 0x90000), {}, 1, "the name address of variable 1 at offset 28 points outside"},
        {"an address below the base", good.bank2, patchU32(8, 0x7FFFF), {}, 1, "the NTP text address at offset 8 points outside"},
        {"a cut-off text", good.bank2, [](QByteArray &b) { b.chop(1); }, {}, 1, "without its zero byte"},
        {"too many records", good.bank2, [](QByteArray &b) { b[2] = 9; }, {}, 1, "do not lie inside the file"},
        {"unknown kind", good.bank2, [](QByteArray &b) { b.truncate(5); }, {}, 1, "--bank 1 or --bank 2"},
        {"kind named", good.bank2, [](QByteArray &b) { b.truncate(5); }, {QStringLiteral("--bank"), QStringLiteral("2")}, 1,
         "less than the 16-byte header"},
        {"bad kind", good.bank2, {}, {QStringLiteral("--bank=3")}, 2, "--bank is 1"},
    };
    const QString file = folders.path(QStringLiteral("bank.bin"));
    for (const auto &c : cases) {
        QByteArray image = c.image;
        if (c.damage)
            c.damage(image);
        folders.writeFile(file, image);
        const CliRun r = runCli(QStringList{QStringLiteral("inspect"), file} + c.options);
        EXPECT_EQ(r.exitCode, c.code) << c.label << "\n" << r.out.toStdString() << r.err.toStdString();
        EXPECT_TRUE((c.code == 0 ? r.out : r.err).contains(QLatin1String(c.says)))
            << c.label << "\n" << r.out.toStdString() << r.err.toStdString();
    }
    EXPECT_EQ(runCli({QStringLiteral("inspect"), folders.path(QStringLiteral("missing.bin"))}).exitCode, 3);
}

// When the second bank cannot replace its file (here a mount point, which rename
// refuses), the first is put back: the device is never offered a new parameter
// bank beside an old variable bank.
TEST_F(BankCli, APartialReplaceIsUndone)
{
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty() || runProgram(unshare, {QStringLiteral("-m"), QStringLiteral("true")}).exitCode != 0)
        GTEST_SKIP() << "no mount namespace available";

    copyExample();
    ASSERT_EQ(runCli({QStringLiteral("compile"), conf}).exitCode, 0);
    const QString bank1 = path(QStringLiteral("bin/bank1.bin"));
    const QString bank2 = path(QStringLiteral("bin/bank2.bin"));
    const QByteArray old1 = TestFolders::readFile(bank1);
    const QByteArray old2 = TestFolders::readFile(bank2);
    folders.writeFile(path(QStringLiteral("ParGen.xml")), "<Par_Gen><PROFINET_NAME_STA>line-b</PROFINET_NAME_STA></Par_Gen>");
    const QString spare = folders.writeFile(QStringLiteral("spare.bin"), "spare");

    const CliRun r = runProgram(unshare, {QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"),
                                QStringLiteral("sh"), QStringLiteral("-c"),
                                QStringLiteral("mount --bind \"$1\" \"$2\" && exec \"$3\" compile \"$4\""),
                                QStringLiteral("sh"), spare, bank2, QStringLiteral(TESSERA_CLI_PATH), conf});
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(bank2)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(bank1 + QStringLiteral(" was put back as it was"))) << r.err.toStdString();
    EXPECT_EQ(TestFolders::readFile(bank1), old1);
    EXPECT_EQ(TestFolders::readFile(bank2), old2);
    EXPECT_EQ(QDir(path(QStringLiteral("bin"))).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

} // namespace
