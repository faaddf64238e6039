#include "update/UpdaterFile.h"

#include "common/XmlTree.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>

#include <map>
#include <vector>

namespace {

QString native(const QString &folder, const char *relative)
{
    return QDir::toNativeSeparators(QDir(folder).filePath(QLatin1String(relative)));
}

// The operations of a parameter file, each as its children's texts by name.
std::vector<std::map<QString, QString>> operationsOf(const QByteArray &content)
{
    const XmlLoadResult parsed = parseXml(content);
    EXPECT_TRUE(parsed.ok) << parsed.message.toStdString();
    std::vector<std::map<QString, QString>> operations;
    if (!parsed.ok)
        return operations;
    for (const XmlNode *op : parsed.document.firstNode()->child(u"Operations")->childElements()) {
        std::map<QString, QString> texts;
        for (const XmlNode *child : op->childElements())
            texts[child->name] = child->text();
        operations.push_back(texts);
    }
    return operations;
}

} // namespace

TEST(UpdaterFile, WritesEveryElementInOrder)
{
    TestFolders folders;
    const QString conf = folders.makeConfiguration(QStringLiteral("Line A"));
    QString error;
    ASSERT_TRUE(Compile_XML_Parameter_New_Boot(folders.state, QStringLiteral("192.168.0.10"), FirmwareAndConfiguration,
                                               true, &error))
        << error.toStdString();

    QString expected = QString::fromUtf8(TestFolders::readFile(QStringLiteral(TESSERA_TEST_DATA "/Ethernet_Update_full.xml")));
    expected.replace(QRegularExpression(QStringLiteral(">\\s+<")), QStringLiteral("><"));
    expected = expected.trimmed();
    expected.replace(QStringLiteral("@FIRMWARE@"), native(folders.state.Master_Folder, "SimX4410.sim"));
    expected.replace(QStringLiteral("@BANK1@"), native(conf, "bin/bank1.bin"));
    expected.replace(QStringLiteral("@BANK2@"), native(conf, "bin/bank2.bin"));

    const QByteArray written = TestFolders::readFile(folders.path(QStringLiteral("Ethernet_Update.xml")));
    EXPECT_EQ(QString::fromUtf8(written), expected);
    EXPECT_TRUE(QDir::isAbsolutePath(native(conf, "bin/bank1.bin")));
}

TEST(UpdaterFile, OperationsFollowTheOption)
{
    struct Operation
    {
        const char *fileName, *startAddress, *writeCss, *goToAppAfter;
    };
    const Operation firmware{"SimX4410.sim", "0x8000", "1", "0"};
    const Operation firmwareOnly{"SimX4410.sim", "0x8000", "1", "1"};
    const Operation bank1{"bank1.bin", "0x07000", "0", "0"};
    const Operation bank2{"bank2.bin", "0x80000", "0", "1"};
    const struct
    {
        int option;
        bool readBack;
        std::vector<Operation> operations;
    } cases[] = {
        {FirmwareAndConfiguration, true, {firmware, bank1, bank2}},
        {FirmwareOnly, true, {firmwareOnly}},
        {FirmwareOnly, false, {firmwareOnly}},
        {ConfigurationOnly, false, {bank1, bank2}},
        {NoOption, true, {}},
        {7, true, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "option " << c.option << " read back " << c.readBack);
        QString error;
        const QByteArray content =
            updaterParameters(QStringLiteral(" 192.168.000.010"), c.option, c.readBack, QStringLiteral("/tool/MASTER"),
                              QStringLiteral("/tool/PROJECTS/Line A"), &error);
        ASSERT_FALSE(content.isEmpty()) << error.toStdString();
        EXPECT_TRUE(content.contains("<IP_Address_Dev> 192.168.000.010</IP_Address_Dev>"));
        if (c.option == NoOption) {
            EXPECT_TRUE(content.contains("<Operations/>"));
        }
        const auto operations = operationsOf(content);
        ASSERT_EQ(operations.size(), c.operations.size());
        for (size_t i = 0; i < operations.size(); ++i) {
            const auto &op = operations[i];
            EXPECT_TRUE(op.at(QStringLiteral("Ope_FileName")).endsWith(QLatin1String(c.operations[i].fileName)));
            EXPECT_EQ(op.at(QStringLiteral("Ope_Start_Address")), QLatin1String(c.operations[i].startAddress));
            EXPECT_EQ(op.at(QStringLiteral("Ope_Write_CSS")), QLatin1String(c.operations[i].writeCss));
            EXPECT_EQ(op.at(QStringLiteral("Ope_GoToApp_After")), QLatin1String(c.operations[i].goToAppAfter));
            EXPECT_EQ(op.at(QStringLiteral("Ope_Read_Back")), c.readBack ? QStringLiteral("1") : QStringLiteral("0"));
        }
    }
}

TEST(UpdaterFile, ASecondWriteReplacesTheFirst)
{
    TestFolders folders;
    folders.makeConfiguration(QStringLiteral("Line A"));
    const QString path = folders.path(QStringLiteral("Ethernet_Update.xml"));
    QString error;
    ASSERT_TRUE(Compile_XML_Parameter_New_Boot(folders.state, QStringLiteral("10.0.0.1"), FirmwareAndConfiguration,
                                               true, &error));
    ASSERT_TRUE(Compile_XML_Parameter_New_Boot(folders.state, QStringLiteral("10.0.0.2"), ConfigurationOnly, false,
                                               &error));
    const QByteArray written = TestFolders::readFile(path);
    EXPECT_EQ(written, updaterParameters(QStringLiteral("10.0.0.2"), ConfigurationOnly, false,
                                         folders.state.Master_Folder, folders.state.Conf_Folder, &error));
    EXPECT_EQ(written.count("<Operation>"), 2);

    // A text that XML cannot hold: nothing is written, the last file stays.
    EXPECT_FALSE(Compile_XML_Parameter_New_Boot(folders.state, QStringLiteral("10.0.0.\x01"), FirmwareOnly, true,
                                                &error));
    EXPECT_TRUE(error.contains(QLatin1String("IP_Address_Dev"))) << error.toStdString();
    EXPECT_EQ(TestFolders::readFile(path), written);
}

TEST(UpdaterFile, ReportsAFileThatCannotBeWritten)
{
    TestFolders folders;
    folders.makeConfiguration(QStringLiteral("Line A"));
    const QString path = folders.path(QStringLiteral("Ethernet_Update.xml"));
    ASSERT_TRUE(QDir().mkdir(path));
    QString error;
    EXPECT_FALSE(Compile_XML_Parameter_New_Boot(folders.state, QStringLiteral("10.0.0.1"), FirmwareOnly, true, &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
}
