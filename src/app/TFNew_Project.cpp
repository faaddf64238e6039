#include "app/TFNew_Project.h"

#include "app/AppState.h"
#include "app/Configurations.h"
#include "common/DialogFrame.h"
#include "common/FormStyle.h"
#include "common/Prompts.h"
#include "common/TitlePanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFNew_Project::TFNew_Project(AppState &state, Prompts &prompts, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("TFNew_Project"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    FormStyle::applyForm(this);

    P_Title = new TitlePanel(this);
    Label1 = new QLabel(this);
    E_New_Proj = new QLineEdit(this);
    E_New_Proj->setObjectName(QStringLiteral("E_New_Proj"));
    const DialogFrame::OkCancel buttons = DialogFrame::okCancel(this);
    Btn_OK = buttons.ok;
    Btn_Cancel = buttons.cancel;

    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 10, 16, 10);
    body->addWidget(Label1);
    body->addWidget(E_New_Proj);
    body->addStretch();
    body->addLayout(buttons.row);
    DialogFrame::titled(this, P_Title)->addLayout(body);
    setFixedSize(331, 162);

    connect(Btn_OK, &QPushButton::clicked, this, &TFNew_Project::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(E_New_Proj, &QLineEdit::returnPressed, this, &TFNew_Project::Btn_OKClick);
    Set_Lang();
}

void TFNew_Project::Set_Lang()
{
    setWindowTitle(m_state.tr(100));
    P_Title->L_SW_Desc->setText(m_state.tr(101));
    Label1->setText(m_state.tr(102));
    Btn_OK->setText(m_state.tr(103));
    Btn_OK->setToolTip(m_state.tr(109));
    Btn_Cancel->setText(m_state.tr(104));
    Btn_Cancel->setToolTip(m_state.tr(110));
    E_New_Proj->setToolTip(m_state.tr(108));
}

void TFNew_Project::showEvent(QShowEvent *event)
{
    E_New_Proj->clear();
    E_New_Proj->setFocus();
    QDialog::showEvent(event);
}

void TFNew_Project::Btn_OKClick()
{
    const QString name = E_New_Proj->text();
    if (const int refusal = createConfiguration(m_state.Projects_Folder, name)) {
        m_prompts.error(m_state.tr(refusal));
        return;
    }
    m_state.activateConfiguration(name);
    accept();
}
