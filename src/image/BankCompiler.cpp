#include "image/BankCompiler.h"

#include "common/Product.h"
#include "common/SafeFile.h"
#include "common/TextToInt.h"
#include "common/XmlTree.h"
#include "lang/LangTable.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <optional>

namespace {

void putU16(quint8 *at, quint16 value) { qToLittleEndian(value, at); }
void putU32(quint8 *at, quint32 value) { qToLittleEndian(value, at); }

void putIp(TPar_Gen_Bank &bank, int offset, const std::array<int, 4> &octets)
{
    for (int i = 0; i < 4; ++i)
        bank.bytes[offset + i] = quint8(octets[i]); // the low 8 bits
}

// A text goes in one byte per UTF-16 unit (its low 8 bits), at most maxChars of
// them; the rest of the field is zero.
void putText(TPar_Gen_Bank &bank, int offset, int fieldSize, const QString &text, int maxChars)
{
    std::fill_n(bank.bytes.begin() + offset, fieldSize, quint8(0));
    const qsizetype n = std::min<qsizetype>(text.size(), maxChars);
    for (qsizetype i = 0; i < n; ++i)
        bank.bytes[offset + i] = quint8(text.at(i).unicode());
}

void appendText(QByteArray &buffer, qsizetype &position, const QString &text)
{
    for (const QChar c : text)
        buffer[position++] = char(quint8(c.unicode()));
    buffer[position++] = 0;
}

// A text's share of the variable bank: its bytes and the zero after them; an empty
// text uses the shared zero byte and takes nothing of its own.
qsizetype textSpan(const QString &text) { return text.isEmpty() ? 0 : text.size() + 1; }

// The elements of one parameter file, each looked up by name below the document's
// first node and read with the default of its own rule.
class ParGenReader
{
public:
    explicit ParGenReader(const XmlNode *root)
        : m_root(root)
    {
    }

    std::optional<QString> text(const char *name) const
    {
        if (const XmlNode *e = m_root->child(QString::fromLatin1(name)))
            return e->text();
        return std::nullopt;
    }
    QString text(const char *name, const QString &missing) const { return text(name).value_or(missing); }
    bool flag(const char *name) const { return text(name) == QStringLiteral("1"); }
    int integer(const char *name, int fallback) const
    {
        const std::optional<QString> t = text(name);
        return t ? textToInt(*t, fallback) : fallback;
    }
    // Four elements name1 … name4, one per octet.
    std::array<int, 4> address(const char *prefix, const std::array<int, 4> &fallback) const
    {
        std::array<int, 4> result{};
        for (int i = 0; i < 4; ++i)
            result[i] = integer(QByteArray(prefix).append(char('1' + i)).constData(), fallback[i]);
        return result;
    }

private:
    const XmlNode *m_root;
};

const std::array<int, 4> NoGateway = {255, 255, 255, 255};

} // namespace

void Default_Bank1(TPar_Gen_Bank &bank)
{
    bank.bytes.fill(0);
    quint8 *b = bank.bytes.data();
    putU32(b + Bank1::Fixed_0, 250000);
    putU32(b + Bank1::Fixed_4, 250000);
    putU32(b + Bank1::Fixed_12, 9600);
    putIp(bank, Bank1::Profinet_IP, {192, 168, 2, 205});
    putIp(bank, Bank1::Profinet_SM, {255, 255, 255, 0});
    putIp(bank, Bank1::Profinet_GAT, NoGateway);
    putU16(b + Bank1::Fixed_52, 10000);
    putU16(b + Bank1::Fixed_54, 10001);
    putU16(b + Bank1::Fixed_56, 10001);
    std::fill_n(bank.bytes.begin() + Bank1::Fixed_436, Bank1::Fixed_436_Size, quint8(8));
}

void Set_SW_Version(TPar_Gen_Bank &bank)
{
    putText(bank, Bank1::Version, Bank1::Version_Size, Product::SW_Version, Bank1::Version_Size);
}

