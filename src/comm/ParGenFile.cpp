#include "comm/ParGenFile.h"

#include "common/Product.h"
#include "common/XmlTree.h"
#include "common/XmlWriter.h"

#include <QFileInfo>

namespace ParGen {

namespace {

constexpr bool Flag = true;
constexpr bool Text = false;

// Element, kind, default, design value of the editor's field.
constexpr FieldInfo kFields[FieldCount] = {
    {u"Eth_Conn_Device_Name", Text, u"", u""},
    {u"Eth_Conn_DHCP_Cable", Flag, u"0", u"0"},
    {u"Eth_Conn_DHCP_WiFi", Flag, u"0", u"0"},
    {u"Eth_Conn_Enable_DNS", Flag, u"0", u"0"},
    {u"Eth_Conn_Primary_DNS1", Text, u"8", u"8"},
    {u"Eth_Conn_Primary_DNS2", Text, u"8", u"8"},
    {u"Eth_Conn_Primary_DNS3", Text, u"8", u"8"},
    {u"Eth_Conn_Primary_DNS4", Text, u"8", u"8"},
    {u"Eth_Conn_Secondary_DNS1", Text, u"8", u"8"},
    {u"Eth_Conn_Secondary_DNS2", Text, u"8", u"8"},
    {u"Eth_Conn_Secondary_DNS3", Text, u"8", u"8"},
    {u"Eth_Conn_Secondary_DNS4", Text, u"8", u"8"},
    {u"OPC_UA_Server_IP1", Text, u"192", u"192"},
    {u"OPC_UA_Server_IP2", Text, u"168", u"168"},
    {u"OPC_UA_Server_IP3", Text, u"0", u"0"},
    {u"OPC_UA_Server_IP4", Text, u"10", u"5"},
    {u"OPC_UA_Server_SM1", Text, u"255", u"192"},
    {u"OPC_UA_Server_SM2", Text, u"255", u"168"},
    {u"OPC_UA_Server_SM3", Text, u"255", u"0"},
    {u"OPC_UA_Server_SM4", Text, u"0", u"5"},
    {u"OPC_UA_Server_GAT1", Text, u"192", u"192"},
    {u"OPC_UA_Server_GAT2", Text, u"168", u"168"},
    {u"OPC_UA_Server_GAT3", Text, u"0", u"0"},
    {u"OPC_UA_Server_GAT4", Text, u"1", u"5"},
    {u"OPC_UA_Server_EN_GAT", Flag, u"0", u"0"},
    {u"OPC_UA_Server_Port", Text, u"4840", u"4840"},
    {u"OPC_UA_Server_Reset_Inactivity", Flag, u"0", u"0"},
    {u"OPC_UA_Server_Reset_Inactivity_Time", Text, u"1440", u"1"},
    {u"NTP_Server_URL", Text, u"", u""},
    {u"NTP_Poll_Time", Text, u"", u""},
    {u"PROFINET_IP1", Text, u"192", u"192"},
    {u"PROFINET_IP2", Text, u"168", u"168"},
    {u"PROFINET_IP3", Text, u"0", u"0"},
    {u"PROFINET_IP4", Text, u"5", u"5"},
    {u"PROFINET_SM1", Text, u"255", u"192"},
    {u"PROFINET_SM2", Text, u"255", u"168"},
    {u"PROFINET_SM3", Text, u"255", u"0"},
    {u"PROFINET_SM4", Text, u"0", u"5"},
    {u"PROFINET_GAT1", Text, u"192", u"192"},
    {u"PROFINET_GAT2", Text, u"168", u"168"},
    {u"PROFINET_GAT3", Text, u"0", u"0"},
    {u"PROFINET_GAT4", Text, u"1", u"5"},
    {u"PROFINET_EN_GAT", Flag, u"0", u"0"},
    {u"PROFINET_PORT", Text, u"2000", u"502"},
    {u"PROFINET_NAME_STA", Text, u"devicename1", u"devicename1"},
    {u"PROFINET_NB_IN", Text, u"1438", u"1438"},
    {u"PROFINET_NB_OUT", Text, u"1438", u"1438"},
    {u"PROFINET_ENABLE_DIAGNOSTIC", Flag, u"0", u"0"},
    {u"PROFINET_DIAGNOSTIC_ADDRESS", Text, u"0", u"0"},
};

// Elements of the older layout: the primary DNS server was stored under the
// OPC UA server's names, and its enabling flag too.
constexpr QStringView kOldPrimaryDns[4] = {u"OPC_UA_Server_DNS1", u"OPC_UA_Server_DNS2", u"OPC_UA_Server_DNS3",
                                           u"OPC_UA_Server_DNS4"};
constexpr QStringView kOldEnableDns = u"OPC_UA_Server_EN_DNS";

const QString kRootName = QStringLiteral("Par_Gen");
const QString kTicked = QStringLiteral("1");
const QString kClear = QStringLiteral("0");

Values valuesFromColumn(QStringView FieldInfo::*column)
{
    Values v;
    for (int f = 0; f < FieldCount; ++f)
        v.setStored(Field(f), (kFields[f].*column).toString());
    return v;
}

} // namespace

std::span<const FieldInfo, FieldCount> fields()
{
    return std::span<const FieldInfo, FieldCount>(kFields);
}

Field fieldNamed(QStringView element)
{
    for (int f = 0; f < FieldCount; ++f)
        if (kFields[f].element == element)
            return Field(f);
    return FieldCount;
}

QString Values::stored(Field f) const
{
    if (kFields[f].flag)
        return flags[f] ? kTicked : kClear;
    return texts[f];
}

void Values::setStored(Field f, const QString &text)
{
    if (kFields[f].flag)
        flags[f] = text == kTicked;
    else
        texts[f] = text;
}

Values defaults()
{
    return valuesFromColumn(&FieldInfo::defaultText);
}

Values designValues()
{
    return valuesFromColumn(&FieldInfo::designText);
}

ReadResult read(const QString &path)
{
    ReadResult result;
    result.values = defaults();
    if (!QFileInfo::exists(path)) {
        result.ok = true;
        return result;
    }
    const XmlLoadResult loaded = loadXmlFile(path);
    if (!loaded.ok) {
        result.error = loaded.errorText(path);
        return result;
    }
    result.ok = true;
    // A document whose first node is not an element (a declaration, a comment)
    // has no children to find: every field keeps its default.
    const XmlNode *root = loaded.document.firstNode();
    if (!root)
        return result;
    Values &v = result.values;
    for (int f = 0; f < FieldCount; ++f) {
        if (f == Eth_Conn_DHCP_WiFi)
            continue; // never read: this product has no Wi-Fi
        if (const XmlNode *e = root->child(kFields[f].element))
            v.setStored(Field(f), e->text());
    }
    for (int i = 0; i < 4; ++i)
        if (const XmlNode *e = root->child(kOldPrimaryDns[i]))
            v.setStored(Field(Eth_Conn_Primary_DNS1 + i), e->text());
    if (const XmlNode *e = root->child(kOldEnableDns))
        v.setStored(Eth_Conn_Enable_DNS, e->text());
    return result;
}

namespace {

XmlWriter composed(const Values &values)
{
    XmlWriter w;
    w.startElement(kRootName);
    for (int f = 0; f < FieldCount; ++f)
        w.textElement(kFields[f].element.toString(), f == Eth_Conn_DHCP_WiFi ? kClear : values.stored(Field(f)));
    w.endElement();
    w.comment(Product::Version_Comment);
    return w;
}

} // namespace

QByteArray document(const Values &values, QString *error)
{
    return composed(values).finish(error);
}

bool write(const QString &path, const Values &values, QString *error)
{
    XmlWriter w = composed(values);
    return writeXmlFileSafely(path, w, error);
}

} // namespace ParGen
