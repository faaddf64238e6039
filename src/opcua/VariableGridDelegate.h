#pragma once

#include <QColor>
#include <QStyledItemDelegate>

#include <functional>

// How the variable table draws and edits its cells: the colour of each column,
// check boxes centred in their cells, drop-down lists for Type, Start Bit and R/W
// that take only their own items, free text elsewhere. Read-only cells show grey
// text or a greyed check box.
class VariableGridDelegate : public QStyledItemDelegate
{
public:
    explicit VariableGridDelegate(QObject *parent = nullptr);

    static QColor columnColour(int col);
    // The items of a drop-down column; empty for the other columns.
    static const QStringList &listItems(int col);

    // Runs after the user has chosen another type in a Type cell.
    std::function<void(int row, const QString &type)> onTypeChosen;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
};