bool Load_Par_Gen(const QString &File_ParGen, TPar_Gen_Bank &bank, TOPC_UA_Server &server, QString *error)
{
    if (!QFileInfo::exists(File_ParGen))
        return true;
    const XmlLoadResult loaded = loadXmlFile(File_ParGen);
    if (!loaded.ok) {
        *error = loaded.errorText(File_ParGen);
        return false;
    }
    // The document's first node is the root; when it is a declaration or a comment
    // nothing is found below it and every element takes its default.
    const XmlNode *first = loaded.document.firstNode();
    XmlNode empty;
    const ParGenReader par(first ? first : &empty);
    quint8 *b = bank.bytes.data();

    Set_SW_Version(bank);

    putText(bank, Bank1::Device_Name, Bank1::Device_Name_Size, par.text("Eth_Conn_Device_Name", QString()),
            Bank1::Device_Name_Size - 1);

    quint16 flags = 0;
    if (par.flag("Eth_Conn_DHCP_Cable"))
        flags |= 0x0001;
    if (par.flag("Eth_Conn_DHCP_WiFi"))
        flags |= 0x0002;
    putU16(b + Bank1::Address_Flags, flags);

    if (par.flag("Eth_Conn_Enable_DNS")) {
        putIp(bank, Bank1::Primary_DNS, par.address("Eth_Conn_Primary_DNS", {8, 8, 8, 8}));
        putIp(bank, Bank1::Secondary_DNS, par.address("Eth_Conn_Secondary_DNS", {8, 8, 4, 4}));
    }

    putIp(bank, Bank1::OPC_UA_IP, par.address("OPC_UA_Server_IP", {192, 168, 0, 10}));
    putIp(bank, Bank1::OPC_UA_SM, par.address("OPC_UA_Server_SM", {255, 255, 255, 0}));
    putIp(bank, Bank1::OPC_UA_GAT, par.address("OPC_UA_Server_GAT", {192, 168, 0, 1}));
    if (!par.flag("OPC_UA_Server_EN_GAT"))
        putIp(bank, Bank1::OPC_UA_GAT, NoGateway);

    server.Port = quint16(par.integer("OPC_UA_Server_Port", 4840));

    quint32 resetTime = 0;
    if (par.flag("OPC_UA_Server_Reset_Inactivity"))
        resetTime = quint32(par.integer("OPC_UA_Server_Reset_Inactivity_Time", 0)) * 60000u; // minutes to ms
    putU32(b + Bank1::Reset_Time, resetTime);

    server.NTP = par.text("NTP_Server_URL", QString());
    server.NTP_Time = quint32(par.integer("NTP_Poll_Time", 1000));

    putIp(bank, Bank1::Profinet_IP, par.address("PROFINET_IP", {192, 168, 0, 5}));
    putIp(bank, Bank1::Profinet_SM, par.address("PROFINET_SM", {255, 255, 255, 0}));
    putIp(bank, Bank1::Profinet_GAT, par.address("PROFINET_GAT", {192, 168, 0, 1}));
    if (!par.flag("PROFINET_EN_GAT"))
        putIp(bank, Bank1::Profinet_GAT, NoGateway);

    putU16(b + Bank1::Profinet_Port, quint16(par.integer("PROFINET_PORT", 2000)));
    // The field holds 16 bytes; a longer name keeps its first 15 and the zero.
    putText(bank, Bank1::Station_Name, Bank1::Station_Name_Size,
            par.text("PROFINET_NAME_STA", QStringLiteral("devicename1")), Bank1::Station_Name_Size - 1);
    putU32(b + Bank1::Profinet_NB_IN, quint32(par.integer("PROFINET_NB_IN", 1438)));
    putU32(b + Bank1::Profinet_NB_OUT, quint32(par.integer("PROFINET_NB_OUT", 1438)));
    return true;
}

qsizetype Build_Bank1_Image(TPar_Gen_Bank &bank, QByteArray &buffer, qsizetype position)
{
    quint32 sum = 0;
    for (int i = 0; i < Bank1::Checksum; ++i)
        sum += bank.bytes[i];
    putU32(bank.bytes.data() + Bank1::Checksum, sum);
    if (buffer.size() < position + Bank1::Size)
        buffer.resize(position + Bank1::Size);
    std::copy(bank.bytes.begin(), bank.bytes.end(), buffer.begin() + position);
    return position + Bank1::Size;
}

