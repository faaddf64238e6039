#include "GsdmlTestSupport.h"

#include "gsdml/GsdmlFile.h"
#include "gsdml/GsdmlFileName.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QDir>

TEST(GsdmlFileName, FormsTheNameFromTheUserPart)
{
    const QString date = QStringLiteral("-20130109.xml");
    const struct
    {
        const char *userPart, *expected;
    } cases[] = {
        {"", "GSDML-V2.31-Korvell-GWX4410-20130109.xml"},
        {"   ", "GSDML-V2.31-Korvell-GWX4410-20130109.xml"},
        {"A", "GSDML-V2.31-Korvell-GWX4410_A-20130109.xml"},
        {"_A", "GSDML-V2.31-Korvell-GWX4410_A-20130109.xml"},
        {" Line 3 ", "GSDML-V2.31-Korvell-GWX4410_ Line 3 -20130109.xml"},
        {"__x", "GSDML-V2.31-Korvell-GWX4410__x-20130109.xml"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formGsdmlFileName(QString::fromUtf8(c.userPart), date), QString::fromUtf8(c.expected))
            << "user part \"" << c.userPart << '"';
}

TEST(GsdmlFileName, DatePartHasTwoDigitMonthAndDay)
{
    EXPECT_EQ(gsdmlDatePart(QDate(2013, 1, 9)), QStringLiteral("-20130109.xml"));
    EXPECT_EQ(gsdmlDatePart(QDate(2024, 12, 31)), QStringLiteral("-20241231.xml"));
}

TEST(ReadProfinetParams, TakesEachValueOrItsOwnDefault)
{
    const struct
    {
        const char *what;
        QByteArray file; // empty: no ParGen.xml
        int nbIn, nbOut;
        const char *stationName;
    } cases[] = {
        {"no parameter file", {}, 1438, 1438, "SERIAL"},
        {"all three", parGen("100", "20", "line-a"), 100, 20, "line-a"},
        {"station name of blanks", parGen("5", "6", "   "), 5, 6, "SERIAL"},
        {"empty station name", parGen("5", "6", ""), 5, 6, "SERIAL"},
        {"leading blank kept", parGen("5", "6", " dev 1"), 5, 6, " dev 1"},
        {"missing elements", parGen(nullptr, nullptr, nullptr), 1438, 1438, "SERIAL"},
        {"a count that is no number", parGen("abc", "1.5", "x"), 1438, 1438, "x"},
        {"hexadecimal and leading blanks", parGen("$64", " 0x14", "x"), 100, 20, "x"},
        {"other root name", "<Other><PROFINET_NB_IN>7</PROFINET_NB_IN></Other>", 7, 1438, "SERIAL"},
        {"root not the first node",
         "<?xml version=\"1.0\"?><Par_Gen><PROFINET_NB_IN>7</PROFINET_NB_IN>"
         "<PROFINET_NAME_STA>x</PROFINET_NAME_STA></Par_Gen>",
         1438, 1438, "SERIAL"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TestFolders folders;
        folders.makeConfiguration(QStringLiteral("Line A"));
        if (!c.file.isEmpty())
            folders.writeFile(folders.state.File_ParGen, c.file);
        ProfinetParams params;
        params.nbIn = -1;
        QString error;
        ASSERT_TRUE(Read_Profinet_Params(folders.state, params, &error)) << error.toStdString();
        EXPECT_EQ(params.nbIn, c.nbIn);
        EXPECT_EQ(params.nbOut, c.nbOut);
        EXPECT_EQ(params.stationName, QString::fromUtf8(c.stationName));
    }
}

TEST(ReadProfinetParams, UnreadableFileIsAnErrorWithItsNameAndTheParserWords)
{
    TestFolders folders;
    folders.makeConfiguration(QStringLiteral("Line A"));
    folders.writeFile(folders.state.File_ParGen, "<Par_Gen><PROFINET_NB_IN>7</Par_Gen>");
    ProfinetParams params;
    QString error;
    EXPECT_FALSE(Read_Profinet_Params(folders.state, params, &error));
    EXPECT_TRUE(error.startsWith(folders.state.File_ParGen)) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("line 1"))) << error.toStdString();
}

