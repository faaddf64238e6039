#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class LangTable;
class VariableTable;

// OPC_UA_Server.xml: the variable list of a configuration.

struct VariableFileRead
{
    enum Status {
        Missing,    // no file: the list is empty
        Read,       // the rows were read
        Unreadable, // the file is there but cannot be read: the list is empty
    };
    Status status = Missing;
    int rows = 0;  // the rows filled from the file
    QString error; // for Unreadable: the file's name and what is wrong with it
};

// Fills a reset table from the file the way the editor reads it: the document's
// first node is the root, every child element of its OPC_UA_Server_Variables is a
// variable whatever its name, the first 250 fill rows 1 to 250.
// What is wrong with the file's structure is told in the words of texts.
VariableFileRead readVariableFile(const QString &path, const LangTable &texts, VariableTable &table);

// The document a save writes: the root, the version comment, and one `row` with
// all eleven attributes for each row before the first row without a type. Returns
// an empty array and the reason when a text holds a character XML cannot store.
QByteArray variableFileData(const VariableTable &table, QString *error);

// Writes the document to path, replacing the file only once it is complete.
bool writeVariableFile(const QString &path, const VariableTable &table, QString *error);

// The PROFINET byte counts that bound the variables' positions.
struct ByteCounts
{
    static constexpr int Default = 1438;
    int Max_Byte_In = Default;
    int Max_Byte_Out = Default;
};

// Reads PROFINET_NB_IN and PROFINET_NB_OUT from ParGen.xml as the communication
// editor reads the file; a missing file or element, or a text that is not a
// number, gives 1438. A file that is there but cannot be read gives false, the
// defaults and the reason.
bool readByteCounts(const QString &parGenPath, ByteCounts *counts, QString *error);

// The first enabled variable with a type whose Position is not a number from 0 to
// bound − 1: its row and the bound (PROFINET_NB_OUT for "Read/Write", else
// PROFINET_NB_IN).
struct PositionFailure
{
    int row;
    int bound;
};
std::optional<PositionFailure> Controllo_dati(const VariableTable &table, const ByteCounts &counts);

// The message of a failed check, from the language table.
QString positionMessage(const LangTable &texts, const PositionFailure &failure);

// The question before a save would drop rows that hold data, or an empty text
// when nothing would be dropped.
QString unsavedRowsQuestion(const LangTable &texts, const VariableTable &table);

// The question before a save replaces a file that could not be read.
QString replaceUnreadableQuestion(const LangTable &texts, const QString &path);

// Fills each "%d" of a language text with the next number.
QString formatNumbers(QString pattern, std::initializer_list<int> numbers);
