#pragma once

class GridTable;
class LangTable;
class Prompts;
struct RowClipboard;

// The row operations of the table editors. They work on whole data rows, never
// touch column 0 (the row numbers stay with the positions) and keep the number of
// rows fixed. A row index outside the data rows does nothing.

// Removes the row: the rows below move up one, the last row is emptied and made
// read-only. The caller asks the user first.
void Delete_Grid_Row(int row, GridTable &table, bool enableNew);

// Moves the rows from the index down by one (the last row's content is lost) and
// empties the row at the index, which becomes editable.
void Insert_Grid_Row(int row, GridTable &table, bool enableNew);

// Replaces the clipboard with the row: one text per data column, check boxes as
// "Y" or "N" with their column marked.
void Copy_Grid_Row(const GridTable &table, int row, RowClipboard &clipboard);

// Writes the clipboard into the row. Refused with a message when no copy is
// available or the copy has another number of columns; asks before overwriting a
// row that holds text. Read-only flags stay as they are.
void Paste_Grid_Row(GridTable &table, int row, bool copyAvailable, const RowClipboard &clipboard,
                    Prompts &prompts, const LangTable &texts);