// The written file for a range of station names: always well-formed, the name read
// back exactly at both places, one line per line of the document.
TEST(WriteGsdml, EveryStationNameReadsBackFromAWellFormedFile)
{
    const char *names[] = {
        "devicename1", " lead", "a\"b&c<d>e'f", "&amp;", "tab\there", "two\r\nlines", "{PROFINET_NB_IN}", "caf\xc3\xa9",
    };
    for (const char *name : names) {
        SCOPED_TRACE(name);
        TestFolders folders;
        ProfinetParams params;
        params.nbIn = 100;
        params.nbOut = 20;
        params.stationName = QString::fromUtf8(name);
        QString error;
        const QByteArray document = gsdmlDocument(params, &error);
        ASSERT_FALSE(document.isEmpty()) << error.toStdString();
        EXPECT_EQ(document.count("\r\n"), 171);
        EXPECT_EQ(document.count('\n'), 171);

        const XmlLoadResult parsed = parseXml(document);
        ASSERT_TRUE(parsed.ok) << parsed.message.toStdString();
        const GsdmlFacts facts = gsdmlFacts(parsed.document);
        EXPECT_EQ(facts.implementationType, params.stationName);
        EXPECT_EQ(facts.dnsCompatibleName, params.stationName);
        EXPECT_EQ(facts.inputLength, QStringLiteral("20"));
        EXPECT_EQ(facts.outputLength, QStringLiteral("100"));

        const QString path = folders.writeFile(QStringLiteral("out.xml"), document);
        EXPECT_EQ(xmllintComplaint(path), QString());
    }
}

TEST(WriteGsdml, PlainNameIsWrittenAsItStands)
{
    ProfinetParams params;
    params.stationName = QStringLiteral("devicename1");
    const QByteArray document = gsdmlDocument(params, nullptr);
    EXPECT_TRUE(document.contains("ImplementationType=\"devicename1\" DNS_CompatibleName=\"devicename1\""));
    params.stationName = QStringLiteral("o'k");
    EXPECT_TRUE(gsdmlDocument(params, nullptr).contains("DNS_CompatibleName=\"o&apos;k\""));
}

TEST(WriteGsdml, NameThatXmlCannotHoldIsRefused)
{
    ProfinetParams params;
    params.stationName = QStringLiteral("bell\x07");
    QString error;
    EXPECT_TRUE(gsdmlDocument(params, &error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("U+0007"))) << error.toStdString();
}

TEST(WriteGsdml, CountsCrossOverAndTheFileIsUtf8WithBomAndCrLf)
{
    TestFolders folders;
    folders.makeConfiguration(QStringLiteral("Line A"));
    folders.writeFile(folders.state.File_ParGen, parGen("100", "20", "station-7"));
    const QString path = QDir(folders.state.Conf_Folder).filePath(QStringLiteral("out.xml"));
    QString error;
    ASSERT_TRUE(Write_GSDML(folders.state, path, &error)) << error.toStdString();

    const QByteArray bytes = TestFolders::readFile(path);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                 "<!--A fieldbus integration example.-->\r\n<ISO15745Profile "));
    EXPECT_TRUE(bytes.endsWith("</ProfileBody>\r\n</ISO15745Profile>\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));

    const XmlLoadResult parsed = loadXmlFile(path);
    ASSERT_TRUE(parsed.ok) << parsed.message.toStdString();
    const GsdmlFacts facts = gsdmlFacts(parsed.document);
    EXPECT_EQ(facts.implementationType, QStringLiteral("station-7"));
    EXPECT_EQ(facts.inputLength, QStringLiteral("20"));
    EXPECT_EQ(facts.outputLength, QStringLiteral("100"));
    EXPECT_EQ(facts.maxInput, QStringLiteral("1440"));
    EXPECT_EQ(facts.maxOutput, QStringLiteral("1440"));
    EXPECT_EQ(facts.maxData, QStringLiteral("2880"));
    EXPECT_EQ(xmllintComplaint(path), QString());

    // The document's frame: the comment, the root's namespace and schema location,
    // and the 40 external texts with the one trailing blank.
    ASSERT_GE(parsed.document.nodes.size(), 3u);
    EXPECT_EQ(parsed.document.nodes[1].value, QStringLiteral("A fieldbus integration example."));
    const XmlNode &root = parsed.document.nodes[2];
    EXPECT_EQ(root.attribute(u"xsi:schemaLocation"),
              QStringLiteral("http://www.profibus.com/GSDML/2003/11/DeviceProfile ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd"));
    const XmlNode *texts = root.child(u"ProfileBody")->child(u"ApplicationProcess")->child(u"ExternalTextList")
                               ->child(u"PrimaryLanguage");
    ASSERT_NE(texts, nullptr);
    const auto rows = texts->childElements();
    ASSERT_EQ(rows.size(), 40u);
    EXPECT_EQ(rows[20]->attribute(u"TextId"), QStringLiteral("IDT_NAME_M_PB1"));
    EXPECT_EQ(rows[20]->attribute(u"Value"), QStringLiteral("OPCUASERVER Device "));
}
