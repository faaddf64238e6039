#include "app/AppState.h"
#include "app/ToolSettings.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kCanonicalDefaults =
    "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd>"
    "<lastlang><language>English</language></lastlang><lastinternet><enable_internet>0</enable_internet>"
    "<enable_update>0</enable_update><enable_jump_field_tables>0</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

struct SettingsCase
{
    const char *name;
    QByteArray file; // empty: no file at all
    QString projectname;
    QString ipaddress;
    QString language;
    bool internet, update, jump, autosize;
};

} // namespace

TEST(ToolSettings, ReadsEachValueOnItsOwn)
{
    const QString dflt = QStringLiteral("192.168.2.205");
    const QString eng = QStringLiteral("English");
    const SettingsCase cases[] = {
        {"no file", QByteArray(), {}, dflt, eng, false, false, false, false},
        {"only language", "<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>", {}, dflt,
         QStringLiteral("Deutsch"), false, false, false, false},
        {"any root name", "<X><lastproj><projectname>Line A</projectname></lastproj></X>", QStringLiteral("Line A"), dflt,
         eng, false, false, false, false},
        {"flags only for 1",
         "<C><lastinternet><enable_internet>1</enable_internet><enable_update>true</enable_update>"
         "<enable_jump_field_tables>1 </enable_jump_field_tables><Double_Click_Auto_Size>1</Double_Click_Auto_Size>"
         "</lastinternet></C>",
         {}, dflt, eng, true, false, false, true},
        {"empty address kept", "<C><lastipadd><ipaddress></ipaddress></lastipadd></C>", {}, QString(), eng, false, false,
         false, false},
        {"blanks kept", "<C><lastproj><projectname> A </projectname></lastproj></C>", QStringLiteral(" A "), dflt, eng,
         false, false, false, false},
        {"value with child elements", "<C><lastlang><language>x<b/></language></lastlang></C>", {}, dflt, eng, false,
         false, false, false},
        {"first of two groups", "<C><lastlang><language>A</language></lastlang><lastlang><language>B</language></lastlang></C>",
         {}, dflt, QStringLiteral("A"), false, false, false, false},
        {"declaration first",
         "<?xml version=\"1.0\"?><Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>", {},
         dflt, eng, false, false, false, false},
        {"comment first", "<!--x--><Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>", {},
         dflt, eng, false, false, false, false},
        {"not well-formed", "<Conf_Settings><lastlang><language>Deutsch</lastlang>", {}, dflt, eng, false, false, false,
         false},
        {"empty file", " ", {}, dflt, eng, false, false, false, false},
        {"binary", QByteArray("\x00\xff\xfe\x01\x02<<<", 9), {}, dflt, eng, false, false, false, false},
    };
    for (const SettingsCase &c : cases) {
        TestFolders folders;
        if (!c.file.isNull())
            folders.writeFile(QStringLiteral("Tessera.xml"), c.file);
        const ToolSettings s = readToolSettings(folders.path(QStringLiteral("Tessera.xml")));
        SCOPED_TRACE(c.name);
        EXPECT_EQ(s.projectname, c.projectname);
        EXPECT_EQ(s.ipaddress, c.ipaddress);
        EXPECT_EQ(s.language, c.language);
        EXPECT_EQ(s.enable_internet, c.internet);
        EXPECT_EQ(s.enable_update, c.update);
        EXPECT_EQ(s.enable_jump_field_tables, c.jump);
        EXPECT_EQ(s.Double_Click_Auto_Size, c.autosize);
    }
}

TEST(ToolSettings, WritesTheCanonicalTree)
{
    EXPECT_EQ(toolSettingsXml(ToolSettings()), kCanonicalDefaults);

    // A hand-edited file comes back canonical: extra elements dropped, values kept.
    TestFolders folders;
    const QString path = folders.writeFile(
        QStringLiteral("Tessera.xml"),
        "<Conf_Settings>\n  <extra>x</extra>\n  <lastproj><projectname>Line A</projectname><more/></lastproj>\n"
        "  <lastinternet><enable_update>1</enable_update></lastinternet>\n</Conf_Settings>");
    QString error;
    ASSERT_TRUE(writeToolSettings(path, readToolSettings(path), &error)) << error.toStdString();
    const QByteArray written = TestFolders::readFile(path);
    EXPECT_TRUE(written.startsWith("<Conf_Settings><lastproj><projectname>Line A</projectname></lastproj>"));
    EXPECT_TRUE(written.contains("<enable_update>1</enable_update>"));
    EXPECT_FALSE(written.contains("extra"));
    EXPECT_FALSE(written.contains('\n'));
}

TEST(ToolSettings, ReportsAFileThatCannotBeWritten)
{
    TestFolders folders;
    // A folder where the file should go: the save must fail and say where.
    QDir().mkpath(folders.path(QStringLiteral("Tessera.xml/inside")));
    QString error;
    EXPECT_FALSE(Save_Setting(folders.state, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Tessera.xml")));
}

TEST(ToolSettings, AValueXmlCannotHoldIsRefusedAndTheFileKept)
{
    TestFolders folders;
    const QString path = folders.writeFile(QStringLiteral("Tessera.xml"), kCanonicalDefaults);
    ToolSettings s;
    s.projectname = QStringLiteral("Line") + QChar(1);
    QString error;
    EXPECT_FALSE(writeToolSettings(path, s, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("projectname"))) << error.toStdString();
    EXPECT_EQ(TestFolders::readFile(path), kCanonicalDefaults);
}
