#include "options/TFSoftOptions.h"

#include "app/AppState.h"
#include "common/ClickableLabel.h"
#include "common/DialogFrame.h"
#include "common/FormStyle.h"
#include "common/LinkOpener.h"
#include "common/Ports.h"
#include "common/Product.h"
#include "common/Prompts.h"
#include "common/TitlePanel.h"
#include "options/LanguageList.h"
#include "options/VersionCheck.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int Flag_Size = 48;

// A control that keeps its place in the layout while hidden, so that hiding
// one slot or paging button does not move the others.
template<typename W>
W *steady(W *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    return widget;
}

// A flag with a thin outline, so that white or pale bands stand out on the page.
QPixmap framed(QPixmap flag)
{
    QPainter painter(&flag);
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    painter.drawRect(flag.rect().adjusted(0, 0, -1, -1));
    return flag;
}

QPushButton *makeButton(const char *name)
{
    auto *button = new QPushButton;
    button->setObjectName(QLatin1String(name));
    FormStyle::applyButton(button);
    button->setMinimumSize(96, 28);
    return button;
}

QCheckBox *makeCheckBox(const char *name)
{
    auto *box = new QCheckBox;
    box->setObjectName(QLatin1String(name));
    box->setCursor(Qt::PointingHandCursor);
    return box;
}

} // namespace

