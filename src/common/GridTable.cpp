#include "common/GridTable.h"

#include <algorithm>

GridTable::GridTable(int columns, int rows, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
    , m_rows(rows)
    , m_cells(std::size_t(columns) * std::size_t(rows))
    , m_checkColumns(columns, false)
{
}

void GridTable::setCheckColumn(int col, bool check)
{
    m_checkColumns[col] = check;
    if (m_rows > 1)
        emit dataChanged(modelIndex(1, col), modelIndex(lastRow(), col));
}

void GridTable::setText(int row, int col, const QString &text)
{
    GridCell &c = editCell(row, col);
    if (c.text == text)
        return;
    c.text = text;
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    const QModelIndex i = modelIndex(row, col);
    emit dataChanged(i, i);
}

void GridTable::setChecked(int row, int col, bool checked)
{
    GridCell &c = editCell(row, col);
    if (c.checked == checked)
        return;
    c.checked = checked;
    if (row > 0) {
        const QModelIndex i = modelIndex(row, col);
        emit dataChanged(i, i, {Qt::CheckStateRole});
    }
}

void GridTable::setReadOnly(int row, int col, bool readOnly)
{
    GridCell &c = editCell(row, col);
    if (c.readOnly == readOnly)
        return;
    c.readOnly = readOnly;
    if (row > 0) {
        const QModelIndex i = modelIndex(row, col);
        emit dataChanged(i, i);
    }
}

void GridTable::setTitle(int col, const QString &title)
{
    setText(0, col, title);
}

void GridTable::rowsChanged(int firstRow, int lastRowChanged)
{
    firstRow = std::max(firstRow, 1);
    lastRowChanged = std::min(lastRowChanged, lastRow());
    if (firstRow <= lastRowChanged)
        emit dataChanged(modelIndex(firstRow, 0), modelIndex(lastRowChanged, m_columns - 1));
}

bool GridTable::rowHasText(int row) const
{
    for (int col = 1; col < m_columns; ++col)
        if (!isCheckColumn(col) && !text(row, col).isEmpty())
            return true;
    return false;
}

int GridTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows - 1;
}

int GridTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant GridTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = tableRow(index);
    const int col = index.column();
    const GridCell &c = cell(row, col);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return c.text;
    case Qt::CheckStateRole:
        if (col > 0 && isCheckColumn(col))
            return c.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

bool GridTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() == 0)
        return false;
    const int row = tableRow(index);
    const int col = index.column();
    if (isReadOnly(row, col))
        return false;
    if (role == Qt::CheckStateRole && isCheckColumn(col)) {
        setChecked(row, col, value.value<Qt::CheckState>() == Qt::Checked);
        return true;
    }
    if (role == Qt::EditRole && !isCheckColumn(col)) {
        setText(row, col, value.toString());
        return true;
    }
    return false;
}

Qt::ItemFlags GridTable::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const int col = index.column();
    if (col == 0)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!isReadOnly(tableRow(index), col))
        f |= isCheckColumn(col) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    return f;
}

QVariant GridTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_columns ? QVariant(text(0, section)) : QVariant();
    return section + 1;
}
