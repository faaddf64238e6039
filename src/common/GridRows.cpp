#include "common/GridRows.h"

#include "common/GridTable.h"
#include "common/Prompts.h"
#include "common/RowClipboard.h"
#include "lang/LangTable.h"

namespace {

// A check box takes the source's state, any other cell its text; both take the
// source's read-only flag.
void copyRow(GridTable &table, int from, int to)
{
    for (int col = 1; col < table.columns(); ++col) {
        const GridCell &source = table.cell(from, col);
        GridCell &target = table.editCell(to, col);
        if (table.isCheckColumn(col))
            target.checked = source.checked;
        else
            target.text = source.text;
        target.readOnly = source.readOnly;
    }
}

// Text cells become empty, check boxes clear; the check box of column 1 is set
// when new rows are enabled.
void emptyRow(GridTable &table, int row, bool enableNew, bool readOnly)
{
    for (int col = 1; col < table.columns(); ++col) {
        GridCell &c = table.editCell(row, col);
        if (table.isCheckColumn(col))
            c.checked = col == 1 && enableNew;
        else
            c.text.clear();
        c.readOnly = readOnly;
    }
}

} // namespace

void Delete_Grid_Row(int row, GridTable &table, bool enableNew)
{
    if (!table.isDataRow(row))
        return;
    const int last = table.lastRow();
    for (int r = row; r < last; ++r)
        copyRow(table, r + 1, r);
    emptyRow(table, last, enableNew, true);
    table.rowsChanged(row, last);
}

void Insert_Grid_Row(int row, GridTable &table, bool enableNew)
{
    if (!table.isDataRow(row))
        return;
    const int last = table.lastRow();
    for (int r = last - 1; r >= row; --r)
        copyRow(table, r, r + 1);
    emptyRow(table, row, enableNew, false);
    table.rowsChanged(row, last);
}

void Copy_Grid_Row(const GridTable &table, int row, RowClipboard &clipboard)
{
    if (!table.isDataRow(row))
        return;
    const int n = table.dataColumns();
    clipboard.Row_Clipboard.clear();
    clipboard.Row_Clipboard_Marks = QList<bool>(n, false);
    for (int col = 1; col <= n; ++col) {
        const GridCell &c = table.cell(row, col);
        const bool check = table.isCheckColumn(col);
        clipboard.Row_Clipboard_Marks[col - 1] = check;
        clipboard.Row_Clipboard.append(check ? QString(c.checked ? u'Y' : u'N') : c.text);
    }
}

void Paste_Grid_Row(GridTable &table, int row, bool copyAvailable, const RowClipboard &clipboard,
                    Prompts &prompts, const LangTable &texts)
{
    if (!table.isDataRow(row))
        return;
    if (!copyAvailable) {
        prompts.error(texts.text(1302));
        return;
    }
    const int n = table.dataColumns();
    if (clipboard.Row_Clipboard.size() != n || clipboard.Row_Clipboard_Marks.size() != n) {
        prompts.error(texts.text(1301));
        return;
    }
    if (table.rowHasText(row) && !prompts.confirm(texts.text(1300)))
        return;
    for (int col = 1; col <= n; ++col) {
        const QString &entry = clipboard.Row_Clipboard.at(col - 1);
        GridCell &c = table.editCell(row, col);
        if (clipboard.Row_Clipboard_Marks.at(col - 1))
            c.checked = entry == QLatin1String("Y");
        else
            c.text = entry;
    }
    table.rowsChanged(row, row);
}