TFSoftOptions::TFSoftOptions(AppState &state, Ports &ports, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_ports(ports)
{
    // FormCreate
    setObjectName(QStringLiteral("TFSoftOptions"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    FormStyle::applyForm(this);
    setFixedSize(509, 373);

    P_Title = new TitlePanel(this);

    PC_Options = new QTabWidget;
    PC_Options->setObjectName(QStringLiteral("PC_Options"));
    PC_Options->setStyleSheet(QStringLiteral(
        "QTabWidget::pane { border: 1px solid #C8C4B0; background: #FFFFFF; top: -1px; }"
        "QTabBar::tab { background: #F8F7ED; border: 1px solid #C8C4B0; padding: 5px 14px; margin-right: 2px; }"
        "QTabBar::tab:selected { background: #FFFFFF; border-bottom-color: #FFFFFF; }"
        "QTabBar::tab:!selected { margin-top: 2px; }"
        "QTabBar::tab:hover { background: #FFE0B8; }"));

    // The language tab: the selected language, six slots in two columns, paging.
    TS_Language = new QWidget;
    TS_Language->setObjectName(QStringLiteral("TS_Language"));
    L_Sel_Lang = new QLabel;
    L_Sel_Lang->setObjectName(QStringLiteral("L_Sel_Lang"));
    QFont bold = L_Sel_Lang->font();
    bold.setBold(true);
    L_Sel_Lang->setFont(bold);
    auto *slotGrid = new QGridLayout;
    slotGrid->setHorizontalSpacing(12);
    slotGrid->setVerticalSpacing(4);
    for (int k = 0; k < 6; ++k) {
        I_L[k] = steady(new ClickableLabel);
        I_L[k]->setObjectName(QStringLiteral("I_L%1").arg(k + 1));
        I_L[k]->setFixedSize(Flag_Size, Flag_Size);
        I_L[k]->setAlignment(Qt::AlignCenter);
        L_L[k] = steady(new ClickableLabel);
        L_L[k]->setObjectName(QStringLiteral("L_L%1").arg(k + 1));
        L_L[k]->setMinimumWidth(150);
        for (ClickableLabel *c : {I_L[k], L_L[k]}) {
            c->setCursor(Qt::PointingHandCursor);
            connect(c, &ClickableLabel::clicked, this, [this, k] { LangClick(k + 1); });
        }
        // Slots 1 to 3 down the left column, 4 to 6 down the right one.
        const int row = k % 3;
        const int column = (k / 3) * 2;
        slotGrid->addWidget(I_L[k], row, column);
        slotGrid->addWidget(L_L[k], row, column + 1);
    }
    slotGrid->setColumnStretch(1, 1);
    slotGrid->setColumnStretch(3, 1);
    L_Page_Lang = new QLabel;
    L_Page_Lang->setObjectName(QStringLiteral("L_Page_Lang"));
    L_Page_Lang->setAlignment(Qt::AlignCenter);
    Btn_Prev = steady(makeButton("Btn_Prev"));
    Btn_Next = steady(makeButton("Btn_Next"));
    auto *paging = new QHBoxLayout;
    paging->addWidget(Btn_Prev);
    paging->addWidget(L_Page_Lang, 1);
    paging->addWidget(Btn_Next);
    auto *languageLayout = new QVBoxLayout(TS_Language);
    languageLayout->setContentsMargins(16, 10, 16, 10);
    languageLayout->setSpacing(6);
    languageLayout->addWidget(L_Sel_Lang);
    languageLayout->addLayout(slotGrid);
    languageLayout->addStretch();
    languageLayout->addLayout(paging);

    // The connection tab.
    TS_Con_Options = new QWidget;
    TS_Con_Options->setObjectName(QStringLiteral("TS_Con_Options"));
    CB_En_Con = makeCheckBox("CB_En_Con");
    CB_Update = makeCheckBox("CB_Update");
    Btn_Check_Update = makeButton("Btn_Check_Update");
    Btn_Check_Update->setMinimumWidth(180);
    LL_Check_Update = new ClickableLabel;
    LL_Check_Update->setObjectName(QStringLiteral("LL_Check_Update"));
    LL_Check_Update->setWordWrap(true);
    auto *updateRow = new QHBoxLayout;
    updateRow->addSpacing(24);
    updateRow->addWidget(CB_Update);
    auto *checkRow = new QHBoxLayout;
    checkRow->addWidget(Btn_Check_Update);
    checkRow->addStretch();
    auto *connectionLayout = new QVBoxLayout(TS_Con_Options);
    connectionLayout->setContentsMargins(16, 16, 16, 16);
    connectionLayout->setSpacing(10);
    connectionLayout->addWidget(CB_En_Con);
    connectionLayout->addLayout(updateRow);
    connectionLayout->addSpacing(14);
    connectionLayout->addLayout(checkRow);
    connectionLayout->addWidget(LL_Check_Update);
    connectionLayout->addStretch();

    // The table preferences.
    TS_Soft_Settings = new QWidget;
    TS_Soft_Settings->setObjectName(QStringLiteral("TS_Soft_Settings"));
    CB_Soft_Set_Jump_Table = makeCheckBox("CB_Soft_Set_Jump_Table");
    CB_DoubleClick_Auto_Size = makeCheckBox("CB_DoubleClick_Auto_Size");
    auto *settingsLayout = new QVBoxLayout(TS_Soft_Settings);
    settingsLayout->setContentsMargins(16, 16, 16, 16);
    settingsLayout->setSpacing(10);
    settingsLayout->addWidget(CB_Soft_Set_Jump_Table);
    settingsLayout->addWidget(CB_DoubleClick_Auto_Size);
    settingsLayout->addStretch();

    PC_Options->addTab(TS_Language, QString());
    PC_Options->addTab(TS_Con_Options, QString());
    PC_Options->addTab(TS_Soft_Settings, QString());

    P_Button = new QFrame;
    P_Button->setObjectName(QStringLiteral("P_Button"));
    Btn_OK = makeButton("Btn_OK");
    Btn_Cancel = makeButton("Btn_Cancel");
    Btn_OK->setDefault(true);
    auto *buttons = new QHBoxLayout(P_Button);
    buttons->setContentsMargins(8, 0, 8, 8);
    buttons->addStretch();
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancel);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(8, 8, 8, 8);
    body->addWidget(PC_Options, 1);
    QVBoxLayout *layout = DialogFrame::titled(this, P_Title);
    layout->addLayout(body, 1);
    layout->addWidget(P_Button);

    connect(Btn_Prev, &QPushButton::clicked, this, [this] { Btn_NextClick(Btn_Prev); });
    connect(Btn_Next, &QPushButton::clicked, this, [this] { Btn_NextClick(Btn_Next); });
    for (QCheckBox *box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        connect(box, &QCheckBox::toggled, this, &TFSoftOptions::Update_CheckBox);
    connect(Btn_Check_Update, &QPushButton::clicked, this, &TFSoftOptions::Btn_Check_UpdateClick);
    connect(LL_Check_Update, &ClickableLabel::clicked, this, &TFSoftOptions::LL_Check_UpdateLinkClick);
    connect(Btn_OK, &QPushButton::clicked, this, &TFSoftOptions::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    Language_In_Use = m_state.Language_Name;
    Set_Lang();
    showCheckResult();
}

void TFSoftOptions::Set_Lang()
{
    setWindowTitle(m_state.tr(300));
    P_Title->L_SW_Desc->setText(m_state.tr(301));
    PC_Options->setTabText(PC_Options->indexOf(TS_Language), m_state.tr(302));
    PC_Options->setTabText(PC_Options->indexOf(TS_Con_Options), m_state.tr(303));
    PC_Options->setTabText(PC_Options->indexOf(TS_Soft_Settings), m_state.tr(319));
    Btn_Prev->setText(m_state.tr(307));
    Btn_Next->setText(m_state.tr(308));
    CB_En_Con->setText(m_state.tr(309));
    CB_Update->setText(m_state.tr(310));
    Btn_Check_Update->setText(m_state.tr(311));
    Btn_OK->setText(m_state.tr(312));
    Btn_Cancel->setText(m_state.tr(313));
    CB_Soft_Set_Jump_Table->setText(m_state.tr(320));
    CB_DoubleClick_Auto_Size->setText(m_state.tr(321));
    showSelection();
    showCheckResult();
}

void TFSoftOptions::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFSoftOptions::FormShow()
{
    Language_In_Use = m_state.Language_Name;
    Create_Lang_List();
    m_checkResult = CheckResult::NotAsked;
    showCheckResult();
    PC_Options->setCurrentWidget(TS_Language);
    CB_En_Con->setChecked(m_state.enable_internet);
    CB_Update->setChecked(m_state.enable_update);
    CB_Soft_Set_Jump_Table->setChecked(m_state.enable_jump_field_tables);
    CB_DoubleClick_Auto_Size->setChecked(m_state.Double_Click_Auto_Size);
    Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages = LanguageList::languageFiles(m_state.Language_Folder);
    Show_Page = 1;
    Update_Lang_Page(1);
}

void TFSoftOptions::showSelection()
{
    L_Sel_Lang->setText(m_state.tr(304) + Language_In_Use);
    const int pages = LanguageList::page(int(SL_Languages.size()), Show_Page).pages;
    L_Page_Lang->setText(m_state.tr(305) + QString::number(Show_Page) + m_state.tr(306) + QString::number(pages));
}

void TFSoftOptions::Update_Lang_Page(int Num_Page)
{
    Show_Page = Num_Page;
    showSelection();
    const LanguageList::Page page = LanguageList::page(int(SL_Languages.size()), Num_Page);
    Btn_Prev->setVisible(page.prevVisible);
    Btn_Next->setVisible(page.nextVisible);
    for (int k = 0; k < 6; ++k) {
        const bool shown = k < page.shown;
        L_L[k]->setVisible(shown);
        if (!shown) {
            I_L[k]->hide();
            continue;
        }
        const QString language = LanguageList::languageOf(SL_Languages.at(page.firstIndex + k));
        L_L[k]->setText(language);
        showFlag(I_L[k], language);
    }
}

void TFSoftOptions::showFlag(ClickableLabel *picture, const QString &language)
{
    // A flag that cannot be read as a picture counts as missing.
    for (const QString &file : LanguageList::flagFiles(m_state.Language_Folder, language)) {
        QPixmap flag;
        if (flag.load(file)) {
            picture->setPixmap(framed(flag.scaled(Flag_Size, Flag_Size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
            picture->show();
            return;
        }
    }
    picture->clear();
    picture->hide();
}

void TFSoftOptions::Btn_NextClick(QPushButton *sender)
{
    Update_Lang_Page(LanguageList::turnPage(int(SL_Languages.size()), Show_Page, sender == Btn_Next));
}

void TFSoftOptions::LangClick(int slot)
{
    const int index = (Show_Page - 1) * LanguageList::Slots_Per_Page + slot - 1;
    if (index < 0 || index >= SL_Languages.size())
        return;
    const QString language = LanguageList::languageOf(SL_Languages.at(index));
    if (!m_ports.prompts.confirm(m_state.tr(316) + Language_In_Use + m_state.tr(317) + language + m_state.tr(318)))
        return;
    Language_In_Use = language;
    // The table takes the new language now; Language_Name follows only on OK.
    QString loaded = language;
    m_state.Lang_Table.Load_Language(m_state.Language_Folder, loaded);
    if (Change_Language)
        Change_Language();
    else
        Set_Lang();
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->setEnabled(CB_En_Con->isChecked());
    Btn_Check_Update->setEnabled(CB_Update->isEnabled() && CB_Update->isChecked());
}

void TFSoftOptions::Btn_Check_UpdateClick()
{
    // The request blocks until it ends; the cursor shows the wait.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool newer = Check_Version(m_ports.http, Product::versionCheckUrl());
    QApplication::restoreOverrideCursor();
    m_checkResult = newer ? CheckResult::Newer : CheckResult::NoUpdate;
    showCheckResult();
}

void TFSoftOptions::showCheckResult()
{
    if (m_checkResult == CheckResult::NotAsked) {
        LL_Check_Update->hide();
        return;
    }
    const bool link = m_checkResult == CheckResult::Newer;
    LL_Check_Update->setText(m_state.tr(link ? 314 : 315));
    LL_Check_Update->setCursor(link ? Qt::PointingHandCursor : Qt::ArrowCursor);
    LL_Check_Update->setStyleSheet(link ? QStringLiteral("color: #0000EE; text-decoration: underline;")
                                        : QStringLiteral("color: #303030;"));
    LL_Check_Update->show();
}

void TFSoftOptions::LL_Check_UpdateLinkClick()
{
    if (m_checkResult == CheckResult::Newer)
        m_ports.links.openLink(Product::downloadPageUrl());
}

void TFSoftOptions::Btn_OKClick()
{
    m_state.Language_Name = Language_In_Use;
    m_state.enable_internet = CB_En_Con->isChecked();
    m_state.enable_update = CB_Update->isChecked();
    m_state.enable_jump_field_tables = CB_Soft_Set_Jump_Table->isChecked();
    m_state.Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->isChecked();
    accept();
}
