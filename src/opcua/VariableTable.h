#pragma once

#include "common/GridTable.h"

#include <QStringList>

#include <functional>
#include <optional>

class LangTable;

// The table of the OPC UA variable editor: 250 variables, one per data row, in
// the columns below. The columns 1 to 11 follow the attributes of a `row` of
// OPC_UA_Server.xml in file order.
class VariableTable : public GridTable
{
public:
    enum Column {
        ColNumber,
        ColEnable,
        ColType,
        ColPosition,
        ColStartBit,
        ColLength,
        ColName,
        ColReadWrite,
        ColSwap,
        ColSwapWord,
        ColSwapAll,
        ColMnemonic,
        ColumnCount
    };
    static constexpr int Max_Variables = 250;

    // The choices of the drop-down columns.
    static const QStringList &VarType();      // the thirteen type names
    static const QStringList &RWType();       // "Read Only", "Read/Write"
    static const QStringList &StartBitType(); // "0" to "7"
    static const QString &readWriteText();    // "Read/Write"

    // The attribute names of a `row`, in file order: attribute i is column i + 1.
    static const QStringList &attributeNames();

    explicit VariableTable(QObject *parent = nullptr);

    // The twelve column titles from the language table.
    void setTitles(const LangTable &texts);

    // Every data row back to a new variable: enabled, the swap options clear, every
    // text empty and every cell editable. Column 0 keeps the row numbers.
    void resetRows();

    // The type rule: the Length of a fixed-size type, locked; "10" and editable for
    // "String" and "ByteString"; any other text leaves Length alone. Then an empty
    // R/W cell becomes "Read/Write".
    void VarSetLength(const QString &type, int row);

    // Fills a reset row from the attributes of one variable; value(i) gives
    // attribute i, or nothing when it is missing. "N" clears a check box, any other
    // value sets it; a missing Enable sets it, a missing swap option clears it.
    // Length and R/W from the attributes replace what the type rule put there.
    void applyAttributes(int row, const std::function<std::optional<QString>(int attribute)> &value);

    // The value of attribute i of a row as it is saved: the cell text, or "Y"/"N".
    QString attributeValue(int row, int attribute) const;

    // The rows that a save writes: those before the first row whose Type, trimmed,
    // is empty.
    int savedRowCount() const;

    // The first row at or after the end of the saved list that holds text (that a
    // save would drop), or 0.
    int firstUnsavedRowWithData() const;
};
