#include "opcua/VariableGridDelegate.h"

#include "opcua/VariableTable.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

bool isCheckIndex(const QModelIndex &index)
{
    return index.data(Qt::CheckStateRole).isValid();
}

bool isLocked(const QModelIndex &index)
{
    return !(index.flags() & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable));
}

} // namespace

VariableGridDelegate::VariableGridDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QColor VariableGridDelegate::columnColour(int col)
{
    switch (col) {
    case VariableTable::ColNumber: return QColor(0xE6, 0xE3, 0xD3);
    case VariableTable::ColEnable: return QColor(0xFF, 0xD8, 0xB0);
    case VariableTable::ColType: return QColor(0xE0, 0xFA, 0xFE);
    case VariableTable::ColPosition:
    case VariableTable::ColStartBit:
    case VariableTable::ColLength: return QColor(0xA8, 0xFF, 0xA8);
    case VariableTable::ColName:
    case VariableTable::ColReadWrite: return QColor(0xFC, 0xD6, 0xF4);
    case VariableTable::ColSwap:
    case VariableTable::ColSwapWord:
    case VariableTable::ColSwapAll: return QColor(0xFF, 0xFF, 0xA8);
    default: return QColor(0xFF, 0xFF, 0xFF);
    }
}

const QStringList &VariableGridDelegate::listItems(int col)
{
    static const QStringList none;
    switch (col) {
    case VariableTable::ColType: return VariableTable::VarType();
    case VariableTable::ColStartBit: return VariableTable::StartBitType();
    case VariableTable::ColReadWrite: return VariableTable::RWType();
    default: return none;
    }
}

void VariableGridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->backgroundBrush = columnColour(index.column());
    if (index.column() == VariableTable::ColNumber) {
        option->displayAlignment = Qt::AlignCenter;
        option->state &= ~QStyle::State_Selected;
    } else if (isLocked(index)) {
        option->palette.setColor(QPalette::Text, QColor(0x80, 0x80, 0x80));
    }
    option->features &= ~QStyleOptionViewItem::HasCheckIndicator; // drawn centred by paint()
}

void VariableGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!isCheckIndex(index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    QStyleOptionViewItem box = opt;
    box.rect = QRect(0, 0, style->pixelMetric(QStyle::PM_IndicatorWidth, &opt, widget),
                     style->pixelMetric(QStyle::PM_IndicatorHeight, &opt, widget));
    box.rect.moveCenter(option.rect.center());
    box.state &= ~(QStyle::State_On | QStyle::State_Off | QStyle::State_Selected);
    box.state |= index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked ? QStyle::State_On
                                                                                         : QStyle::State_Off;
    if (isLocked(index))
        box.state &= ~QStyle::State_Enabled;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, widget);
}

bool VariableGridDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                       const QModelIndex &index)
{
    if (!isCheckIndex(index))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    bool toggle = false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        toggle = mouse->button() == Qt::LeftButton && option.rect.contains(mouse->position().toPoint());
        break;
    }
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        toggle = key == Qt::Key_Space || key == Qt::Key_Select;
        break;
    }
    default:
        break;
    }
    if (!toggle || !(index.flags() & Qt::ItemIsUserCheckable))
        return false;
    const bool checked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

QWidget *VariableGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    const QStringList &items = listItems(index.column());
    if (items.isEmpty())
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *combo = new QComboBox(parent);
    combo->setEditable(false);
    combo->addItems(items);
    combo->setMaxVisibleItems(items.size());
    auto *self = const_cast<VariableGridDelegate *>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] {
        emit self->commitData(combo);
        emit self->closeEditor(combo);
    });
    QTimer::singleShot(0, combo, [combo] {
        if (combo->isVisible())
            combo->showPopup();
    });
    return combo;
}

void VariableGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString(), Qt::MatchExactly));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void VariableGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    if (combo->currentIndex() < 0)
        return; // nothing chosen: the cell keeps its text
    const QString previous = index.data(Qt::EditRole).toString();
    const QString chosen = combo->currentText();
    if (chosen == previous || !model->setData(index, chosen, Qt::EditRole))
        return;
    if (index.column() == VariableTable::ColType && onTypeChosen)
        onTypeChosen(GridTable::tableRow(index), chosen);
}
