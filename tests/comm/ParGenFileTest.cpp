#include "comm/ParGenFile.h"
#include "common/XmlTree.h"
#include "support/TestFolders.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

using namespace ParGen;

namespace {

// Every field away from its default: texts "v<n>", every box ticked.
Values allChanged()
{
    Values v;
    for (int f = 0; f < FieldCount; ++f)
        v.setStored(Field(f), fields()[f].flag ? QStringLiteral("1") : QStringLiteral("v%1").arg(f));
    return v;
}

// A file holding every element of v except the one skipped (FieldCount: none).
QByteArray fileWithout(const Values &v, int skipped)
{
    QByteArray xml = "<Par_Gen>";
    for (int f = 0; f < FieldCount; ++f)
        if (f != skipped)
            xml += "<" + fields()[f].element.toUtf8() + ">" + v.stored(Field(f)).toUtf8() + "</"
                   + fields()[f].element.toUtf8() + ">";
    return xml + "</Par_Gen>";
}

QString fixture(const char *name) { return QStringLiteral(TESSERA_TEST_DATA "/") + QLatin1String(name); }

} // namespace

TEST(ParGenFile, NoFileGivesTheDefaults)
{
    TestFolders folders;
    folders.makeConfiguration(QStringLiteral("Line A"));
    const ReadResult r = read(folders.state.File_ParGen);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.values, defaults());
    EXPECT_EQ(r.values.text(OPC_UA_Server_IP4), QStringLiteral("10"));
    EXPECT_EQ(r.values.text(PROFINET_PORT), QStringLiteral("2000"));
    EXPECT_EQ(r.values.text(NTP_Poll_Time), QString());
    EXPECT_FALSE(r.values.flag(Eth_Conn_DHCP_Cable));
}

TEST(ParGenFile, EachMissingElementTakesItsOwnDefault)
{
    TestFolders folders;
    folders.makeConfiguration(QStringLiteral("Line A"));
    const Values changed = allChanged();
    const Values defaultValues = defaults();
    for (int missing = 0; missing < FieldCount; ++missing) {
        SCOPED_TRACE(fields()[missing].element.toString().toStdString());
        folders.writeFile(folders.state.File_ParGen, fileWithout(changed, missing));
        const ReadResult r = read(folders.state.File_ParGen);
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        for (int f = 0; f < FieldCount; ++f) {
            const Field field = Field(f);
            const QString expected = f == Eth_Conn_DHCP_WiFi ? QStringLiteral("0")
                                     : f == missing          ? defaultValues.stored(field)
                                                             : changed.stored(field);
            EXPECT_EQ(r.values.stored(field), expected) << fields()[f].element.toString().toStdString();
        }
    }
}

TEST(ParGenFile, WritesTheFixedLayoutAndReadsEveryTextBackUnchanged)
{
    TestFolders folders;
    folders.makeConfiguration(QStringLiteral("Line A"));
    const QString tricky[] = {
        QStringLiteral("a&b<c>d"), QStringLiteral("\"quoted\" 'single'"), QStringLiteral("\u00e9\u00df\u4e2d\u0416"),
        QStringLiteral("tab\there"), QStringLiteral("cr\r\nlf"), QStringLiteral("  12"), QStringLiteral("12 "),
        QString(), QStringLiteral("0x10"), QStringLiteral("\U0001F600"), QStringLiteral("]]>")};
    Values v;
    int n = 0;
    for (int f = 0; f < FieldCount; ++f) {
        if (fields()[f].flag)
            v.flags[f] = (f % 2) == 0 || f == Eth_Conn_DHCP_WiFi;
        else
            v.texts[f] = tricky[n++ % std::size(tricky)];
    }
    QString error;
    ASSERT_TRUE(write(folders.state.File_ParGen, v, &error)) << error.toStdString();

    const QByteArray bytes = TestFolders::readFile(folders.state.File_ParGen);
    EXPECT_TRUE(bytes.startsWith("<Par_Gen><Eth_Conn_Device_Name>"));
    EXPECT_TRUE(bytes.endsWith("</Par_Gen><!--SW_VERSION = 1.003-->"));
    EXPECT_TRUE(bytes.contains("<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"));
    const XmlLoadResult parsed = parseXml(bytes);
    ASSERT_TRUE(parsed.ok);
    for (const XmlNode &child : parsed.document.firstNode()->children)
        EXPECT_TRUE(child.isElement()) << "no indentation between the elements";
    QStringList names, expectedNames;
    for (const XmlNode *e : parsed.document.firstNode()->childElements())
        names << e->name;
    for (const FieldInfo &info : fields())
        expectedNames << info.element.toString();
    EXPECT_EQ(names, expectedNames);

    const ReadResult back = read(folders.state.File_ParGen);
    ASSERT_TRUE(back.ok);
    Values expected = v;
    expected.flags[Eth_Conn_DHCP_WiFi] = false;
    EXPECT_EQ(back.values, expected);
}

