#pragma once

#include "image/BankLayout.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

class LangTable;

// The two memory banks the device loads, compiled from a configuration's files.
struct BankImages
{
    QByteArray bank1; // the 2,048-byte parameter bank
    QByteArray bank2; // the variable bank
};

// Why a compile gave up.
enum class CompileFailure {
    None,
    FileUnreadable, // a project file could not be read, is not well-formed, or lacks its elements
    Refused,        // the configuration does not fit into the device
};

// Builds both images from the configuration folder's ParGen.xml and
// OPC_UA_Server.xml. No file is written. On failure returns false with the reason
// (in the words of texts), leaves *images as it was and, when failure is given,
// says what kind of failure.
bool Compile_Bin_Banks(const QString &Conf_Folder, const LangTable &texts, BankImages *images, QString *error,
                       CompileFailure *failure = nullptr);

// Writes bin/bank1.bin and bin/bank2.bin in the configuration folder (creating
// "bin" when it is missing). Both are written aside first and then replaced; when
// the second cannot be replaced, the first is put back, so the device is never
// offered a new parameter bank beside an old variable bank.
bool Save_Bin_Banks(const QString &Conf_Folder, const BankImages &images, QString *error);

// The steps of a compile, over explicit records. Each compile builds its own.

// The parameter bank as the device reads it.
struct TPar_Gen_Bank
{
    std::array<quint8, Bank1::Size> bytes{};
};

// One enabled variable of the variable bank.
struct TOPC_UA_Var
{
    quint32 VarType = 0;
    quint16 Position = 0;
    quint16 Length = 0;
    quint16 BitStart = 0;
    quint16 Options = 0;
    quint32 Add_Name = 0;
    QString Name;
};

// The header of the variable bank with its variables.
struct TOPC_UA_Server
{
    quint16 Port = 0;
    quint16 Num_Var = 0;
    std::vector<TOPC_UA_Var> Variables;
    quint32 Add_Num_Var = 0;
    QString NTP;
    quint32 Add_NTP = 0;
    quint32 NTP_Time = 0;
};

// The values the block holds when the configuration has no parameter file.
void Default_Bank1(TPar_Gen_Bank &bank);

// Clears the version field and puts the parameter format's version text into it.
void Set_SW_Version(TPar_Gen_Bank &bank);

// Reads ParGen.xml, when it exists, into the block and gives the variable bank's
// header its port, NTP text and poll time. A file that cannot be read or is not
// well-formed gives false with the reader's words (file, line, column).
bool Load_Par_Gen(const QString &File_ParGen, TPar_Gen_Bank &bank, TOPC_UA_Server &server, QString *error);

// Stores the checksum and copies the block into buffer at position; gives the
// position after it.
qsizetype Build_Bank1_Image(TPar_Gen_Bank &bank, QByteArray &buffer, qsizetype position);

// The header's values when the configuration has neither file.
void Default_OPC_UA_Server(TOPC_UA_Server &server);

// Reads the enabled variables of OPC_UA_Server.xml, when it exists, and gives every
// text its device address counted from base. A file that cannot be read, is not
// well-formed or lacks OPC_UA_Server / OPC_UA_Server_Variables gives false (the
// missing element told in the words of texts).
bool Load_OPC_UA_Variables(const QString &File_OPC_UA_Server, const LangTable &texts, quint32 base,
                           TOPC_UA_Server &server, QString *error);

// The device's code for a variable type name (exact, case included); 0 for any other.
quint32 Get_Var_Type_Code(const QString &typeName);

// The number of bytes the variable bank of this header takes.
qsizetype Bank2_Image_Length(const TOPC_UA_Server &server);

// Writes the header, the records and the texts into buffer from position on
// (growing it when needed); gives the position after the last byte.
qsizetype Build_Bank2_Image(const TOPC_UA_Server &server, QByteArray &buffer, qsizetype position);
