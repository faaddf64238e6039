#include "opcua/TFOPC_UA_Server_Access.h"

#include "app/AppState.h"
#include "common/DialogFrame.h"
#include "common/FormStyle.h"
#include "common/GridRows.h"
#include "common/Ports.h"
#include "common/Product.h"
#include "common/Prompts.h"
#include "common/TitlePanel.h"
#include "opcua/VariableGridDelegate.h"
#include "opcua/VariableTable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QPushButton *makeButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    FormStyle::applyButton(button);
    button->setMinimumSize(104, 28);
    button->setAutoDefault(false); // Enter belongs to the table
    return button;
}

const int kColumnWidths[VariableTable::ColumnCount] = {40, 50, 120, 70, 70, 70, 200, 70, 70, 70, 70, 200};

} // namespace

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(AppState &state, Ports &ports, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_ports(ports)
    , m_table(new VariableTable(this))
    , m_delegate(new VariableGridDelegate(this))
{
    setObjectName(QStringLiteral("TFOPC_UA_Server_Access"));
    FormStyle::applyForm(this);

    P_Title = new TitlePanel(this);

    ASG = new QTableView(this);
    ASG->setObjectName(QStringLiteral("ASG"));

    auto *buttons = new QWidget(this);
    buttons->setObjectName(QStringLiteral("P_Buttons"));
    Btn_OK = makeButton(buttons, "Btn_OK");
    Btn_Cancel = makeButton(buttons, "Btn_Cancel");
    Btn_DelRow = makeButton(buttons, "Btn_DelRow");
    Btn_InsRow = makeButton(buttons, "Btn_InsRow");
    Btn_CopyRow = makeButton(buttons, "Btn_CopyRow");
    Btn_PasteRow = makeButton(buttons, "Btn_PasteRow");
    auto *buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(10, 8, 10, 8);
    buttonRow->setSpacing(8);
    buttonRow->addWidget(Btn_DelRow);
    buttonRow->addWidget(Btn_InsRow);
    buttonRow->addWidget(Btn_CopyRow);
    buttonRow->addWidget(Btn_PasteRow);
    buttonRow->addStretch();
    buttonRow->addWidget(Btn_OK);
    buttonRow->addWidget(Btn_Cancel);
    setTabOrder(Btn_OK, Btn_Cancel);
    setTabOrder(Btn_Cancel, Btn_DelRow);
    setTabOrder(Btn_DelRow, Btn_InsRow);
    setTabOrder(Btn_InsRow, Btn_CopyRow);
    setTabOrder(Btn_CopyRow, Btn_PasteRow);

    QVBoxLayout *layout = DialogFrame::titled(this, P_Title);
    layout->addWidget(ASG, 1);
    layout->addWidget(buttons);

    P_Title->L_SW_Code->setText(Product::SW_Code);
    resize(1200, 337);

    connect(Btn_OK, &QPushButton::clicked, this, &TFOPC_UA_Server_Access::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Btn_DelRow, &QPushButton::clicked, this, &TFOPC_UA_Server_Access::Btn_DelRowClick);
    connect(Btn_InsRow, &QPushButton::clicked, this, &TFOPC_UA_Server_Access::Btn_InsRowClick);
    connect(Btn_CopyRow, &QPushButton::clicked, this, &TFOPC_UA_Server_Access::Btn_CopyRowClick);
    connect(Btn_PasteRow, &QPushButton::clicked, this, &TFOPC_UA_Server_Access::Btn_PasteRowClick);
    m_delegate->onTypeChosen = [this](int row, const QString &type) { ASGComboChange(row, type); };

    Set_Lang();
    Init_Table();
}

void TFOPC_UA_Server_Access::Init_Table()
{
    ASG->setModel(m_table);
    ASG->setItemDelegate(m_delegate);
    ASG->verticalHeader()->hide();
    ASG->verticalHeader()->setDefaultSectionSize(22);
    ASG->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView *header = ASG->horizontalHeader();
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setMinimumSectionSize(20);
    for (int col = 0; col < VariableTable::ColumnCount; ++col)
        ASG->setColumnWidth(col, kColumnWidths[col]);
    header->setSectionResizeMode(VariableTable::ColNumber, QHeaderView::Fixed);
    header->setStretchLastSection(true); // Mnemonic takes what the window gives beyond its width
    ASG->setSelectionMode(QAbstractItemView::SingleSelection);
    ASG->setSelectionBehavior(QAbstractItemView::SelectItems);
    ASG->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                         | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    ASG->setWordWrap(false);
    ASG->setCornerButtonEnabled(false);
    ASG->setStyleSheet(QStringLiteral(
        "QTableView { gridline-color: #C8C4B0; background-color: #FFFFFF;"
        " selection-background-color: #FFC880; selection-color: #000000; }"
        "QHeaderView::section { background-color: #E6E3D3; border: none; border-right: 1px solid #C8C4B0;"
        " border-bottom: 1px solid #C8C4B0; padding: 3px 1px; }"));
    ASG->setCurrentIndex(m_table->modelIndex(1, VariableTable::ColEnable));
}

void TFOPC_UA_Server_Access::Set_Lang()
{
    setWindowTitle(m_state.tr(1400));
    P_Title->L_SW_Desc->setText(m_state.tr(1401));
    Btn_OK->setText(m_state.tr(1402));
    Btn_Cancel->setText(m_state.tr(1403));
    Btn_DelRow->setText(m_state.tr(1404));
    Btn_InsRow->setText(m_state.tr(1405));
    Btn_CopyRow->setText(m_state.tr(1406));
    Btn_PasteRow->setText(m_state.tr(1407));
    Btn_OK->setToolTip(m_state.tr(1408));
    Btn_Cancel->setToolTip(m_state.tr(1409));
    Btn_DelRow->setToolTip(m_state.tr(1410));
    Btn_InsRow->setToolTip(m_state.tr(1411));
    Btn_CopyRow->setToolTip(m_state.tr(1412));
    Btn_PasteRow->setToolTip(m_state.tr(1413));
    m_table->setTitles(m_state.Lang_Table);
}

void TFOPC_UA_Server_Access::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    FormShow();
}