void Default_OPC_UA_Server(TOPC_UA_Server &server)
{
    server = TOPC_UA_Server();
    server.Port = 4840;
    server.NTP_Time = 10;
}

quint32 Get_Var_Type_Code(const QString &typeName)
{
    for (const Bank2::TypeCode &t : Bank2::TypeCodes)
        if (typeName == QLatin1String(t.name))
            return t.code;
    return 0;
}

bool Load_OPC_UA_Variables(const QString &File_OPC_UA_Server, const LangTable &texts, quint32 base,
                           TOPC_UA_Server &server, QString *error)
{
    server.Variables.clear();
    if (QFileInfo::exists(File_OPC_UA_Server)) {
        const XmlLoadResult loaded = loadXmlFile(File_OPC_UA_Server);
        if (!loaded.ok) {
            *error = loaded.errorText(File_OPC_UA_Server);
            return false;
        }
        const XmlNode *root = loaded.document.topLevelElement(u"OPC_UA_Server");
        if (!root) {
            *error = texts.text(28).arg(File_OPC_UA_Server);
            return false;
        }
        const XmlNode *list = root->child(u"OPC_UA_Server_Variables");
        if (!list) {
            *error = texts.text(29).arg(File_OPC_UA_Server);
            return false;
        }
        const std::vector<const XmlNode *> entries = list->childElements();
        for (const XmlNode *entry : entries) {
            if (entry->attribute(u"Enable") != QStringLiteral("Y"))
                continue;
            const auto integer = [entry](QStringView name, int fallback) {
                const std::optional<QString> t = entry->attribute(name);
                return quint16(t ? textToInt(*t, fallback) : fallback); // the low 16 bits
            };
            const auto isY = [entry](QStringView name) {
                return entry->attribute(name).value_or(QString()).toUpper() == QStringLiteral("Y");
            };
            TOPC_UA_Var v;
            v.VarType = Get_Var_Type_Code(entry->attribute(u"Type").value_or(QString()));
            v.Position = integer(u"Position", 0);
            v.BitStart = integer(u"StartBit", 0);
            v.Length = integer(u"Length", 1);
            if (entry->attribute(u"ReadWrite") == QStringLiteral("Read/Write"))
                v.Options |= Bank2::Option_ReadWrite;
            if (isY(u"Swap"))
                v.Options |= Bank2::Option_Swap;
            if (isY(u"SwapWord"))
                v.Options |= Bank2::Option_SwapWord;
            if (isY(u"SwapAll"))
                v.Options |= Bank2::Option_SwapAll;
            v.Name = entry->attribute(u"Name").value_or(QString());
            server.Variables.push_back(std::move(v));
        }
    }
    server.Num_Var = quint16(server.Variables.size());

    // The texts follow the records and the shared zero byte, in the order they
    // are written: the NTP text first, then the names.
    const quint32 n = quint32(server.Variables.size());
    server.Add_Num_Var = base + Bank2::HeaderSize;
    const quint32 zeroByte = base + Bank2::HeaderSize + Bank2::RecordSize * n;
    quint32 next = zeroByte + 1;
    server.Add_NTP = server.NTP.isEmpty() ? zeroByte : next;
    next += quint32(textSpan(server.NTP));
    for (TOPC_UA_Var &v : server.Variables) {
        v.Add_Name = v.Name.isEmpty() ? zeroByte : next;
        next += quint32(textSpan(v.Name));
    }
    return true;
}

qsizetype Bank2_Image_Length(const TOPC_UA_Server &server)
{
    qsizetype length = Bank2::HeaderSize + Bank2::RecordSize * qsizetype(server.Variables.size()) + 1
                       + textSpan(server.NTP);
    for (const TOPC_UA_Var &v : server.Variables)
        length += textSpan(v.Name);
    return length;
}

