#include "VariableRows.h"

#include "opcua/VariableCsv.h"
#include "opcua/VariableFile.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

namespace {

using C = VariableTable::Column;
const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kHeader = "Enable,Type,Position,StartBit,Length,Name,ReadWrite,Swap,SwapWord,SwapAll,Mnemonic\r\n";

QByteArray fixture() { return TestFolders::readFile(QStringLiteral(TESSERA_TEST_DATA "/OPC_UA_Server.xml")); }

TEST(VariableCsv, ExportQuotesWhatNeedsItAndEndsLinesWithCrLf)
{
    VariableTable table;
    table.resetRows();
    fillRow(table, 1, {"N", "Int16", "2", "", "2", "a,b", "Read Only", "Y", "N", "N", "say \"hi\""});
    fillRow(table, 2, {"Y", "String", "4", "", "10", "two\nlines", "", "N", "N", "N", " padded"});
    EXPECT_EQ(variablesToCsv(table, 2, u',', true),
              kBom + kHeader + "N,Int16,2,,2,\"a,b\",Read Only,Y,N,N,\"say \"\"hi\"\"\"\r\n"
                               "Y,String,4,,10,\"two\nlines\",,N,N,N,\" padded\"\r\n");
    EXPECT_EQ(variablesToCsv(table, 1, u';', false),
              QByteArray(kHeader).replace(',', ';') + "N;Int16;2;;2;a,b;Read Only;Y;N;N;\"say \"\"hi\"\"\"\r\n");
}

// File -> CSV -> file gives the same bytes, with either separator, with or without the mark.
TEST(VariableCsv, RoundTripThroughCsvKeepsEveryValue)
{
    TestFolders folders;
    const QString file = folders.writeFile("list.xml", fixture());
    VariableTable read;
    read.resetRows();
    ASSERT_EQ(readVariableFile(file, folders.state.Lang_Table, read).rows, 6);

    for (const QChar separator : {QChar(u','), QChar(u';')}) {
        for (const bool bom : {true, false}) {
            VariableTable imported;
            imported.resetRows();
            const CsvRead r = readVariablesCsv(variablesToCsv(read, read.savedRowCount(), separator, bom), imported);
            ASSERT_TRUE(r.ok) << r.error.toStdString();
            EXPECT_EQ(r.rows, 6);
            QString error;
            EXPECT_EQ(variableFileData(imported, &error), fixture()) << separator.toLatin1() << bom;
            for (int row = 1; row <= 6; ++row)
                EXPECT_EQ(imported.isReadOnly(row, C::ColLength), read.isReadOnly(row, C::ColLength));
        }
    }
}

TEST(VariableCsv, ImportMatchesColumnsByNameAndGivesDefaultsForMissingOnes)
{
    VariableTable table;
    table.resetRows();
    const CsvRead r = readVariablesCsv("Name;Type;Enable\n\"x;y\";Int64;n\nz;Wrong;\n\n\n", table);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.rows, 2);
    EXPECT_EQ(rowValues(table, 1), QStringList({"Y", "Int64", "", "", "", "x;y", "", "N", "N", "N", ""}));
    EXPECT_TRUE(table.isReadOnly(1, C::ColLength));
    EXPECT_EQ(rowValues(table, 2), QStringList({"Y", "Wrong", "", "", "", "z", "", "N", "N", "N", ""}));
    EXPECT_EQ(rowValues(table, 3), kEmptyRow);
}

TEST(VariableCsv, ImportRefusesNamingTheLine)
{
    QByteArray tooMany = kHeader;
    for (int i = 0; i < 251; ++i)
        tooMany += "Y,Byte,1,,1,,,N,N,N,\r\n";
    const struct
    {
        QByteArray csv;
        const char *error;
    } cases[] = {
        {"", "line 1: the header row is missing"},
        {"Enable,Typ\r\n", "line 1: unknown column \"Typ\""},
        {"Type,Name,Type\r\n", "line 1: the column \"Type\" appears twice"},
        {"Type,Name\r\nByte,\"a\r\nb\"\r\nByte\r\n", "line 4: 1 fields where the header has 2"},
        {"Type,Name\r\nByte,a,b\r\n", "line 2: 3 fields where the header has 2"},
        {"Type,Name\r\nByte,x\r\n\r\nByte,y\r\n", "line 3: 1 fields where the header has 2"},
        {"Type,Name\r\nByte,\"open\r\n", "line 2: a quoted field is not closed"},
        {"Type,Name\r\nByte,\"a\"b\r\n", "line 2: text after the closing quote of a field"},
        {"Type,Name\r\nByte,a\"b\r\n", "line 2: a quote inside a field that is not quoted"},
        {tooMany, "line 252: more than 250 variables"},
        {"Type,Name\r\nByte,\xFF\r\n", "the file is not UTF-8 text"},
    };
    for (const auto &c : cases) {
        VariableTable table;
        table.resetRows();
        const CsvRead r = readVariablesCsv(c.csv, table);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, QLatin1String(c.error)) << c.csv.left(60).constData();
    }
}

} // namespace
