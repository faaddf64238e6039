#include "image/BankCompiler.h"

#include "ConfigurationFixture.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// "C0 A8 00 05" as bytes.
QByteArray hexBytes(const char *text) { return QByteArray::fromHex(text); }

quint32 u32At(const QByteArray &data, int offset) { return qFromLittleEndian<quint32>(data.constData() + offset); }

// Each (offset, "hex bytes") pair is what the image holds at that offset.
void expectBytes(const QByteArray &image, std::initializer_list<std::pair<int, const char *>> expected)
{
    for (const auto &[offset, hex] : expected) {
        const QByteArray bytes = hexBytes(hex);
        EXPECT_EQ(image.mid(offset, bytes.size()).toHex(' '), bytes.toHex(' ')) << "at offset " << offset;
    }
}

// A configuration folder with the project files a test puts into it.
class BankCompile : public ConfigurationFixture
{
protected:
    void write(const QString &name, const QByteArray &content) { folders.writeFile(path(name), content); }
    void writeParGen(const QByteArray &elements) { write(QStringLiteral("ParGen.xml"), "<Par_Gen>" + elements + "</Par_Gen>"); }
    void writeVariables(const QByteArray &rows)
    {
        write(QStringLiteral("OPC_UA_Server.xml"),
              "<OPC_UA_Server><OPC_UA_Server_Variables>" + rows
                  + "</OPC_UA_Server_Variables></OPC_UA_Server><!--SW_VERSION = 1.003-->");
    }
    QString compileError(CompileFailure expected)
    {
        BankImages images;
        QString error;
        CompileFailure failure = CompileFailure::None;
        EXPECT_FALSE(Compile_Bin_Banks(conf, folders.state.Lang_Table, &images, &error, &failure));
        EXPECT_EQ(failure, expected);
        EXPECT_TRUE(images.bank1.isEmpty() && images.bank2.isEmpty());
        return error;
    }
    QByteArray bank(int k) const { return TestFolders::readFile(path(QStringLiteral("bin/bank%1.bin").arg(k))); }
    void saveOldBanks()
    {
        write(QStringLiteral("bin/bank1.bin"), "old parameter bank");
        write(QStringLiteral("bin/bank2.bin"), "old variable bank");
    }
    void expectOldBanks()
    {
        EXPECT_EQ(bank(1), QByteArray("old parameter bank"));
        EXPECT_EQ(bank(2), QByteArray("old variable bank"));
    }
};

// The whole block without a parameter file, from its layout, byte by byte.
TEST_F(BankCompile, WithoutAnyFileTheBanksHoldTheirDefaults)
{
    QByteArray expected(2048, '\0');
    const auto put = [&](int offset, const char *hex) { expected.replace(offset, hexBytes(hex).size(), hexBytes(hex)); };
    put(0, "90 D0 03 00");
    put(4, "90 D0 03 00");
    put(12, "80 25 00 00");
    put(40, "C0 A8 02 CD FF FF FF 00 FF FF FF FF");
    put(52, "10 27 11 27 11 27");
    put(436, "08 08 08 08 08 08 08 08");
    put(1568, "00 00 08 00");
    put(2044, "8A 0D 00 00"); // 3466

    const BankImages images = compile();
    EXPECT_EQ(images.bank1.toHex(' '), expected.toHex(' '));
    EXPECT_EQ(images.bank2, hexBytes("E8 12 00 00 10 00 08 00 10 00 08 00 0A 00 00 00 00"));
}

