#pragma once

#include <QtGlobal>

#include <array>

// Where things lie in the two banks the device loads. The compiler writes by these
// offsets and the inspector reads by them, so the two cannot drift apart.

// The parameter bank: one block of 2,048 bytes, integers little-endian, every byte
// not named here reserved and zero.
namespace Bank1 {

inline constexpr int Size = 2048;

inline constexpr int Fixed_0 = 0;           // u32 250000
inline constexpr int Fixed_4 = 4;           // u32 250000
inline constexpr int Fixed_12 = 12;         // u32 9600
inline constexpr int Profinet_IP = 40;      // IPv4
inline constexpr int Profinet_SM = 44;      // IPv4
inline constexpr int Profinet_GAT = 48;     // IPv4, 255.255.255.255 when the gateway is off
inline constexpr int Fixed_52 = 52;         // u16 10000
inline constexpr int Fixed_54 = 54;         // u16 10001
inline constexpr int Fixed_56 = 56;         // u16 10001
inline constexpr int Station_Name = 80;     // text, 16 bytes
inline constexpr int Profinet_Port = 104;   // u16 tunnelling port
inline constexpr int Reset_Time = 108;      // u32 reset after inactivity, ms; 0 = off
inline constexpr int Profinet_NB_IN = 116;  // u32
inline constexpr int Profinet_NB_OUT = 120; // u32
inline constexpr int OPC_UA_IP = 388;       // IPv4
inline constexpr int OPC_UA_SM = 392;       // IPv4
inline constexpr int OPC_UA_GAT = 396;      // IPv4, 255.255.255.255 when the gateway is off
inline constexpr int Fixed_436 = 436;       // 8 bytes of 8
inline constexpr int Address_Flags = 1256;  // u16: bit 0 DHCP on cable, bit 1 DHCP on Wi-Fi
inline constexpr int Device_Name = 1300;    // text, 32 bytes
inline constexpr int Secondary_DNS = 1340;  // IPv4
inline constexpr int Primary_DNS = 1420;    // IPv4
inline constexpr int Bank2_Address = 1568;  // u32 device address of the variable bank
inline constexpr int Version = 1644;        // text, 8 bytes
inline constexpr int Checksum = 2044;       // u32 sum of bytes 0 to 2043

inline constexpr int Station_Name_Size = 16;
inline constexpr int Device_Name_Size = 32;
inline constexpr int Version_Size = 8;
inline constexpr int Fixed_436_Size = 8;

enum class FieldKind { U16, U32, Ipv4, Text, Bytes };

struct Field
{
    int offset;
    int size;
    FieldKind kind;
    const char *name;
};

// Every field of the block, in offset order.
inline constexpr std::array<Field, 25> Fields = {{
    {Fixed_0, 4, FieldKind::U32, "fixed value"},
    {Fixed_4, 4, FieldKind::U32, "fixed value"},
    {Fixed_12, 4, FieldKind::U32, "fixed value"},
    {Profinet_IP, 4, FieldKind::Ipv4, "PROFINET IP address"},
    {Profinet_SM, 4, FieldKind::Ipv4, "PROFINET subnet mask"},
    {Profinet_GAT, 4, FieldKind::Ipv4, "PROFINET gateway"},
    {Fixed_52, 2, FieldKind::U16, "fixed value"},
    {Fixed_54, 2, FieldKind::U16, "fixed value"},
    {Fixed_56, 2, FieldKind::U16, "fixed value"},
    {Station_Name, Station_Name_Size, FieldKind::Text, "PROFINET station name"},
    {Profinet_Port, 2, FieldKind::U16, "PROFINET tunnelling port"},
    {Reset_Time, 4, FieldKind::U32, "OPC UA reset after inactivity (ms)"},
    {Profinet_NB_IN, 4, FieldKind::U32, "PROFINET input bytes"},
    {Profinet_NB_OUT, 4, FieldKind::U32, "PROFINET output bytes"},
    {OPC_UA_IP, 4, FieldKind::Ipv4, "OPC UA server IP address"},
    {OPC_UA_SM, 4, FieldKind::Ipv4, "OPC UA server subnet mask"},
    {OPC_UA_GAT, 4, FieldKind::Ipv4, "OPC UA server gateway"},
    {Fixed_436, Fixed_436_Size, FieldKind::Bytes, "fixed values"},
    {Address_Flags, 2, FieldKind::U16, "address flags"},
    {Device_Name, Device_Name_Size, FieldKind::Text, "device name"},
    {Secondary_DNS, 4, FieldKind::Ipv4, "secondary DNS server"},
    {Primary_DNS, 4, FieldKind::Ipv4, "primary DNS server"},
    {Bank2_Address, 4, FieldKind::U32, "variable bank address"},
    {Version, Version_Size, FieldKind::Text, "parameter format version"},
    {Checksum, 4, FieldKind::U32, "checksum"},
}};

} // namespace Bank1

// The variable bank: a 16-byte header, one 16-byte record per enabled variable, a
// shared zero byte, then the texts. Every address in it counts from Base, the
// device address the bank is loaded at.
namespace Bank2 {

inline constexpr quint32 Base = 0x80000;
inline constexpr int HeaderSize = 16;
inline constexpr int RecordSize = 16;
inline constexpr int MaxSize = 131072; // what the device holds

// Header offsets.
inline constexpr int Port = 0;         // u16
inline constexpr int Num_Var = 2;      // u16
inline constexpr int Add_Num_Var = 4;  // u32
inline constexpr int Add_NTP = 8;      // u32
inline constexpr int NTP_Time = 12;    // u32

// Offsets inside a variable record.
inline constexpr int VarType = 0;  // u32
inline constexpr int Position = 4; // u16
inline constexpr int Length = 6;   // u16
inline constexpr int BitStart = 8; // u16
inline constexpr int Options = 10; // u16
inline constexpr int Add_Name = 12; // u32

// Bits of Options.
inline constexpr quint16 Option_ReadWrite = 0x0001;
inline constexpr quint16 Option_Swap = 0x0010;
inline constexpr quint16 Option_SwapWord = 0x0020;
inline constexpr quint16 Option_SwapAll = 0x0040;

// The variable types and the codes the device knows them by.
struct TypeCode
{
    const char *name;
    quint32 code;
};

inline constexpr std::array<TypeCode, 13> TypeCodes = {{
    {"Boolean", 0},
    {"Signed Byte", 1},
    {"Byte", 2},
    {"Int16", 3},
    {"UInt16", 4},
    {"Int32", 5},
    {"UInt32", 6},
    {"Int64", 7},
    {"UInt64", 8},
    {"Float", 9},
    {"Double", 10},
    {"String", 11},
    {"ByteString", 14},
}};

} // namespace Bank2