void TFOPC_UA_Server_Access::FormShow()
{
    m_table->resetRows();

    QString error;
    if (!readByteCounts(m_state.File_ParGen, &m_counts, &error))
        m_ports.prompts.generalError(error);

    const VariableFileRead read = readVariableFile(m_state.File_OPC_UA_Server, m_state.Lang_Table, *m_table);
    m_fileUnreadable = read.status == VariableFileRead::Unreadable;
    if (m_fileUnreadable)
        m_ports.prompts.generalError(read.error);

    Do_Copy = false;
}

int TFOPC_UA_Server_Access::focusedRow() const
{
    const QModelIndex current = ASG->currentIndex();
    return current.isValid() ? GridTable::tableRow(current) : 1;
}

void TFOPC_UA_Server_Access::Btn_OKClick()
{
    if (const std::optional<PositionFailure> failure = Controllo_dati(*m_table, m_counts)) {
        m_ports.prompts.error(positionMessage(m_state.Lang_Table, *failure));
        return;
    }
    const QString dropping = unsavedRowsQuestion(m_state.Lang_Table, *m_table);
    if (!dropping.isEmpty() && !m_ports.prompts.confirm(dropping))
        return;
    if (m_fileUnreadable && !m_ports.prompts.confirm(replaceUnreadableQuestion(m_state.Lang_Table, m_state.File_OPC_UA_Server)))
        return;
    QString error;
    if (!writeVariableFile(m_state.File_OPC_UA_Server, *m_table, &error)) {
        m_ports.prompts.generalError(error);
        return;
    }
    m_fileUnreadable = false;
    accept();
}

void TFOPC_UA_Server_Access::Btn_DelRowClick()
{
    const int row = focusedRow();
    if (m_ports.prompts.confirm(formatNumbers(m_state.tr(1428), {row})))
        Delete_Grid_Row(row, *m_table, true);
}

void TFOPC_UA_Server_Access::Btn_InsRowClick()
{
    Insert_Grid_Row(focusedRow(), *m_table, true);
}

void TFOPC_UA_Server_Access::Btn_CopyRowClick()
{
    Copy_Grid_Row(*m_table, focusedRow(), m_state.Row_Clipboard);
    Do_Copy = true;
}

void TFOPC_UA_Server_Access::Btn_PasteRowClick()
{
    const int row = focusedRow();
    Paste_Grid_Row(*m_table, row, Do_Copy, m_state.Row_Clipboard, m_ports.prompts, m_state.Lang_Table);
    const QString length = m_table->text(row, VariableTable::ColLength);
    m_table->VarSetLength(m_table->text(row, VariableTable::ColType), row);
    m_table->setText(row, VariableTable::ColLength, length);
}

void TFOPC_UA_Server_Access::ASGComboChange(int row, const QString &type)
{
    m_table->VarSetLength(type, row);
}