// A root without children: every element takes its rule's default.
TEST_F(BankCompile, AnEmptyRootGivesTheElementDefaults)
{
    writeParGen("");
    const BankImages images = compile();
    const QByteArray b = images.bank1;
    ASSERT_EQ(b.size(), 2048);
    expectBytes(b, {
                       {40, "C0 A8 00 05 FF FF FF 00 FF FF FF FF"},
                       {80, "64 65 76 69 63 65 6E 61 6D 65 31 00 00 00 00 00"}, // "devicename1"
                       {104, "D0 07"},
                       {108, "00 00 00 00"},
                       {116, "9E 05 00 00 9E 05 00 00"},
                       {388, "C0 A8 00 0A FF FF FF 00 FF FF FF FF"},
                       {1256, "00 00"},
                       {1340, "00 00 00 00"},
                       {1420, "00 00 00 00"},
                       {1644, "31 2E 30 30 33 00 00 00"}, // "1.003"
                       {2044, "7C 1C 00 00"},             // 7292
                   });
    // With a parameter file the poll time defaults to 1000, without one to 10.
    EXPECT_EQ(images.bank2, hexBytes("E8 12 00 00 10 00 08 00 10 00 08 00 E8 03 00 00 00"));
}

struct ElementCase
{
    const char *label;
    const char *elements; // the children of the root
    int offset;
    const char *hex; // what the bank holds there
};

class ParameterElements : public BankCompile, public ::testing::WithParamInterface<ElementCase>
{
};

TEST_P(ParameterElements, StoreAsTheirRuleSays)
{
    const ElementCase &c = GetParam();
    writeParGen(c.elements);
    const QByteArray b = compile().bank1;
    ASSERT_EQ(b.size(), 2048);
    const QByteArray expected = hexBytes(c.hex);
    EXPECT_EQ(b.mid(c.offset, expected.size()).toHex(' '), expected.toHex(' '));
    quint32 sum = 0;
    for (int i = 0; i < 2044; ++i)
        sum += quint8(b[i]);
    EXPECT_EQ(u32At(b, 2044), sum);
}

#define NAME40 "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN"
#define HEX31 "61 62 63 64 65 66 67 68 69 6A 6B 6C 6D 6E 6F 70 71 72 73 74 75 76 77 78 79 7A 41 42 43 44 45"

