#include "VariableRows.h"

#include "lang/LangTable.h"
#include "opcua/VariableFile.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

namespace {

using C = VariableTable::Column;

const QByteArray kHead = "<OPC_UA_Server><OPC_UA_Server_Variables>";
const QByteArray kTail = "</OPC_UA_Server_Variables></OPC_UA_Server><!--SW_VERSION = 1.003-->";

QByteArray listFile(const QByteArray &rows) { return kHead + rows + kTail; }

class VariableFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folders.makeConfiguration("Line A");
        table.resetRows();
    }
    QString path() const { return folders.state.File_OPC_UA_Server; }
    VariableFileRead read(const QByteArray &content)
    {
        folders.writeFile(path(), content);
        return readVariableFile(path(), folders.state.Lang_Table, table);
    }
    QByteArray written()
    {
        QString error;
        EXPECT_TRUE(writeVariableFile(path(), table, &error)) << error.toStdString();
        return TestFolders::readFile(path());
    }

    TestFolders folders;
    VariableTable table;
};

TEST_F(VariableFile, WritesTheRowsBeforeTheFirstRowWithoutAType)
{
    fillRow(table, 1, {"Y", "Boolean", "0", "3", "1", "Run", "Read Only", "N", "N", "N", "motor on"});
    fillRow(table, 2, {"N", "String", "10", "", "20", "", "Read/Write", "Y", "N", "Y", ""});
    fillRow(table, 3, {"Y", "  ", "30", "", "", "lost", "", "N", "N", "N", ""});
    fillRow(table, 4, {"Y", "Int16", "40", "", "2", "after", "", "N", "N", "N", ""});
    EXPECT_EQ(written(),
              listFile("<row Enable=\"Y\" Type=\"Boolean\" Position=\"0\" StartBit=\"3\" Length=\"1\" Name=\"Run\" "
                       "ReadWrite=\"Read Only\" Swap=\"N\" SwapWord=\"N\" SwapAll=\"N\" Mnemonic=\"motor on\"/>"
                       "<row Enable=\"N\" Type=\"String\" Position=\"10\" StartBit=\"\" Length=\"20\" Name=\"\" "
                       "ReadWrite=\"Read/Write\" Swap=\"Y\" SwapWord=\"N\" SwapAll=\"Y\" Mnemonic=\"\"/>"));
}

TEST_F(VariableFile, WritesAnEmptyListAndRefusesTextsXmlCannotHold)
{
    const QByteArray empty = "<OPC_UA_Server><OPC_UA_Server_Variables/></OPC_UA_Server><!--SW_VERSION = 1.003-->";
    EXPECT_EQ(written(), empty);

    fillRow(table, 1, {"Y", "Byte", "0", "", "1", QString("bell") + QChar(7), "", "N", "N", "N", ""});
    QString error;
    EXPECT_FALSE(writeVariableFile(path(), table, &error));
    EXPECT_TRUE(error.contains("row@Name")) << error.toStdString();
    EXPECT_EQ(TestFolders::readFile(path()), empty); // the old file stays
}

struct ReadCase
{
    const char *name;
    QByteArray row;           // one child of OPC_UA_Server_Variables
    QStringList values;       // row 1 as read
    bool lengthLocked;
};

void PrintTo(const ReadCase &c, std::ostream *os) { *os << c.name; }

const ReadCase kReadCases[] = {
    {"RowWithoutAttributes", "<row/>", kEmptyRow, false},
    {"AnyEnableButNIsEnabled", "<row Enable=\"y\" Swap=\"1\" SwapWord=\"\" SwapAll=\"N\"/>",
     {"Y", "", "", "", "", "", "", "Y", "Y", "N", ""}, false},
    {"NDisables", "<row Enable=\"N\"/>", {"N", "", "", "", "", "", "", "N", "N", "N", ""}, false},
    {"FixedTypeLocksLengthButTheFileValueStands", "<row Type=\"Int32\" Length=\"7\" ReadWrite=\"Read Only\"/>",
     {"Y", "Int32", "", "", "7", "", "Read Only", "N", "N", "N", ""}, true},
    {"MissingLengthAndReadWriteReplaceTheTypeRule", "<row Type=\"Double\"/>",
     {"Y", "Double", "", "", "", "", "", "N", "N", "N", ""}, true},
    {"StringLeavesLengthEditable", "<row Type=\"String\" Length=\"32\" ReadWrite=\"Read/Write\"/>",
     {"Y", "String", "", "", "32", "", "Read/Write", "N", "N", "N", ""}, false},
    {"UnknownTypeAndReadWriteAreKeptAsTheyStand",
     "<variable Type=\"int32\" Position=\"-3\" StartBit=\"9\" Length=\"x\" ReadWrite=\"rw\" Extra=\"1\"/>",
     {"Y", "int32", "-3", "9", "x", "", "rw", "N", "N", "N", ""}, false},
    {"TextsKeepEveryCharacter",
     "<row Name=\" a &quot;b&quot;, &amp; &lt;c&gt; \" Mnemonic=\"x&#13;&#10;y&#9;&#x65E5;&#x672C; &#x1F600;\"/>",
     {"Y", "", "", "", "", " a \"b\", & <c> ", "", "N", "N", "N",
      QString::fromUtf8("x\r\ny\t\u65E5\u672C \U0001F600")},
     false},
};

