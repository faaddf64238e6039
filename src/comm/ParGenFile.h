#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <span>

// The communication parameters of a configuration, stored in "ParGen.xml":
// one element per parameter under the root, in the order of Field.
namespace ParGen {

// The parameters, in the order in which the file holds them. The names are the
// element names.
enum Field : int {
    Eth_Conn_Device_Name,
    Eth_Conn_DHCP_Cable,
    Eth_Conn_DHCP_WiFi,
    Eth_Conn_Enable_DNS,
    Eth_Conn_Primary_DNS1,
    Eth_Conn_Primary_DNS2,
    Eth_Conn_Primary_DNS3,
    Eth_Conn_Primary_DNS4,
    Eth_Conn_Secondary_DNS1,
    Eth_Conn_Secondary_DNS2,
    Eth_Conn_Secondary_DNS3,
    Eth_Conn_Secondary_DNS4,
    OPC_UA_Server_IP1,
    OPC_UA_Server_IP2,
    OPC_UA_Server_IP3,
    OPC_UA_Server_IP4,
    OPC_UA_Server_SM1,
    OPC_UA_Server_SM2,
    OPC_UA_Server_SM3,
    OPC_UA_Server_SM4,
    OPC_UA_Server_GAT1,
    OPC_UA_Server_GAT2,
    OPC_UA_Server_GAT3,
    OPC_UA_Server_GAT4,
    OPC_UA_Server_EN_GAT,
    OPC_UA_Server_Port,
    OPC_UA_Server_Reset_Inactivity,
    OPC_UA_Server_Reset_Inactivity_Time,
    NTP_Server_URL,
    NTP_Poll_Time,
    PROFINET_IP1,
    PROFINET_IP2,
    PROFINET_IP3,
    PROFINET_IP4,
    PROFINET_SM1,
    PROFINET_SM2,
    PROFINET_SM3,
    PROFINET_SM4,
    PROFINET_GAT1,
    PROFINET_GAT2,
    PROFINET_GAT3,
    PROFINET_GAT4,
    PROFINET_EN_GAT,
    PROFINET_PORT,
    PROFINET_NAME_STA,
    PROFINET_NB_IN,
    PROFINET_NB_OUT,
    PROFINET_ENABLE_DIAGNOSTIC,
    PROFINET_DIAGNOSTIC_ADDRESS,
    FieldCount
};

struct FieldInfo
{
    QStringView element;     // element name in the file
    bool flag;               // a check box: "1" ticked, anything else clear
    QStringView defaultText; // when the file or the element is missing
    QStringView designText;  // what the editor's field holds before any file was read
};

// The 49 parameters in file order.
std::span<const FieldInfo, FieldCount> fields();

// The field stored under this element name, or FieldCount.
Field fieldNamed(QStringView element);

// The values of the editor's fields: a text for every text or byte field, a state
// for every check box. Texts are kept exactly as typed; slots of the other kind
// stay empty/false.
struct Values
{
    std::array<QString, FieldCount> texts;
    std::array<bool, FieldCount> flags{};

    const QString &text(Field f) const { return texts[f]; }
    bool flag(Field f) const { return flags[f]; }

    // The value as the file stores it: the text, or "1"/"0" for a check box.
    QString stored(Field f) const;
    // Sets a value from its stored form: only "1" ticks a check box.
    void setStored(Field f, const QString &text);

    bool operator==(const Values &) const = default;
};

// Every field at its default (a configuration without a parameter file).
Values defaults();
// Every field at the editor's design value.
Values designValues();

struct ReadResult
{
    bool ok = false;
    Values values;
    QString error; // the file's name with the parser's or the system's words
};

// Reads the file as the editor does: no file gives the defaults; the document's
// first node is the root, whatever its name; the first child of each exact name
// gives its field, a missing one its default; the Wi-Fi DHCP box is never read and
// always clear; the elements of the older layout come last (OPC_UA_Server_DNS1..4
// replace the primary DNS bytes, OPC_UA_Server_EN_DNS sets the DNS box).
ReadResult read(const QString &path);

// The whole file for these values: root Par_Gen, the 49 elements, the version
// comment after the root. The Wi-Fi DHCP flag is always written as "0". Gives an
// empty array and the reason in *error when a text holds a character that an
// XML file cannot store.
QByteArray document(const Values &values, QString *error);

// Replaces the file at path with document(values), written aside first so the
// old file stays whole when anything fails.
bool write(const QString &path, const Values &values, QString *error);

} // namespace ParGen
