#pragma once

#include "opcua/VariableTable.h"

#include <QStringList>

// Test helpers: a row of the variable table as its eleven saved values
// (check boxes "Y"/"N"), in file order.
inline QStringList rowValues(const VariableTable &table, int row)
{
    QStringList values;
    for (int a = 0; a < VariableTable::attributeNames().size(); ++a)
        values.append(table.attributeValue(row, a));
    return values;
}

// Fills a row as the file reader would from these eleven attribute values.
inline void fillRow(VariableTable &table, int row, const QStringList &values)
{
    table.applyAttributes(row, [&](int a) { return std::optional<QString>(values.at(a)); });
}

// Fills rows 1 to last with distinct variables: odd rows "Int32" (Length locked),
// even rows "String"; Swap set on rows divisible by 3.
inline void fillDistinct(VariableTable &table, int last = VariableTable::Max_Variables)
{
    for (int row = 1; row <= last; ++row) {
        const bool odd = row % 2 == 1;
        fillRow(table, row,
                {odd ? "Y" : "N", odd ? "Int32" : "String", QString::number(row), "", odd ? "4" : "12",
                 QStringLiteral("Var%1").arg(row), odd ? "Read Only" : "Read/Write", row % 3 == 0 ? "Y" : "N",
                 "N", "N", QStringLiteral("m%1").arg(row)});
    }
}

inline const QStringList kEmptyRow = {"Y", "", "", "", "", "", "", "N", "N", "N", ""};
