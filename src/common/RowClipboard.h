#pragma once

#include <QList>
#include <QStringList>

// The program-wide clipboard of the table row operations: the texts of the last
// copied row, one per data column, and for each column whether it was a check
// box (its text is then "Y" or "N").
struct RowClipboard
{
    QStringList Row_Clipboard;
    QList<bool> Row_Clipboard_Marks;
};