class VariableFileRow : public VariableFile, public ::testing::WithParamInterface<ReadCase>
{
};

TEST_P(VariableFileRow, IsReadWithTheEditorsDefaultsAndOrder)
{
    const ReadCase &c = GetParam();
    const VariableFileRead r = read(listFile(c.row));
    ASSERT_EQ(r.status, VariableFileRead::Read) << r.error.toStdString();
    EXPECT_EQ(r.rows, 1);
    EXPECT_EQ(rowValues(table, 1), c.values);
    EXPECT_EQ(table.isReadOnly(1, C::ColLength), c.lengthLocked);
    EXPECT_EQ(rowValues(table, 2), kEmptyRow);
}

INSTANTIATE_TEST_SUITE_P(Cases, VariableFileRow, ::testing::ValuesIn(kReadCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(VariableFile, TakesTheFirst250ElementsAndSkipsComments)
{
    QByteArray rows = "<!-- a note -->";
    for (int i = 1; i <= 260; ++i)
        rows += "<row Type=\"Byte\" Position=\"" + QByteArray::number(i) + "\"/>";
    const VariableFileRead r = read(listFile(rows));
    EXPECT_EQ(r.rows, 250);
    EXPECT_EQ(table.text(1, C::ColPosition), "1");
    EXPECT_EQ(table.text(250, C::ColPosition), "250");
}

TEST_F(VariableFile, AnUnchangedListIsWrittenBackIdentically)
{
    const QByteArray original = TestFolders::readFile(QStringLiteral(TESSERA_TEST_DATA "/OPC_UA_Server.xml"));
    ASSERT_FALSE(original.isEmpty());
    const VariableFileRead r = read(original);
    ASSERT_EQ(r.status, VariableFileRead::Read);
    EXPECT_EQ(r.rows, 6);
    EXPECT_EQ(written(), original);
}

TEST_F(VariableFile, MissingFileGivesAnEmptyList)
{
    const VariableFileRead r = readVariableFile(path(), folders.state.Lang_Table, table);
    EXPECT_EQ(r.status, VariableFileRead::Missing);
    EXPECT_EQ(r.rows, 0);
    EXPECT_EQ(rowValues(table, 1), kEmptyRow);
}

TEST_F(VariableFile, UnreadableFilesAreReportedWithTheirNameAndLeaveTheListEmpty)
{
    const struct
    {
        QByteArray content;
        const char *words;
    } cases[] = {
        {listFile("<row Type=\"Byte\"><row/>"), "line 1"},
        {"<?xml version=\"1.0\"?>" + listFile("<row Type=\"Byte\"/>"), "root element"},
        {"<!-- x -->" + listFile("<row Type=\"Byte\"/>"), "root element"},
        {"<OPC_UA_Server><Variables><row Type=\"Byte\"/></Variables></OPC_UA_Server>", "OPC_UA_Server_Variables"},
        {"", "Premature end of document"},
    };
    for (const auto &c : cases) {
        table.resetRows();
        const VariableFileRead r = read(c.content);
        EXPECT_EQ(r.status, VariableFileRead::Unreadable) << c.content.constData();
        EXPECT_TRUE(r.error.startsWith(path())) << r.error.toStdString();
        EXPECT_TRUE(r.error.contains(QLatin1String(c.words))) << r.error.toStdString();
        EXPECT_EQ(rowValues(table, 1), kEmptyRow);
    }
}

TEST_F(VariableFile, ByteCountsComeFromParGenWithTheirDefaults)
{
    const struct
    {
        QByteArray content; // empty: no file
        int in, out;
    } cases[] = {
        {"", 1438, 1438},
        {"<ParGen><PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>20</PROFINET_NB_OUT></ParGen>", 100, 20},
        {"<ParGen><PROFINET_NB_IN>0</PROFINET_NB_IN><PROFINET_NB_OUT>$10</PROFINET_NB_OUT></ParGen>", 0, 16},
        {"<ParGen><PROFINET_NB_IN>abc</PROFINET_NB_IN><PROFINET_NB_OUT></PROFINET_NB_OUT></ParGen>", 1438, 1438},
        {"<ParGen><PROFINET_NB_OUT> 7</PROFINET_NB_OUT></ParGen>", 1438, 7},
        {"<?xml version=\"1.0\"?><ParGen><PROFINET_NB_IN>5</PROFINET_NB_IN></ParGen>", 1438, 1438},
    };
    const QString parGen = folders.state.File_ParGen;
    for (const auto &c : cases) {
        QFile::remove(parGen);
        if (!c.content.isEmpty())
            folders.writeFile(parGen, c.content);
        ByteCounts counts{1, 1};
        QString error;
        EXPECT_TRUE(readByteCounts(parGen, &counts, &error)) << c.content.constData();
        EXPECT_EQ(counts.Max_Byte_In, c.in) << c.content.constData();
        EXPECT_EQ(counts.Max_Byte_Out, c.out) << c.content.constData();
    }

    folders.writeFile(parGen, "<ParGen><PROFINET_NB_IN>5</PROFINET_NB_IN>");
    ByteCounts counts;
    QString error;
    EXPECT_FALSE(readByteCounts(parGen, &counts, &error));
    EXPECT_TRUE(error.startsWith(parGen)) << error.toStdString();
    EXPECT_EQ(counts.Max_Byte_In, 1438);
}

struct CheckCase
{
    const char *name;
    ByteCounts counts;
    QList<QStringList> rows;
    int failRow; // 0: passes
    int failBound;
};

void PrintTo(const CheckCase &c, std::ostream *os) { *os << c.name; }

QStringList variable(const char *enable, const char *type, const char *position, const char *readWrite)
{
    return {enable, type, position, "", "", "", readWrite, "N", "N", "N", ""};
}

const CheckCase kCheckCases[] = {
    {"LastPositionBelowTheDefaultPasses", {}, {variable("Y", "Byte", "1437", "Read Only")}, 0, 0},
    {"PositionAtTheDefaultFails", {}, {variable("Y", "Byte", "1438", "Read Only")}, 1, 1438},
    {"ReadWriteIsBoundByTheOutputCount", {100, 20},
     {variable("Y", "Byte", "50", "Read Only"), variable("Y", "Byte", "20", "Read/Write")}, 2, 20},
    {"AnyOtherAccessTextIsBoundByTheInputCount", {10, 100}, {variable("Y", "Byte", "50", "read/write")}, 1, 10},
    {"OutputCountZeroFailsEveryReadWrite", {1438, 0}, {variable("Y", "Byte", "0", "Read/Write")}, 1, 0},
    {"InputCountZeroFailsEveryReadOnly", {0, 1438}, {variable("Y", "Byte", "0", "Read Only")}, 1, 0},
    {"EmptyPositionFails", {}, {variable("Y", "Byte", "", "Read Only")}, 1, 1438},
    {"PositionThatIsNoNumberFails", {}, {variable("Y", "Byte", "4.5", "Read Only")}, 1, 1438},
    {"NegativePositionFails", {}, {variable("Y", "Byte", "-1", "Read Only")}, 1, 1438},
    {"HexadecimalPositionIsANumber", {}, {variable("Y", "Byte", "$10", "Read Only")}, 0, 0},
    {"DisabledAndTypelessRowsAreNotLookedAt", {},
     {variable("N", "Byte", "abc", "Read Only"), variable("Y", " ", "abc", "Read Only"),
      variable("Y", "Int16", "9999", "Read Only")},
     3, 1438},
};

class PositionCheck : public ::testing::TestWithParam<CheckCase>
{
};

TEST_P(PositionCheck, FindsTheFirstBadRow)
{
    const CheckCase &c = GetParam();
    VariableTable table;
    table.resetRows();
    for (int i = 0; i < c.rows.size(); ++i)
        fillRow(table, i + 1, c.rows.at(i));
    const std::optional<PositionFailure> failure = Controllo_dati(table, c.counts);
    ASSERT_EQ(failure.has_value(), c.failRow != 0);
    if (failure) {
        EXPECT_EQ(failure->row, c.failRow);
        EXPECT_EQ(failure->bound, c.failBound);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PositionCheck, ::testing::ValuesIn(kCheckCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PositionMessage, NamesTheRowAndTheLastPosition)
{
    LangTable texts;
    texts.Build_Default_Table();
    EXPECT_EQ(positionMessage(texts, {1, 1438}), "Error row 1!! Position Must be Between 0 and 1437");
    EXPECT_EQ(formatNumbers("%d of %d, %s", {12, 250, 3}), "12 of 250, %s");
}

} // namespace
