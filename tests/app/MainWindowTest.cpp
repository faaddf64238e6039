#include "app/AppState.h"
#include "app/TFTesseraeFirmWare.h"
#include "app/TFNew_Project.h"
#include "app/ToolSettings.h"
#include "common/ClickableLabel.h"
#include "common/Product.h"
#include "support/ScriptedPorts.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace {

// A configurator started in a temporary program folder, with scripted ports.
struct Started
{
    explicit Started(const std::function<void(TestFolders &)> &before = {})
    {
        if (before)
            before(folders);
        window = std::make_unique<TFTesseraeFirmWare>(state, ports.ports, folders.exeFolder());
        window->createForms();
    }
    TestFolders folders;
    AppState state;
    ScriptedPorts ports;
    std::unique_ptr<TFTesseraeFirmWare> window;
};

} // namespace

TEST(MainWindow, FirstStartInAnEmptyFolder)
{
    Started s;
    for (const char *f : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(QDir(s.folders.path(QLatin1String(f))).exists()) << f;
    EXPECT_FALSE(s.state.hasActiveConfiguration());
    EXPECT_EQ(s.window->L_Name_Conf->text(), QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(s.window->L_Name_Conf_L2->text(), QStringLiteral("Use Step1 to open or create new configuration"));
    EXPECT_FALSE(s.window->Timer_Update->isActive());
    EXPECT_FALSE(s.window->LL_Update->isVisible());
    EXPECT_EQ(s.window->windowTitle(), QStringLiteral("Korvell - Configurator CFX4410 - OPC UA Server / PROFINET "));

    s.window->show();
    s.window->close();
    EXPECT_EQ(TestFolders::readFile(s.folders.path(QStringLiteral("Tessera.xml"))), toolSettingsXml(ToolSettings()));
}

TEST(MainWindow, LaysOutTheStepsAsDesigned)
{
    Started s;
    TFTesseraeFirmWare &w = *s.window;
    EXPECT_EQ(w.size(), QSize(694, 440));
    const struct
    {
        QWidget *widget;
        QRect geometry;
    } placed[] = {
        {w.Btn_Info, QRect(516, 8, 50, 50)},          {w.Btn_Opz, QRect(574, 8, 50, 50)},
        {w.Btn_Close, QRect(632, 8, 50, 50)},         {w.Btn_New, QRect(80, 112, 170, 36)},
        {w.Btn_Open, QRect(258, 112, 170, 36)},       {w.Btn_Prm_Gen, QRect(80, 156, 170, 36)},
        {w.Btn_OPC_UA_Server_Access, QRect(80, 200, 170, 36)}, {w.Btn_PROFINET_XML, QRect(80, 244, 170, 36)},
        {w.Btn_CreateBin, QRect(80, 288, 170, 36)},   {w.Shape2, QRect(80, 70, 348, 36)},
        {w.Shape1, QRect(10, 339, 674, 1)},
    };
    for (const auto &p : placed)
        EXPECT_EQ(p.widget->geometry(), p.geometry) << p.widget->objectName().toStdString();
    const int stepTops[5] = {128, 172, 216, 260, 304};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(w.L_Step[i]->pos(), QPoint(16, stepTops[i]));
        EXPECT_EQ(w.L_Step[i]->text(), QStringLiteral("Step %1").arg(i + 1));
    }
    EXPECT_EQ(w.L_Korvell->pos(), QPoint(565, 304));
    EXPECT_EQ(w.Btn_Prm_Gen->text(), QStringLiteral("Set Communication"));
    EXPECT_EQ(w.Btn_CreateBin->toolTip(), QStringLiteral("Update the actual Firmware and/or Configuration in the device"));
    EXPECT_EQ(w.L_SW_Code->text(), Product::SW_Code);
}

TEST(MainWindow, StepsTwoToFiveNeedAConfiguration)
{
    // The remembered configuration's folder is gone: none active, the name is kept.
    Started s([](TestFolders &f) {
        f.writeFile(QStringLiteral("Tessera.xml"),
                    "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
    });
    EXPECT_FALSE(s.state.hasActiveConfiguration());
    EXPECT_EQ(s.state.Conf_Name, QStringLiteral("Gone"));
    EXPECT_EQ(s.window->L_Name_Conf->text(), QStringLiteral("None Configuration Opened "));

    for (QPushButton *b : {s.window->Btn_Prm_Gen, s.window->Btn_OPC_UA_Server_Access, s.window->Btn_PROFINET_XML,
                           s.window->Btn_CreateBin}) {
        s.ports.prompts.clear();
        b->click();
        ASSERT_EQ(s.ports.prompts.shown.size(), 1) << b->objectName().toStdString();
        EXPECT_EQ(s.ports.prompts.shown.first().kind, ScriptedPrompts::Shown::Error);
        EXPECT_EQ(s.ports.prompts.last(), QStringLiteral("Error! Project not Valid"));
    }
    s.window->show();
    s.window->close();
    EXPECT_EQ(readToolSettings(s.folders.path(QStringLiteral("Tessera.xml"))).projectname, QStringLiteral("Gone"));
}

TEST(MainWindow, RestoresTheRememberedConfiguration)
{
    Started s([](TestFolders &f) {
        QDir(f.state.Projects_Folder).mkdir(QStringLiteral("Line A"));
        f.writeFile(QStringLiteral("Tessera.xml"),
                    "<Conf_Settings><lastproj><projectname>Line A</projectname></lastproj></Conf_Settings>");
    });
    EXPECT_TRUE(s.state.hasActiveConfiguration());
    EXPECT_EQ(s.window->L_Name_Conf->text(), QStringLiteral("Opened Configuration of the Converter : "));
    EXPECT_EQ(s.window->L_Name_Conf_L2->text(), QStringLiteral("Line A"));
    EXPECT_EQ(QDir(s.state.Conf_Folder), QDir(s.folders.path(QStringLiteral("PROJECTS/Line A"))));
    EXPECT_EQ(QDir::fromNativeSeparators(s.state.File_OPC_UA_Server),
              QDir::fromNativeSeparators(s.state.Conf_Folder) + QStringLiteral("/OPC_UA_Server.xml"));
}

TEST(MainWindow, ARememberedNameLeadingOutsideProjectsIsNotOpened)
{
    Started s([](TestFolders &f) {
        f.writeFile(QStringLiteral("Tessera.xml"),
                    "<Conf_Settings><lastproj><projectname>../MASTER</projectname></lastproj></Conf_Settings>");
    });
    EXPECT_FALSE(s.state.hasActiveConfiguration());
    EXPECT_EQ(s.state.Conf_Name, QStringLiteral("../MASTER"));
}

TEST(MainWindow, TimerRunsOnlyWithBothInternetOptions)
{
    Started s([](TestFolders &f) {
        f.writeFile(QStringLiteral("Tessera.xml"),
                    "<C><lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update></lastinternet></C>");
    });
    EXPECT_TRUE(s.window->Timer_Update->isActive());
    EXPECT_EQ(s.window->Timer_Update->interval(), 60000);

    s.state.enable_update = false;
    s.window->Update_Timer_State();
    EXPECT_FALSE(s.window->Timer_Update->isActive());
}

TEST(MainWindow, LanguageFileLabelsTheWindow)
{
    Started s([](TestFolders &f) {
        f.writeFile(QStringLiteral("LANGUAGE/Italiano.lng"),
                    "STR20 = Imposta Comunicazione\r\nSTR9 = \xC2\xB6Nessuna Configurazione \xC2\xB6\r\n");
        f.writeFile(QStringLiteral("Tessera.xml"),
                    "<C><lastlang><language>Italiano</language></lastlang></C>");
    });
    EXPECT_EQ(s.state.Language_Name, QStringLiteral("Italiano"));
    EXPECT_EQ(s.window->Btn_Prm_Gen->text(), QStringLiteral("Imposta Comunicazione"));
    EXPECT_EQ(s.window->L_Name_Conf->text(), QStringLiteral("Nessuna Configurazione "));
    EXPECT_EQ(s.window->Btn_New->text(), QStringLiteral("New Configuration"));
}

TEST(MainWindow, ASettingsFileThatCannotBeWrittenIsReportedAndTheProgramStillEnds)
{
    Started s([](TestFolders &f) { QDir().mkpath(f.path(QStringLiteral("Tessera.xml/blocked"))); });
    s.window->show();
    EXPECT_TRUE(s.window->close());
    EXPECT_FALSE(s.window->isVisible());
    ASSERT_EQ(s.ports.prompts.shown.size(), 1);
    EXPECT_EQ(s.ports.prompts.shown.first().kind, ScriptedPrompts::Shown::GeneralError);
    EXPECT_TRUE(s.ports.prompts.last().contains(QStringLiteral("Tessera.xml")));
}

TEST(MainWindow, LinksOpenTheMakersPages)
{
    Started s;
    emit s.window->L_Korvell->clicked();
    emit s.window->LL_Update->clicked();
    ASSERT_EQ(s.ports.links.opened.size(), 2);
    EXPECT_EQ(s.ports.links.opened.at(0), Product::homePageUrl());
    EXPECT_EQ(s.ports.links.opened.at(0).query(), QStringLiteral("frompg=CFX4410"));
    EXPECT_EQ(s.ports.links.opened.at(1).fragment(), QStringLiteral("GWX4410"));
}

namespace {

// Accepts (or rejects) the next modal dialog as soon as it shows.
void answerNextDialog(bool accept)
{
    QTimer::singleShot(0, [accept] {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            accept ? d->accept() : d->reject();
    });
}

} // namespace

TEST(MainWindow, OpenFollowsTheChoiceAndAnEmptyListLeavesNoneActive)
{
    Started s([](TestFolders &f) { QDir(f.state.Projects_Folder).mkdir(QStringLiteral("Line A")); });
    s.window->show();

    answerNextDialog(false); // Cancel changes nothing
    s.window->Btn_Open->click();
    EXPECT_FALSE(s.state.hasActiveConfiguration());

    answerNextDialog(true); // OK on the pre-selected first folder
    s.window->Btn_Open->click();
    EXPECT_EQ(s.state.Conf_Name, QStringLiteral("Line A"));
    EXPECT_EQ(s.window->L_Name_Conf_L2->text(), QStringLiteral("Line A"));

    // With no configuration left to list, OK leaves none active.
    Started empty;
    empty.window->show();
    answerNextDialog(true);
    empty.window->Btn_Open->click();
    EXPECT_FALSE(empty.state.hasActiveConfiguration());
    EXPECT_EQ(empty.window->L_Name_Conf->text(), QStringLiteral("None Configuration Opened "));
    empty.window->Btn_Prm_Gen->click();
    EXPECT_EQ(empty.ports.prompts.last(), QStringLiteral("Error! Project not Valid"));
}

TEST(MainWindow, NewConfigurationBecomesActive)
{
    Started s;
    s.window->show();
    QTimer::singleShot(0, [&s] {
        s.window->FNew_Project->E_New_Proj->setText(QStringLiteral("Line A"));
        s.window->FNew_Project->Btn_OKClick();
    });
    s.window->Btn_New->click();
    EXPECT_EQ(s.state.Conf_Name, QStringLiteral("Line A"));
    EXPECT_EQ(s.window->L_Name_Conf->text(), QStringLiteral("Opened Configuration of the Converter : "));
    EXPECT_TRUE(QDir(s.folders.path(QStringLiteral("PROJECTS/Line A/bin"))).exists());
}
