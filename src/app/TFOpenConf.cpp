#include "app/TFOpenConf.h"

#include "app/AppState.h"
#include "app/Configurations.h"
#include "common/DialogFrame.h"
#include "common/FormStyle.h"
#include "common/TitlePanel.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFOpenConf::TFOpenConf(AppState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("TFOpenConf"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    FormStyle::applyForm(this);

    P_Title = new TitlePanel(this);
    Label1 = new QLabel(this);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setStyleSheet(QStringLiteral("QListWidget::item { padding: 3px 4px; }"));
    const DialogFrame::OkCancel buttons = DialogFrame::okCancel(this);
    Btn_OK = buttons.ok;
    Btn_Cancel = buttons.cancel;
    // Enter presses the button that has the focus, OK from the list.
    for (QPushButton *b : {Btn_OK, Btn_Cancel})
        b->setAutoDefault(true);
    Btn_OK->setDefault(true);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 10, 16, 10);
    body->addWidget(Label1);
    body->addWidget(ListBox1, 1);
    body->addLayout(buttons.row);
    DialogFrame::titled(this, P_Title)->addLayout(body, 1);
    resize(377, 351);

    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFOpenConf::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

void TFOpenConf::Set_Lang()
{
    setWindowTitle(m_state.tr(200));
    P_Title->L_SW_Desc->setText(m_state.tr(201));
    Label1->setText(m_state.tr(202));
    Btn_OK->setText(m_state.tr(203));
    Btn_OK->setToolTip(m_state.tr(206));
    Btn_Cancel->setText(m_state.tr(204));
    Btn_Cancel->setToolTip(m_state.tr(207));
    ListBox1->setToolTip(m_state.tr(205));
}

void TFOpenConf::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFOpenConf::FormShow()
{
    Conf_List = Load_Existing_Configuration(m_state.Projects_Folder);
    {
        const QSignalBlocker block(ListBox1);
        ListBox1->clear();
        ListBox1->addItems(Conf_List);
    }

    // The active configuration's name is what follows PROJECTS and one separator.
    QString active;
    if (!m_state.Conf_Folder.isEmpty())
        active = m_state.Conf_Folder.mid(m_state.Projects_Folder.size() + 1);

    int index = Search_Open_Conf(Conf_List, active);
    if (index < 0 && !Conf_List.isEmpty())
        index = 0;
    if (index >= 0) {
        ListBox1->setCurrentRow(index);
        Name_Conf = Conf_List.at(index);
    }
    ListBox1->setFocus();
}

void TFOpenConf::ListBox1Click()
{
    const int row = ListBox1->currentRow();
    if (row >= 0 && row < Conf_List.size())
        Name_Conf = Conf_List.at(row);
}