qsizetype Build_Bank2_Image(const TOPC_UA_Server &server, QByteArray &buffer, qsizetype position)
{
    const qsizetype end = position + Bank2_Image_Length(server);
    if (buffer.size() < end)
        buffer.resize(end);
    auto *at = reinterpret_cast<quint8 *>(buffer.data()) + position;
    putU16(at + Bank2::Port, server.Port);
    putU16(at + Bank2::Num_Var, server.Num_Var);
    putU32(at + Bank2::Add_Num_Var, server.Add_Num_Var);
    putU32(at + Bank2::Add_NTP, server.Add_NTP);
    putU32(at + Bank2::NTP_Time, server.NTP_Time);
    at += Bank2::HeaderSize;
    for (const TOPC_UA_Var &v : server.Variables) {
        putU32(at + Bank2::VarType, v.VarType);
        putU16(at + Bank2::Position, v.Position);
        putU16(at + Bank2::Length, v.Length);
        putU16(at + Bank2::BitStart, v.BitStart);
        putU16(at + Bank2::Options, v.Options);
        putU32(at + Bank2::Add_Name, v.Add_Name);
        at += Bank2::RecordSize;
    }
    position += Bank2::HeaderSize + Bank2::RecordSize * qsizetype(server.Variables.size());
    buffer[position++] = 0; // the shared empty text
    if (!server.NTP.isEmpty())
        appendText(buffer, position, server.NTP);
    for (const TOPC_UA_Var &v : server.Variables)
        if (!v.Name.isEmpty())
            appendText(buffer, position, v.Name);
    return position;
}

bool Compile_Bin_Banks(const QString &Conf_Folder, const LangTable &texts, BankImages *images, QString *error,
                       CompileFailure *failure)
{
    const auto fail = [&](CompileFailure kind) {
        if (failure)
            *failure = kind;
        return false;
    };
    if (failure)
        *failure = CompileFailure::None;
    if (Conf_Folder.isEmpty()) {
        *error = texts.text(30);
        return fail(CompileFailure::FileUnreadable);
    }
    const QDir folder(Conf_Folder);
    TPar_Gen_Bank bank;
    TOPC_UA_Server server;

    Default_Bank1(bank);
    Default_OPC_UA_Server(server);
    if (!Load_Par_Gen(QDir::toNativeSeparators(folder.filePath(QStringLiteral("ParGen.xml"))), bank, server, error))
        return fail(CompileFailure::FileUnreadable);
    putU32(bank.bytes.data() + Bank1::Bank2_Address, Bank2::Base);
    if (!Load_OPC_UA_Variables(QDir::toNativeSeparators(folder.filePath(QStringLiteral("OPC_UA_Server.xml"))),
                               texts, Bank2::Base, server, error))
        return fail(CompileFailure::FileUnreadable);

    const qsizetype length = Bank2_Image_Length(server);
    if (length > Bank2::MaxSize) {
        const qsizetype n = qsizetype(server.Variables.size());
        const qsizetype records = Bank2::RecordSize * n;
        const qsizetype excess = length - Bank2::MaxSize;
        // One pass over the text, so that a translation may put the values in another order.
        const auto number = [](qsizetype v) { return QString::number(v); };
        *error = texts.text(27).arg(number(length), number(excess), number(Bank2::MaxSize), number(n),
                                    number(records), number(length - Bank2::HeaderSize - records - 1));
        return fail(CompileFailure::Refused);
    }

    BankImages built;
    Build_Bank1_Image(bank, built.bank1, 0);
    Build_Bank2_Image(server, built.bank2, 0);
    *images = std::move(built);
    return true;
}

bool Save_Bin_Banks(const QString &Conf_Folder, const BankImages &images, QString *error)
{
    const QDir folder(Conf_Folder);
    const QString bin = folder.filePath(QStringLiteral("bin"));
    // A configuration copied without its empty "bin" folder still compiles.
    if (!QFileInfo(bin).isDir() && !folder.mkdir(QStringLiteral("bin"))) {
        *error = QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(bin));
        return false;
    }
    const QDir binDir(bin);
    return writeFilesSafely({{QDir::toNativeSeparators(binDir.filePath(QStringLiteral("bank1.bin"))), images.bank1},
                             {QDir::toNativeSeparators(binDir.filePath(QStringLiteral("bank2.bin"))), images.bank2}},
                            error);
}
