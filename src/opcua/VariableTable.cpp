#include "opcua/VariableTable.h"

#include "lang/LangTable.h"

namespace {

bool isCheckBoxColumn(int col)
{
    return col == VariableTable::ColEnable || col == VariableTable::ColSwap || col == VariableTable::ColSwapWord
           || col == VariableTable::ColSwapAll;
}

// The Length that the type rule gives a type, and whether the user may change it;
// nothing for a text that is not a type name.
struct TypeLength
{
    const char16_t *length;
    bool editable;
};

std::optional<TypeLength> typeLength(const QString &type)
{
    static const QStringList &types = VariableTable::VarType();
    static const TypeLength lengths[] = {
        {u"1", false}, {u"1", false}, {u"1", false}, {u"2", false}, {u"2", false}, {u"4", false}, {u"4", false},
        {u"8", false}, {u"8", false}, {u"4", false}, {u"8", false}, {u"10", true}, {u"10", true},
    };
    static_assert(std::size(lengths) == 13);
    const qsizetype i = types.indexOf(type);
    if (i < 0)
        return std::nullopt;
    return lengths[i];
}

} // namespace

const QStringList &VariableTable::VarType()
{
    static const QStringList list = {
        QStringLiteral("Boolean"), QStringLiteral("Signed Byte"), QStringLiteral("Byte"),
        QStringLiteral("Int16"),   QStringLiteral("UInt16"),      QStringLiteral("Int32"),
        QStringLiteral("UInt32"),  QStringLiteral("Int64"),       QStringLiteral("UInt64"),
        QStringLiteral("Float"),   QStringLiteral("Double"),      QStringLiteral("String"),
        QStringLiteral("ByteString"),
    };
    return list;
}

const QStringList &VariableTable::RWType()
{
    static const QStringList list = {QStringLiteral("Read Only"), readWriteText()};
    return list;
}

const QStringList &VariableTable::StartBitType()
{
    static const QStringList list = {
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
        QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
    };
    return list;
}

const QString &VariableTable::readWriteText()
{
    static const QString text = QStringLiteral("Read/Write");
    return text;
}

const QStringList &VariableTable::attributeNames()
{
    static const QStringList list = {
        QStringLiteral("Enable"), QStringLiteral("Type"),      QStringLiteral("Position"),
        QStringLiteral("StartBit"), QStringLiteral("Length"),  QStringLiteral("Name"),
        QStringLiteral("ReadWrite"), QStringLiteral("Swap"),   QStringLiteral("SwapWord"),
        QStringLiteral("SwapAll"), QStringLiteral("Mnemonic"),
    };
    return list;
}

VariableTable::VariableTable(QObject *parent)
    : GridTable(ColumnCount, Max_Variables + 1, parent)
{
    for (int col = 1; col < ColumnCount; ++col)
        setCheckColumn(col, isCheckBoxColumn(col));
    for (int row = 1; row <= Max_Variables; ++row)
        editCell(row, ColNumber).text = QString::number(row);
}

void VariableTable::setTitles(const LangTable &texts)
{
    static const int entries[ColumnCount] = {1414, 1415, 1416, 1417, 1431, 1418, 1419, 1429, 1432, 1433, 1434, 1420};
    for (int col = 0; col < ColumnCount; ++col)
        setTitle(col, texts.text(entries[col]));
}

void VariableTable::resetRows()
{
    for (int row = 1; row <= Max_Variables; ++row) {
        editCell(row, ColNumber).text = QString::number(row);
        for (int col = 1; col < ColumnCount; ++col) {
            GridCell &c = editCell(row, col);
            c.text.clear();
            c.checked = col == ColEnable;
            c.readOnly = false;
        }
    }
    rowsChanged(1, Max_Variables);
}

void VariableTable::VarSetLength(const QString &type, int row)
{
    if (const std::optional<TypeLength> t = typeLength(type)) {
        setText(row, ColLength, QString::fromUtf16(t->length));
        setReadOnly(row, ColLength, !t->editable);
    }
    if (text(row, ColReadWrite).isEmpty())
        setText(row, ColReadWrite, readWriteText());
}

void VariableTable::applyAttributes(int row, const std::function<std::optional<QString>(int)> &value)
{
    auto attribute = [&](int col) { return value(col - 1); };
    auto applyCheck = [&](int col, bool missingChecked) {
        const std::optional<QString> v = attribute(col);
        setChecked(row, col, v ? *v != QLatin1String("N") : missingChecked);
    };
    auto applyText = [&](int col) { setText(row, col, attribute(col).value_or(QString())); };

    applyCheck(ColEnable, true);
    applyText(ColType);
    VarSetLength(text(row, ColType), row);
    applyText(ColPosition);
    applyText(ColStartBit);
    applyText(ColLength);
    applyText(ColName);
    applyText(ColReadWrite);
    applyCheck(ColSwap, false);
    applyCheck(ColSwapWord, false);
    applyCheck(ColSwapAll, false);
    applyText(ColMnemonic);
}

QString VariableTable::attributeValue(int row, int attribute) const
{
    const int col = attribute + 1;
    if (isCheckColumn(col))
        return isChecked(row, col) ? QStringLiteral("Y") : QStringLiteral("N");
    return text(row, col);
}

int VariableTable::savedRowCount() const
{
    int row = 1;
    while (row <= Max_Variables && !text(row, ColType).trimmed().isEmpty())
        ++row;
    return row - 1;
}

int VariableTable::firstUnsavedRowWithData() const
{
    for (int row = savedRowCount() + 1; row <= Max_Variables; ++row)
        if (rowHasText(row))
            return row;
    return 0;
}