TEST(ParGenFile, ReadingRules)
{
    struct Case
    {
        const char *what;
        QByteArray content;
        Field field;
        QString expected; // as stored: flags "1"/"0"
    };
    const Case cases[] = {
        {"another root name", "<Other><PROFINET_NB_IN>100</PROFINET_NB_IN></Other>", PROFINET_NB_IN, "100"},
        {"flag 1 ticks", "<Par_Gen><PROFINET_EN_GAT>1</PROFINET_EN_GAT></Par_Gen>", PROFINET_EN_GAT, "1"},
        {"flag '1 ' does not tick", "<Par_Gen><PROFINET_EN_GAT>1 </PROFINET_EN_GAT></Par_Gen>", PROFINET_EN_GAT, "0"},
        {"flag 'true' does not tick", "<Par_Gen><PROFINET_EN_GAT>true</PROFINET_EN_GAT></Par_Gen>", PROFINET_EN_GAT,
         "0"},
        {"first of two counts", "<Par_Gen><PROFINET_PORT>1</PROFINET_PORT><PROFINET_PORT>2</PROFINET_PORT></Par_Gen>",
         PROFINET_PORT, "1"},
        {"names are case-sensitive", "<Par_Gen><profinet_port>7</profinet_port></Par_Gen>", PROFINET_PORT, "2000"},
        {"declaration before the root", "<?xml version=\"1.0\"?><Par_Gen><PROFINET_PORT>7</PROFINET_PORT></Par_Gen>",
         PROFINET_PORT, "2000"},
        {"comment before the root", "<!--x--><Par_Gen><PROFINET_PORT>7</PROFINET_PORT></Par_Gen>", PROFINET_PORT,
         "2000"},
        {"Wi-Fi DHCP never read", "<Par_Gen><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi></Par_Gen>", Eth_Conn_DHCP_WiFi,
         "0"},
        {"blanks kept", "<Par_Gen>\n <NTP_Poll_Time> 60 </NTP_Poll_Time>\n</Par_Gen>", NTP_Poll_Time, " 60 "},
        {"empty element", "<Par_Gen><PROFINET_NAME_STA/></Par_Gen>", PROFINET_NAME_STA, ""},
        {"byte-order mark", "\xEF\xBB\xBF<Par_Gen><PROFINET_NB_OUT>20</PROFINET_NB_OUT></Par_Gen>", PROFINET_NB_OUT,
         "20"},
        {"older DNS byte replaces the primary byte",
         "<Par_Gen><Eth_Conn_Primary_DNS2>8</Eth_Conn_Primary_DNS2><OPC_UA_Server_DNS2>4</OPC_UA_Server_DNS2></Par_Gen>",
         Eth_Conn_Primary_DNS2, "4"},
        {"older DNS flag clears", "<Par_Gen><Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>"
                                  "<OPC_UA_Server_EN_DNS>yes</OPC_UA_Server_EN_DNS></Par_Gen>",
         Eth_Conn_Enable_DNS, "0"},
        {"older DNS flag ticks", "<Par_Gen><OPC_UA_Server_EN_DNS>1</OPC_UA_Server_EN_DNS></Par_Gen>",
         Eth_Conn_Enable_DNS, "1"},
    };
    TestFolders folders;
    folders.makeConfiguration(QStringLiteral("Line A"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        folders.writeFile(folders.state.File_ParGen, c.content);
        const ReadResult r = read(folders.state.File_ParGen);
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        EXPECT_EQ(r.values.stored(c.field), c.expected);
    }
}

TEST(ParGenFile, OlderLayoutIsReadAndWrittenUnderTheNewNames)
{
    TestFolders folders;
    folders.makeConfiguration(QStringLiteral("Line A"));
    const ReadResult r = read(fixture("older_layout.xml"));
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.values.flag(Eth_Conn_Enable_DNS));
    EXPECT_EQ(r.values.text(Eth_Conn_Primary_DNS1) + r.values.text(Eth_Conn_Primary_DNS4), QStringLiteral("102"));

    QString error;
    ASSERT_TRUE(write(folders.state.File_ParGen, r.values, &error));
    const QByteArray bytes = TestFolders::readFile(folders.state.File_ParGen);
    EXPECT_FALSE(bytes.contains("OPC_UA_Server_DNS"));
    EXPECT_FALSE(bytes.contains("OPC_UA_Server_EN_DNS"));
    EXPECT_TRUE(bytes.contains("<Eth_Conn_Primary_DNS1>10</Eth_Conn_Primary_DNS1>"));
    EXPECT_TRUE(bytes.contains("<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>"));
}

TEST(ParGenFile, UnreadableFileIsAnErrorWithNameAndPlace)
{
    const QString path = fixture("truncated.xml");
    const ReadResult r = read(path);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.startsWith(path + QStringLiteral(": "))) << r.error.toStdString();
    EXPECT_TRUE(r.error.contains(QStringLiteral("line 5"))) << r.error.toStdString();
}

TEST(ParGenFile, TextAnXmlFileCannotHoldIsRefusedAndTheOldFileKept)
{
    TestFolders folders;
    folders.makeConfiguration(QStringLiteral("Line A"));
    const QByteArray before = "<Par_Gen><NTP_Poll_Time>60</NTP_Poll_Time></Par_Gen>";
    folders.writeFile(folders.state.File_ParGen, before);
    Values v = defaults();
    v.texts[NTP_Server_URL] = QStringLiteral("pool") + QChar(0x1B);
    QString error;
    EXPECT_TRUE(document(v, &error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("NTP_Server_URL"))) << error.toStdString();
    EXPECT_FALSE(write(folders.state.File_ParGen, v, &error));
    EXPECT_TRUE(error.contains(folders.state.File_ParGen));
    EXPECT_EQ(TestFolders::readFile(folders.state.File_ParGen), before);
}
