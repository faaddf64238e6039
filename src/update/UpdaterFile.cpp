#include "update/UpdaterFile.h"

#include "app/AppState.h"
#include "common/SafeFile.h"
#include "common/XmlWriter.h"

#include <QDir>

namespace {

// What tells the three kinds of operation apart; everything else is the same in all.
struct Operation
{
    QString fileName;
    const char *startAddress;
    const char *bankType;
    const char *writeCss;
    bool goToAppAfter;
};

QString nativePath(const QString &folder, const QString &relative)
{
    return QDir::toNativeSeparators(QDir(folder).filePath(relative));
}

void writeOperation(XmlWriter &xml, const Operation &op, bool readBack)
{
    const QString no = QStringLiteral("0");
    xml.startElement(QStringLiteral("Operation"));
    xml.textElement(QStringLiteral("Ope_Protection_Enabled"), QString());
    xml.textElement(QStringLiteral("Ope_GoToBoot_Before"), no);
    xml.textElement(QStringLiteral("Ope_GoToApp_Before"), no);
    xml.textElement(QStringLiteral("Ope_IP_Address"), QString());
    xml.textElement(QStringLiteral("Ope_Port"), QStringLiteral("2008"));
    xml.textElement(QStringLiteral("Ope_Port_Sec"), QStringLiteral("2007"));
    xml.textElement(QStringLiteral("Ope_Erase_Memory"), no);
    xml.textElement(QStringLiteral("Ope_FileName"), op.fileName);
    xml.textElement(QStringLiteral("Ope_Start_Address"), QLatin1String(op.startAddress));
    xml.textElement(QStringLiteral("Ope_Memory_Type"), no);
    xml.textElement(QStringLiteral("Ope_Bank_Type"), QLatin1String(op.bankType));
    xml.textElement(QStringLiteral("Ope_Read_Back"), readBack ? QStringLiteral("1") : no);
    xml.textElement(QStringLiteral("Ope_Write_CSS"), QLatin1String(op.writeCss));
    xml.textElement(QStringLiteral("Ope_Address_CSS"), QStringLiteral("0x07A00"));
    xml.textElement(QStringLiteral("Ope_Command_CSS"), QStringLiteral("0x02"));
    xml.textElement(QStringLiteral("Ope_Write_Internal_Data"), no);
    xml.textElement(QStringLiteral("Ope_WID_Address"), QStringLiteral("0x07810"));
    xml.textElement(QStringLiteral("Ope_WID_Command"), QStringLiteral("0x02"));
    xml.textElement(QStringLiteral("Ope_WID_Data"), QStringLiteral("0x00, 0x00, 0x00, 0x01"));
    xml.textElement(QStringLiteral("Ope_GoToApp_After"), op.goToAppAfter ? QStringLiteral("1") : no);
    xml.endElement();
}

} // namespace

QString updaterProgramPath(const QString &Exe_Folder)
{
#ifdef Q_OS_WIN
    return nativePath(Exe_Folder, QStringLiteral("Ethernet_Update.exe"));
#else
    return nativePath(Exe_Folder, QStringLiteral("Ethernet_Update"));
#endif
}

QString updaterParameterPath(const QString &Exe_Folder)
{
    return nativePath(Exe_Folder, QStringLiteral("Ethernet_Update.xml"));
}

QByteArray updaterParameters(const QString &IP_Address, int optionIndex, bool readBack, const QString &Master_Folder,
                             const QString &Conf_Folder, QString *error)
{
    XmlWriter xml;
    xml.startElement(QStringLiteral("Ethernet_Update"));
    xml.textElement(QStringLiteral("Version"), QStringLiteral("1000"));
    xml.textElement(QStringLiteral("Title"), QStringLiteral("Korvell - CFX4410 Ethernet Update"));
    xml.textElement(QStringLiteral("IP_Address_Dev"), IP_Address);
    xml.textElement(QStringLiteral("Application_Port"), QStringLiteral("10000"));
    xml.textElement(QStringLiteral("Boot_Port"), QStringLiteral("2008"));
    xml.textElement(QStringLiteral("Boot_Port_Sec"), QStringLiteral("2007"));
    xml.textElement(QStringLiteral("Address_Protection"), QStringLiteral("0x07800"));
    xml.startElement(QStringLiteral("Protections"));
    xml.textElement(QStringLiteral("Protection"), QStringLiteral("0x2B9"));
    xml.endElement();

    xml.startElement(QStringLiteral("Operations"));
    if (optionIndex == FirmwareAndConfiguration || optionIndex == FirmwareOnly)
        writeOperation(xml,
                       {nativePath(Master_Folder, QStringLiteral("SimX4410.sim")), "0x8000", "1", "1",
                        optionIndex == FirmwareOnly},
                       readBack);
    if (optionIndex == FirmwareAndConfiguration || optionIndex == ConfigurationOnly) {
        writeOperation(xml, {nativePath(Conf_Folder, QStringLiteral("bin/bank1.bin")), "0x07000", "2", "0", false},
                       readBack);
        writeOperation(xml, {nativePath(Conf_Folder, QStringLiteral("bin/bank2.bin")), "0x80000", "2", "0", true},
                       readBack);
    }
    xml.endElement();
    xml.endElement();

    return xml.finish(error);
}

bool Compile_XML_Parameter_New_Boot(const AppState &state, const QString &IP_Address, int optionIndex,
                                    bool readBack, QString *error)
{
    const QByteArray content =
        updaterParameters(IP_Address, optionIndex, readBack, state.Master_Folder, state.Conf_Folder, error);
    return !content.isEmpty() && writeFileSafely(updaterParameterPath(state.Exe_Folder), content, error);
}
