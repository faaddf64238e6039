#include "gsdml/TFProfinetFileName.h"

#include "app/AppState.h"
#include "common/DialogFrame.h"
#include "common/FormStyle.h"
#include "common/TitlePanel.h"
#include "gsdml/GsdmlFileName.h"

#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A fixed part of the name: framed like the edit box beside it, so that the three
// parts read as one line.
QLabel *namePart(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setStyleSheet(QStringLiteral("QLabel { background-color: #EFEDE0; border: 1px solid #C8C4B0;"
                                        " padding: 2px 4px; color: #303030; }"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel *caption(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setStyleSheet(QStringLiteral("color: #505050;"));
    return label;
}

} // namespace

TFProfinetFileName::TFProfinetFileName(AppState &state, Ports &, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("TFProfinetFileName"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    FormStyle::applyForm(this);

    P_Title = new TitlePanel(this);
    L_Select_Name = new QLabel(this);
    L_Select_Name->setObjectName(QStringLiteral("L_Select_Name"));
    QFont bold = L_Select_Name->font();
    bold.setBold(true);
    L_Select_Name->setFont(bold);

    L_FixPart_1 = caption(this, "L_FixPart_1");
    L_XML_Fix1 = namePart(this, "L_XML_Fix1", GSDML_Fixed_Part);
    L_UsedPart = caption(this, "L_UsedPart");
    E_XML_User = new QLineEdit(this);
    E_XML_User->setObjectName(QStringLiteral("E_XML_User"));
    L_FixPart_2 = caption(this, "L_FixPart_2");
    // The date of the program's start, kept for the whole run.
    L_XML_Fix2 = namePart(this, "L_XML_Fix2", gsdmlDatePart(QDate::currentDate()));
    for (QLabel *part : {L_XML_Fix1, L_XML_Fix2})
        part->setFixedHeight(E_XML_User->sizeHint().height());

    const DialogFrame::OkCancel buttons = DialogFrame::okCancel(this);
    Btn_OK = buttons.ok;
    Btn_Cancel = buttons.cancel;

    auto *name = new QGridLayout;
    name->setHorizontalSpacing(4);
    name->setVerticalSpacing(3);
    name->addWidget(L_FixPart_1, 0, 0);
    name->addWidget(L_XML_Fix1, 1, 0);
    name->addWidget(L_UsedPart, 0, 1);
    name->addWidget(E_XML_User, 1, 1);
    name->addWidget(L_FixPart_2, 0, 2);
    name->addWidget(L_XML_Fix2, 1, 2);
    name->setColumnStretch(1, 1);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->setSpacing(8);
    body->addWidget(L_Select_Name);
    body->addLayout(name);
    body->addStretch();
    body->addLayout(buttons.row);
    DialogFrame::titled(this, P_Title)->addLayout(body);
    setFixedSize(540, 205);

    setTabOrder(E_XML_User, Btn_OK);
    setTabOrder(Btn_OK, Btn_Cancel);
    connect(Btn_OK, &QPushButton::clicked, this, &TFProfinetFileName::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(E_XML_User, &QLineEdit::returnPressed, this, &TFProfinetFileName::Btn_OKClick);
    Set_Lang();
}

void TFProfinetFileName::Set_Lang()
{
    setWindowTitle(m_state.tr(1600));
    P_Title->L_SW_Desc->setText(m_state.tr(1601));
    L_Select_Name->setText(m_state.tr(1602));
    L_FixPart_1->setText(m_state.tr(1603));
    L_UsedPart->setText(m_state.tr(1604));
    L_FixPart_2->setText(m_state.tr(1605));
    Btn_OK->setText(m_state.tr(1606));
    Btn_Cancel->setText(m_state.tr(1607));
}

void TFProfinetFileName::showEvent(QShowEvent *event)
{
    E_XML_User->setFocus();
    QDialog::showEvent(event);
}

void TFProfinetFileName::Btn_OKClick()
{
    Name_File_XML = formGsdmlFileName(E_XML_User->text(), L_XML_Fix2->text());
    accept();
}
