#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <vector>

// One cell of an editable table: its text, the state of its check box (kept apart
// from the text) and whether the user may change it.
struct GridCell
{
    QString text;
    bool checked = false;
    bool readOnly = false;
};

// An editable table as the table editors keep it: a title row 0 and a fixed
// column 0 (the row numbers), data rows 1 to lastRow() and data columns 1 to
// dataColumns(). A column is either text or check boxes.
//
// Views see it as a Qt model of the data rows only (model row r is table row
// r + 1) with the titles of row 0 as the horizontal header; column 0 stays a
// column so that its numbers scroll with the rows and never change.
class GridTable : public QAbstractTableModel
{
public:
    GridTable(int columns, int rows, QObject *parent = nullptr);

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    int lastRow() const { return m_rows - 1; }
    int dataColumns() const { return m_columns - 1; }
    bool isDataRow(int row) const { return row >= 1 && row <= lastRow(); }

    bool isCheckColumn(int col) const { return m_checkColumns.at(col); }
    void setCheckColumn(int col, bool check);

    const GridCell &cell(int row, int col) const { return m_cells[index(row, col)]; }
    QString text(int row, int col) const { return cell(row, col).text; }
    bool isChecked(int row, int col) const { return cell(row, col).checked; }
    bool isReadOnly(int row, int col) const { return cell(row, col).readOnly; }

    // Setters that tell the views.
    void setText(int row, int col, const QString &text);
    void setChecked(int row, int col, bool checked);
    void setReadOnly(int row, int col, bool readOnly);
    void setTitle(int col, const QString &title);

    // Bulk changes: change cells through editCell(), then tell the views once.
    GridCell &editCell(int row, int col) { return m_cells[index(row, col)]; }
    void rowsChanged(int firstRow, int lastRowChanged);

    // Whether any text cell of the row's data columns holds text; check boxes do
    // not count.
    bool rowHasText(int row) const;

    // The Qt model.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The table cell of a model index, and back.
    static int tableRow(const QModelIndex &index) { return index.row() + 1; }
    QModelIndex modelIndex(int row, int col) const { return QAbstractTableModel::index(row - 1, col); }

private:
    std::size_t index(int row, int col) const
    {
        Q_ASSERT(row >= 0 && row < m_rows && col >= 0 && col < m_columns);
        return std::size_t(row) * std::size_t(m_columns) + std::size_t(col);
    }

    int m_columns;
    int m_rows;
    std::vector<GridCell> m_cells;
    QList<bool> m_checkColumns;
};