INSTANTIATE_TEST_SUITE_P(
    Cases, ParameterElements,
    ::testing::Values(
        ElementCase{"device name of 40 keeps 31", "<Eth_Conn_Device_Name>" NAME40 "</Eth_Conn_Device_Name>", 1300,
                    HEX31 " 00 00 00 00 00 00 00 00 00"},
        ElementCase{"device name Latin-1 and beyond U+00FF", "<Eth_Conn_Device_Name>M\xC3\xBCller \xCE\xA9</Eth_Conn_Device_Name>",
                    1300, "4D FC 6C 6C 65 72 20 A9 00"},
        ElementCase{"station name of 20 keeps 15", "<PROFINET_NAME_STA>abcdefghijklmnopqrst</PROFINET_NAME_STA>", 80,
                    "61 62 63 64 65 66 67 68 69 6A 6B 6C 6D 6E 6F 00 00 00 00 00 00 00 00 00"},
        ElementCase{"empty station name stays empty", "<PROFINET_NAME_STA/>", 80, "00 00 00 00 00 00 00 00 00 00 00"},
        ElementCase{"inactivity reset on", "<OPC_UA_Server_Reset_Inactivity>1</OPC_UA_Server_Reset_Inactivity>"
                                           "<OPC_UA_Server_Reset_Inactivity_Time>1440</OPC_UA_Server_Reset_Inactivity_Time>",
                    108, "00 5C 26 05"},
        ElementCase{"inactivity reset off ignores the time", "<OPC_UA_Server_Reset_Inactivity>0</OPC_UA_Server_Reset_Inactivity>"
                                                             "<OPC_UA_Server_Reset_Inactivity_Time>1440</OPC_UA_Server_Reset_Inactivity_Time>",
                    108, "00 00 00 00"},
        ElementCase{"inactivity time wraps at 32 bits", "<OPC_UA_Server_Reset_Inactivity>1</OPC_UA_Server_Reset_Inactivity>"
                                                        "<OPC_UA_Server_Reset_Inactivity_Time>100000</OPC_UA_Server_Reset_Inactivity_Time>",
                    108, "00 BC A0 65"},
        ElementCase{"DNS off leaves primary zero", "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>",
                    1420, "00 00 00 00"},
        ElementCase{"DNS off leaves secondary zero", "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><Eth_Conn_Secondary_DNS1>1</Eth_Conn_Secondary_DNS1>",
                    1340, "00 00 00 00"},
        ElementCase{"DNS on without elements: primary", "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>", 1420, "08 08 08 08"},
        ElementCase{"DNS on without elements: secondary", "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>", 1340, "08 08 04 04"},
        ElementCase{"DNS on with elements", "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>"
                                            "<Eth_Conn_Primary_DNS4>4</Eth_Conn_Primary_DNS4>",
                    1420, "01 08 08 04"},
        ElementCase{"OPC UA gateway enabled", "<OPC_UA_Server_EN_GAT>1</OPC_UA_Server_EN_GAT><OPC_UA_Server_GAT4>254</OPC_UA_Server_GAT4>",
                    396, "C0 A8 00 FE"},
        ElementCase{"OPC UA gateway flag Y is not set", "<OPC_UA_Server_EN_GAT>Y</OPC_UA_Server_EN_GAT>", 396, "FF FF FF FF"},
        ElementCase{"PROFINET gateway flag true is not set", "<PROFINET_EN_GAT>true</PROFINET_EN_GAT>", 48, "FF FF FF FF"},
        ElementCase{"PROFINET gateway enabled", "<PROFINET_EN_GAT>1</PROFINET_EN_GAT><PROFINET_GAT1>10</PROFINET_GAT1>", 48,
                    "0A A8 00 01"},
        ElementCase{"octet 300 keeps its low 8 bits", "<PROFINET_IP4>300</PROFINET_IP4>", 40, "C0 A8 00 2C"},
        ElementCase{"negative octet", "<PROFINET_IP4>-1</PROFINET_IP4>", 40, "C0 A8 00 FF"},
        ElementCase{"hexadecimal octets", "<PROFINET_IP1>$0A</PROFINET_IP1><PROFINET_IP2>0x14</PROFINET_IP2><PROFINET_IP3> 7</PROFINET_IP3>",
                    40, "0A 14 07 05"},
        ElementCase{"text, blank, overflow and trailing blank take the default",
                    "<OPC_UA_Server_IP1>abc</OPC_UA_Server_IP1><OPC_UA_Server_IP2/><OPC_UA_Server_IP3>99999999999</OPC_UA_Server_IP3>"
                    "<OPC_UA_Server_IP4>7 </OPC_UA_Server_IP4>",
                    388, "C0 A8 00 0A"},
        ElementCase{"DHCP on cable", "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>", 1256, "01 00"},
        ElementCase{"DHCP on both", "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>", 1256,
                    "03 00"},
        ElementCase{"a flag of 1 with a blank is not set", "<Eth_Conn_DHCP_Cable>1 </Eth_Conn_DHCP_Cable>", 1256, "00 00"},
        ElementCase{"tunnelling port keeps its low 16 bits", "<PROFINET_PORT>70000</PROFINET_PORT>", 104, "70 11"},
        ElementCase{"byte counts are 32 bits", "<PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>-1</PROFINET_NB_OUT>", 116,
                    "64 00 00 00 FF FF FF FF"},
        ElementCase{"the first of two elements counts", "<PROFINET_IP1>1</PROFINET_IP1><PROFINET_IP1>2</PROFINET_IP1>", 40,
                    "01 A8 00 05"}),
    [](const ::testing::TestParamInfo<ElementCase> &info) {
        std::string name;
        for (const char *p = info.param.label; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

// Readers take the document's first node as the root, whatever its name (a
// byte-order mark is no node); when that node is a declaration or a comment,
// nothing is found and the element defaults apply, but the file is still there,
// so the version is written.
TEST_F(BankCompile, TheParameterRootIsTheFirstNode)
{
    const struct
    {
        const char *file;
        const char *profinetIp;
    } cases[] = {
        {"<Other><PROFINET_IP1>10</PROFINET_IP1></Other>", "0A A8 00 05"},
        {"<?xml version=\"1.0\"?><Par_Gen><PROFINET_IP1>10</PROFINET_IP1></Par_Gen>", "C0 A8 00 05"},
        {"<!--note--><Par_Gen><PROFINET_IP1>10</PROFINET_IP1></Par_Gen>", "C0 A8 00 05"},
        {"\xEF\xBB\xBF<Par_Gen><PROFINET_IP1>10</PROFINET_IP1></Par_Gen>", "0A A8 00 05"},
    };
    for (const auto &c : cases) {
        write(QStringLiteral("ParGen.xml"), c.file);
        const QByteArray b = compile().bank1;
        EXPECT_EQ(b.mid(40, 4), hexBytes(c.profinetIp)) << c.file;
        EXPECT_EQ(b.mid(1644, 6), QByteArray("1.003\0", 6)) << c.file;
    }
}

TEST_F(BankCompile, TheExampleConfigurationGivesThe61ByteBank)
{
    copyExample();
    const QByteArray expected = hexBytes("E8 12 02 00 10 00 08 00 31 00 08 00 E8 03 00 00"
                                         "03 00 00 00 02 00 01 00 00 00 11 00 3A 00 08 00"
                                         "09 00 00 00 04 00 01 00 00 00 00 00 30 00 08 00"
                                         "00 31 30 2E 30 2E 30 2E 31 00 54 31 00");
    const BankImages images = compile();
    EXPECT_EQ(images.bank2.toHex(' '), expected.toHex(' '));
    EXPECT_EQ(images.bank1.mid(80, 10), QByteArray("line-a-io\0", 10));
    EXPECT_EQ(images.bank1.mid(1300, 7), QByteArray("line-a\0", 7));
}

// One record per enabled entry, in file order, with the attribute rules.
TEST_F(BankCompile, VariableRecordsFollowTheAttributeRules)
{
    const struct
    {
        const char *label;
        const char *row;
        const char *record; // VarType Position Length BitStart Options, without the name address
    } cases[] = {
        {"defaults", "<row Enable=\"Y\"/>", "00 00 00 00 00 00 01 00 00 00 00 00"},
        {"non-numbers take the defaults", "<row Enable=\"Y\" Position=\"x\" Length=\"ten\" StartBit=\"\"/>",
         "00 00 00 00 00 00 01 00 00 00 00 00"},
        {"numbers", "<row Enable=\"Y\" Type=\"UInt32\" Position=\"$10\" Length=\"4\" StartBit=\"7\"/>",
         "06 00 00 00 10 00 04 00 07 00 00 00"},
        {"low 16 bits", "<row Enable=\"Y\" Position=\"70000\" Length=\"-1\"/>", "00 00 00 00 70 11 FF FF 00 00 00 00"},
        {"type names are exact", "<row Enable=\"Y\" Type=\"int16\"/>", "00 00 00 00 00 00 01 00 00 00 00 00"},
        {"read/write and swaps", "<row Enable=\"Y\" ReadWrite=\"Read/Write\" Swap=\"Y\" SwapWord=\"y\" SwapAll=\"Y\"/>",
         "00 00 00 00 00 00 01 00 00 00 71 00"},
        {"other texts set no option", "<row Enable=\"Y\" ReadWrite=\"read/write\" Swap=\"yes\" SwapWord=\"1\" SwapAll=\"N\"/>",
         "00 00 00 00 00 00 01 00 00 00 00 00"},
    };
    for (const auto &c : cases) {
        writeVariables(c.row);
        const QByteArray b = compile().bank2;
        ASSERT_GE(b.size(), 33) << c.label;
        EXPECT_EQ(b.mid(16, 12).toHex(' '), hexBytes(c.record).toHex(' ')) << c.label;
    }
}

TEST_F(BankCompile, TypeNamesGiveTheDeviceCodes)
{
    const std::pair<const char *, quint32> cases[] = {
        {"Boolean", 0}, {"Signed Byte", 1}, {"Byte", 2},    {"Int16", 3},     {"UInt16", 4},
        {"Int32", 5},   {"UInt32", 6},      {"Int64", 7},   {"UInt64", 8},    {"Float", 9},
        {"Double", 10}, {"String", 11},     {"ByteString", 14}, {"", 0},      {"Int8", 0},
        {"BOOLEAN", 0}, {"Double ", 0},
    };
    for (const auto &[name, code] : cases)
        EXPECT_EQ(Get_Var_Type_Code(QLatin1String(name)), code) << name;
}

// Disabled entries take no record; unnamed ones share the zero byte after the
// records; names follow in record order.
TEST_F(BankCompile, DisabledEntriesLeaveNoGapAndUnnamedOnesShareTheZeroByte)
{
    writeVariables("<row Enable=\"Y\" Type=\"Byte\" Position=\"1\"/>"
                   "<row Enable=\"N\" Type=\"Byte\" Position=\"2\" Name=\"off\"/>"
                   "<row Enable=\"y\" Type=\"Byte\" Position=\"3\" Name=\"lower\"/>"
                   "<other Enable=\"Y\" Type=\"Byte\" Position=\"4\" Name=\"A\"/>"
                   "<row Enable=\"Y\" Type=\"Byte\" Position=\"5\" Name=\"\"/>");
    const QByteArray b = compile().bank2;
    // 3 records; E = 0x80010 + 48 = 0x80040; "A" at 0x80041.
    expectBytes(b, {
                       {0, "E8 12 03 00"},  // three records
                       {8, "40 00 08 00"},  // no NTP text: E
                       {20, "01 00"},       // positions 1, 4, 5
                       {36, "04 00"},
                       {52, "05 00"},
                       {28, "40 00 08 00"}, // unnamed: E
                       {44, "41 00 08 00"}, // "A" after E
                       {60, "40 00 08 00"}, // unnamed: E
                   });
    EXPECT_EQ(b.mid(64), hexBytes("00 41 00"));
}

// The variable file's root is looked up by name among the top-level nodes.
TEST_F(BankCompile, TheVariableRootIsFoundByName)
{
    write(QStringLiteral("OPC_UA_Server.xml"),
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- exported -->\n<OPC_UA_Server><OPC_UA_Server_Variables>"
          "<row Enable=\"Y\" Name=\"\xCE\xA9\x31\"/></OPC_UA_Server_Variables></OPC_UA_Server>");
    const QByteArray b = compile().bank2;
    EXPECT_EQ(b.mid(2, 2), hexBytes("01 00"));
    EXPECT_EQ(b.mid(32), hexBytes("00 A9 31 00")); // a name beyond U+00FF keeps the low 8 bits
}

TEST_F(BankCompile, RecompilingGivesIdenticalBytes)
{
    copyExample();
    QString error;
    const BankImages first = compile();
    ASSERT_TRUE(Save_Bin_Banks(conf, first, &error)) << error.toStdString();
    const QByteArray saved1 = bank(1), saved2 = bank(2);
    const BankImages second = compile();
    ASSERT_TRUE(Save_Bin_Banks(conf, second, &error)) << error.toStdString();
    EXPECT_EQ(saved1, first.bank1);
    EXPECT_EQ(saved2, first.bank2);
    EXPECT_EQ(bank(1), saved1);
    EXPECT_EQ(bank(2), saved2);
}

// 250 variables with 500-character names fit (129,267 bytes); 520 characters
// do not, and nothing is written.
TEST_F(BankCompile, AnImageBeyondTheDeviceIsRefused)
{
    const auto rows = [](int nameLength) {
        QByteArray all;
        for (int i = 0; i < 250; ++i)
            all += "<row Enable=\"Y\" Type=\"String\" Name=\"" + QByteArray(nameLength, char('a' + i % 26)) + "\"/>";
        return all;
    };
    writeVariables(rows(500));
    const QByteArray fits = compile().bank2;
    EXPECT_EQ(fits.size(), 16 + 250 * 16 + 1 + 250 * 501);
    EXPECT_EQ(u32At(fits, 16 + 249 * 16 + 12), 0x80000u + 16 + 4000 + 1 + 249 * 501);

    saveOldBanks();
    writeVariables(rows(520));
    const QString error = compileError(CompileFailure::Refused);
    EXPECT_TRUE(error.contains(QLatin1String("134267 bytes"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String("3195 bytes more than the 131072"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String("250 enabled variables"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String("130250 bytes of names"))) << error.toStdString();
    expectOldBanks();
}

// Files the compile cannot use stop it with a message naming the file; the banks
// written before stay as they were.
TEST_F(BankCompile, UnusableProjectFilesStopTheCompile)
{
    const struct
    {
        const char *file;
        const char *content;
        const char *says;
    } cases[] = {
        {"ParGen.xml", "<Par_Gen>\n<PROFINET_IP1>1</PROFINET_IP2></Par_Gen>", "(line 2, column "},
        {"OPC_UA_Server.xml", "<OPC_UA_Server><OPC_UA_Server_Variables><row Enable=\"Y></OPC_UA_Server>", "(line 1, column "},
        {"OPC_UA_Server.xml", "<Par_Gen/>", "no OPC_UA_Server element"},
        {"OPC_UA_Server.xml", "<OPC_UA_Server><Variables/></OPC_UA_Server>", "no OPC_UA_Server_Variables element"},
    };
    saveOldBanks();
    for (const auto &c : cases) {
        QFile::remove(path(QStringLiteral("ParGen.xml")));
        QFile::remove(path(QStringLiteral("OPC_UA_Server.xml")));
        write(QLatin1String(c.file), c.content);
        const QString error = compileError(CompileFailure::FileUnreadable);
        EXPECT_TRUE(error.startsWith(path(QLatin1String(c.file)))) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.says))) << error.toStdString();
    }
    expectOldBanks();
}

TEST_F(BankCompile, SavingCreatesAMissingBinFolder)
{
    QDir(path(QStringLiteral("bin"))).removeRecursively();
    QString error;
    const BankImages images = compile();
    ASSERT_TRUE(Save_Bin_Banks(conf, images, &error)) << error.toStdString();
    EXPECT_EQ(bank(1), images.bank1);
    EXPECT_EQ(bank(2), images.bank2);
}

// A folder where a bank file should go: nothing is replaced, the other bank keeps
// its old content, and the reason names the file.
TEST_F(BankCompile, ABankThatCannotBeWrittenLeavesBothAsTheyWere)
{
    for (const char *blocked : {"bank1.bin", "bank2.bin"}) {
        QDir(path(QStringLiteral("bin"))).removeRecursively();
        saveOldBanks();
        const QString target = path(QStringLiteral("bin/") + QLatin1String(blocked));
        QFile::remove(target);
        QDir().mkpath(target);
        QString error;
        EXPECT_FALSE(Save_Bin_Banks(conf, compile(), &error));
        EXPECT_TRUE(error.contains(target)) << error.toStdString();
        const QString other = QLatin1String(blocked) == QLatin1String("bank1.bin") ? QStringLiteral("bin/bank2.bin")
                                                                                   : QStringLiteral("bin/bank1.bin");
        EXPECT_TRUE(TestFolders::readFile(path(other)).startsWith("old ")) << blocked;
        EXPECT_EQ(QDir(path(QStringLiteral("bin"))).entryList(QDir::Files | QDir::Hidden).size(), 1) << blocked;
    }
}

TEST_F(BankCompile, AConfigurationFolderThatIsGoneIsReported)
{
    const BankImages images = compile();
    QDir(conf).removeRecursively();
    QString error;
    EXPECT_FALSE(Save_Bin_Banks(conf, images, &error));
    EXPECT_TRUE(error.contains(QLatin1String("bin"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(conf));
}

} // namespace
