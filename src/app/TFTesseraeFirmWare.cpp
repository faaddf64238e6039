#include "app/TFTesseraeFirmWare.h"

#include "app/AppState.h"
#include "app/TFAbout.h"
#include "app/TFNew_Project.h"
#include "app/TFOpenConf.h"
#include "app/ToolSettings.h"
#include "comm/TFParGen.h"
#include "common/ClickableLabel.h"
#include "common/FormStyle.h"
#include "common/Icons.h"
#include "common/LinkOpener.h"
#include "common/Ports.h"
#include "common/Product.h"
#include "common/Prompts.h"
#include "common/TitlePanel.h"
#include "gsdml/GsdmlFile.h"
#include "gsdml/TFProfinetFileName.h"
#include "image/BankCompiler.h"
#include "opcua/TFOPC_UA_Server_Access.h"
#include "options/TFSoftOptions.h"
#include "options/VersionCheck.h"
#include "update/TFBoot.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QLabel *makeLabel(QWidget *parent, int top, int left, bool bold = false)
{
    auto *label = new QLabel(parent);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    label->move(left, top);
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, int top, int left, int width, int height)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, top, width, height);
    FormStyle::applyButton(button);
    return button;
}

} // namespace

TFTesseraeFirmWare::TFTesseraeFirmWare(AppState &state, Ports &ports, const QString &exeFolder, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_ports(ports)
{
    setObjectName(QStringLiteral("TFTesseraeFirmWare"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    FormStyle::applyForm(this);

    // The layout: every control at its place.
    L_SW_Code = makeLabel(this, 8, 16);
    L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    TitlePanel::styleCode(L_SW_Code);
    L_SW_Desc = makeLabel(this, 42, 16, true);
    L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
    L_SW_Desc->setStyleSheet(QStringLiteral("color: #8C8C8C;"));

    LL_Update = new ClickableLabel(this);
    LL_Update->setObjectName(QStringLiteral("LL_Update"));
    LL_Update->move(208, 19);
    LL_Update->setCursor(Qt::PointingHandCursor);
    LL_Update->setStyleSheet(QStringLiteral("color: #0000EE; text-decoration: underline; font-weight: bold;"));
    LL_Update->hide();

    Btn_Info = makeButton(this, "Btn_Info", 8, 516, 50, 50);
    Btn_Opz = makeButton(this, "Btn_Opz", 8, 574, 50, 50);
    Btn_Close = makeButton(this, "Btn_Close", 8, 632, 50, 50);
    Btn_Info->setIcon(Icons::icon(Icons::Kind::Information));
    Btn_Opz->setIcon(Icons::icon(Icons::Kind::Options));
    Btn_Close->setIcon(Icons::icon(Icons::Kind::Close));
    for (QPushButton *b : {Btn_Info, Btn_Opz, Btn_Close})
        b->setIconSize(QSize(30, 30));

    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(80, 70, 348, 36);
    Shape2->setStyleSheet(QStringLiteral("#Shape2 { border: 1px solid #C8C4B0; background: #FFFFFF; }"));
    L_Name_Conf = makeLabel(this, 75, 87);
    L_Name_Conf->setObjectName(QStringLiteral("L_Name_Conf"));
    L_Name_Conf_L2 = makeLabel(this, 88, 87, true);
    L_Name_Conf_L2->setObjectName(QStringLiteral("L_Name_Conf_L2"));

    L_Begin = makeLabel(this, 84, 16, true);
    L_Begin->setObjectName(QStringLiteral("L_Begin"));

    Btn_New = makeButton(this, "Btn_New", 112, 80, 170, 36);
    Btn_Open = makeButton(this, "Btn_Open", 112, 258, 170, 36);
    Btn_Prm_Gen = makeButton(this, "Btn_Prm_Gen", 156, 80, 170, 36);
    Btn_OPC_UA_Server_Access = makeButton(this, "Btn_OPC_UA_Server_Access", 200, 80, 170, 36);
    Btn_PROFINET_XML = makeButton(this, "Btn_PROFINET_XML", 244, 80, 170, 36);
    Btn_CreateBin = makeButton(this, "Btn_CreateBin", 288, 80, 170, 36);
    const std::pair<QPushButton *, Icons::Kind> stepIcons[] = {
        {Btn_New, Icons::Kind::New},
        {Btn_Open, Icons::Kind::Open},
        {Btn_Prm_Gen, Icons::Kind::Communication},
        {Btn_OPC_UA_Server_Access, Icons::Kind::Variables},
        {Btn_PROFINET_XML, Icons::Kind::Description},
        {Btn_CreateBin, Icons::Kind::Update},
    };
    for (const auto &[button, kind] : stepIcons) {
        button->setIcon(Icons::icon(kind));
        button->setIconSize(QSize(20, 20));
    }
    const QPushButton *rows[5] = {Btn_New, Btn_Prm_Gen, Btn_OPC_UA_Server_Access, Btn_PROFINET_XML, Btn_CreateBin};
    for (int i = 0; i < 5; ++i) {
        L_Step[i] = makeLabel(this, rows[i]->y() + 16, 16, true);
        L_Step[i]->setObjectName(QStringLiteral("L_Step_%1").arg(i + 1));
    }

    L_Korvell = new ClickableLabel(this);
    L_Korvell->setObjectName(QStringLiteral("L_Korvell"));
    L_Korvell->move(565, L_Step[4]->y());
    L_Korvell->setCursor(Qt::PointingHandCursor);
    L_Korvell->setStyleSheet(QStringLiteral("color: #0000EE; font-weight: bold; text-decoration: underline;"));

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(10, Btn_CreateBin->y() + 51, 674, 1);
    Shape1->setStyleSheet(QStringLiteral("background: #C8C4B0;"));

    setFixedSize(694, Btn_CreateBin->y() + 152);

    Timer_Update = new QTimer(this);
    Timer_Update->setInterval(60000);

    for (QPushButton *b : findChildren<QPushButton *>())
        connect(b, &QPushButton::clicked, this, [this, b] { Btn_Click(b); });
    connect(Timer_Update, &QTimer::timeout, this, &TFTesseraeFirmWare::Timer_UpdateTimer);
    connect(LL_Update, &ClickableLabel::clicked, this, [this] { m_ports.links.openLink(Product::downloadPageUrl()); });
    connect(L_Korvell, &ClickableLabel::clicked, this, [this] { m_ports.links.openLink(Product::homePageUrl()); });

    // Start-up: folders, settings, language, the remembered configuration.
    m_state.startUp(exeFolder);
    Update_Timer_State();
    setWindowTitle(QStringLiteral("Korvell - Configurator %1 - %2 ").arg(Product::SW_Code, QStringLiteral("OPC UA Server / PROFINET")));
    L_SW_Code->setText(Product::SW_Code);
    L_SW_Desc->setText(Product::SW_Desc);
    L_Korvell->setText(Product::makerAddress());
    Set_Lang();
}

void TFTesseraeFirmWare::createForms()
{
    FNew_Project = new TFNew_Project(m_state, m_ports.prompts, this);
    FOpenConf = new TFOpenConf(m_state, this);
    FAbout = new TFAbout(m_ports.links, this);
    FSoftOptions = new TFSoftOptions(m_state, m_ports, this);
    FSoftOptions->Change_Language = [this] { Change_Language(); };
    FParGen = new TFParGen(m_state, m_ports, this);
    FOPC_UA_Server_Access = new TFOPC_UA_Server_Access(m_state, m_ports, this);
    FBoot = new TFBoot(m_state, m_ports, this);
    FProfinetFileName = new TFProfinetFileName(m_state, m_ports, this);
}

void TFTesseraeFirmWare::Btn_Click(QPushButton *sender)
{
    if (sender == Btn_New) {
        Create_New_Project();
    } else if (sender == Btn_Open) {
        Open_Project();
    } else if (sender == Btn_Close) {
        close();
    } else if (sender == Btn_Info) {
        FAbout->exec();
    } else if (sender == Btn_Opz) {
        if (FSoftOptions->exec() == QDialog::Accepted) {
            Save_Setting();
            Update_Timer_State();
        }
    } else if (!m_state.hasActiveConfiguration()) {
        m_ports.prompts.error(m_state.tr(18));
    } else if (sender == Btn_Prm_Gen) {
        FParGen->exec();
    } else if (sender == Btn_OPC_UA_Server_Access) {
        FOPC_UA_Server_Access->exec();
    } else if (sender == Btn_PROFINET_XML) {
        PROFINET_XML();
    } else if (sender == Btn_CreateBin) {
        Update_Device();
    }
}

void TFTesseraeFirmWare::Create_New_Project()
{
    if (FNew_Project->exec() == QDialog::Accepted)
        showConfigurationLabels();
}

void TFTesseraeFirmWare::Open_Project()
{
    if (FOpenConf->exec() != QDialog::Accepted)
        return;
    m_state.Conf_Name = FOpenConf->Name_Conf;
    if (!m_state.Conf_Name.isEmpty())
        m_state.activateConfiguration(m_state.Conf_Name);
    else
        m_state.clearActiveConfiguration();
    showConfigurationLabels();
}

void TFTesseraeFirmWare::showConfigurationLabels()
{
    if (m_state.hasActiveConfiguration()) {
        L_Name_Conf->setText(m_state.tr(11));
        L_Name_Conf_L2->setText(m_state.Conf_Name);
    } else {
        L_Name_Conf->setText(m_state.tr(9));
        L_Name_Conf_L2->setText(m_state.tr(10));
    }
    L_Name_Conf->adjustSize();
    L_Name_Conf_L2->adjustSize();
}

void TFTesseraeFirmWare::Set_Lang()
{
    L_Begin->setText(m_state.tr(0));
    for (int i = 0; i < 5; ++i)
        L_Step[i]->setText(m_state.tr(1 + i));
    Btn_Info->setToolTip(m_state.tr(12));
    Btn_Opz->setToolTip(m_state.tr(13));
    Btn_Close->setToolTip(m_state.tr(14));
    Btn_New->setText(m_state.tr(15));
    Btn_New->setToolTip(m_state.tr(22));
    Btn_Open->setText(m_state.tr(16));
    Btn_Open->setToolTip(m_state.tr(23));
    Btn_Prm_Gen->setText(m_state.tr(20));
    Btn_Prm_Gen->setToolTip(m_state.tr(24));
    Btn_OPC_UA_Server_Access->setText(m_state.tr(21));
    Btn_OPC_UA_Server_Access->setToolTip(m_state.tr(25));
    Btn_PROFINET_XML->setText(m_state.tr(55));
    Btn_PROFINET_XML->setToolTip(m_state.tr(56));
    Btn_CreateBin->setText(m_state.tr(17));
    Btn_CreateBin->setToolTip(m_state.tr(26));
    LL_Update->setText(m_state.tr(19));
    for (QPushButton *b : {Btn_New, Btn_Open, Btn_Prm_Gen, Btn_OPC_UA_Server_Access, Btn_PROFINET_XML, Btn_CreateBin})
        FormStyle::fitCaption(b);
    for (QLabel *l : findChildren<QLabel *>())
        l->adjustSize();
    showConfigurationLabels();
}

void TFTesseraeFirmWare::Change_Language()
{
    Set_Lang();
    FNew_Project->Set_Lang();
    FOpenConf->Set_Lang();
    FSoftOptions->Set_Lang();
    FBoot->Set_Lang();
    FParGen->Set_Lang();
    FOPC_UA_Server_Access->Set_Lang();
    FProfinetFileName->Set_Lang();
}

void TFTesseraeFirmWare::Update_Device()
{
    BankImages images;
    QString error;
    if (!Compile_Bin_Banks(m_state.Conf_Folder, m_state.Lang_Table, &images, &error)
        || !Save_Bin_Banks(m_state.Conf_Folder, images, &error)) {
        m_ports.prompts.generalError(error);
        return;
    }
    FBoot->Form_Type = 1;
    FBoot->exec();
}

void TFTesseraeFirmWare::PROFINET_XML()
{
    if (FProfinetFileName->exec() == QDialog::Accepted)
        Create_GSDML_File(m_state, m_ports.prompts, FProfinetFileName->Name_File_XML);
}

void TFTesseraeFirmWare::Timer_UpdateTimer()
{
    Timer_Update->stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool newer = Check_Version(m_ports.http, Product::versionCheckUrl());
    QApplication::restoreOverrideCursor();
    if (newer) {
        LL_Update->setText(m_state.tr(19));
        LL_Update->adjustSize();
        LL_Update->show();
    } else {
        LL_Update->hide();
    }
    Timer_Update->setInterval(7200000);
    Timer_Update->start();
}

void TFTesseraeFirmWare::Update_Timer_State()
{
    const bool on = m_state.enable_internet && m_state.enable_update;
    if (on && !Timer_Update->isActive())
        Timer_Update->start();
    else if (!on)
        Timer_Update->stop();
}

void TFTesseraeFirmWare::Save_Setting()
{
    QString error;
    if (!::Save_Setting(m_state, &error))
        m_ports.prompts.generalError(error);
}

void TFTesseraeFirmWare::closeEvent(QCloseEvent *event)
{
    Save_Setting();
    event->accept();
}
