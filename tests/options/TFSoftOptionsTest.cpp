#include "OptionsFixture.h"

#include "app/TFTesseraeFirmWare.h"
#include "app/ToolSettings.h"
#include "common/ClickableLabel.h"
#include "common/Product.h"
#include "common/TitlePanel.h"
#include "options/TFSoftOptions.h"
#include "support/ScriptedPorts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class SoftOptions : public ::testing::Test
{
protected:
    TestFolders folders;
    ScriptedPorts ports;

    QString tr(int k) const { return folders.state.tr(k); }
    QString pageText(int page, int pages) const
    {
        return tr(305) + QString::number(page) + tr(306) + QString::number(pages);
    }
    static QStringList shownLanguages(const TFSoftOptions &dialog)
    {
        QStringList names;
        for (const ClickableLabel *label : dialog.L_L)
            if (!label->isHidden())
                names.append(label->text());
        return names;
    }
    static QColor flagColour(const ClickableLabel *picture)
    {
        return picture->pixmap().toImage().pixelColor(picture->pixmap().width() / 2, picture->pixmap().height() / 2);
    }
};

} // namespace

TEST_F(SoftOptions, SevenLanguagesOverTwoPages)
{
    for (const char *name : {"Polski", "deutsch", "English", "Italiano", "Nederlands", "español", "Français", "Locked"})
        writeLanguage(folders, QString::fromUtf8(name));
    QFile::setPermissions(folders.path(QStringLiteral("LANGUAGE/Locked.lng")), QFileDevice::ReadOwner | QFileDevice::ReadOther);

    TFSoftOptions dialog(folders.state, ports.ports);
    dialog.FormShow();
    EXPECT_EQ(dialog.L_Sel_Lang->text(), tr(304) + QStringLiteral("English"));
    EXPECT_EQ(dialog.L_Page_Lang->text(), pageText(1, 2));
    EXPECT_EQ(shownLanguages(dialog), QStringList({QStringLiteral("deutsch"), QStringLiteral("English"),
                                                   QStringLiteral("español"), QStringLiteral("Français"),
                                                   QStringLiteral("Italiano"), QStringLiteral("Nederlands")}));
    EXPECT_TRUE(dialog.Btn_Prev->isHidden());
    EXPECT_FALSE(dialog.Btn_Next->isHidden());

    dialog.Btn_Next->click();
    EXPECT_EQ(dialog.Show_Page, 2);
    EXPECT_EQ(dialog.L_Page_Lang->text(), pageText(2, 2));
    EXPECT_EQ(shownLanguages(dialog), QStringList{QStringLiteral("Polski")});
    for (int k = 1; k < 6; ++k)
        EXPECT_TRUE(dialog.I_L[k]->isHidden() && dialog.L_L[k]->isHidden()) << "slot " << k + 1;
    EXPECT_FALSE(dialog.Btn_Prev->isHidden());
    EXPECT_TRUE(dialog.Btn_Next->isHidden());

    // Slot 1 of page 2 is the seventh language.
    ports.prompts.confirmAnswers = {false};
    emit dialog.I_L[0]->clicked();
    EXPECT_EQ(ports.prompts.last(), tr(316) + QStringLiteral("English") + tr(317) + QStringLiteral("Polski") + tr(318));

    dialog.Btn_Prev->click();
    EXPECT_EQ(dialog.Show_Page, 1);
    EXPECT_EQ(shownLanguages(dialog).size(), 6);

    // Each showing starts again on page 1 of the Language tab.
    dialog.Btn_Next->click();
    dialog.PC_Options->setCurrentWidget(dialog.TS_Soft_Settings);
    dialog.FormShow();
    EXPECT_EQ(dialog.Show_Page, 1);
    EXPECT_EQ(dialog.PC_Options->currentWidget(), dialog.TS_Language);
}

TEST_F(SoftOptions, NoLanguageFiles)
{
    TFSoftOptions dialog(folders.state, ports.ports);
    dialog.FormShow();
    EXPECT_EQ(dialog.L_Page_Lang->text(), pageText(1, 0));
    EXPECT_TRUE(shownLanguages(dialog).isEmpty());
    for (const ClickableLabel *picture : dialog.I_L)
        EXPECT_TRUE(picture->isHidden());
    EXPECT_TRUE(dialog.Btn_Prev->isHidden());
    EXPECT_TRUE(dialog.Btn_Next->isHidden());
}

TEST_F(SoftOptions, FlagsFallBackToTheDefaultFlagOrNone)
{
    for (const char *name : {"Deutsch", "English", "Italiano"})
        writeLanguage(folders, QString::fromLatin1(name));
    writeFlag(folders, QStringLiteral("Deutsch"), {Qt::red});
    writeFlag(folders, QStringLiteral("DefaultFlag"), {Qt::blue});
    // A flag file that is no picture counts as missing.
    folders.writeFile(QStringLiteral("LANGUAGE/Italiano.bmp"), "not a picture");

    TFSoftOptions dialog(folders.state, ports.ports);
    dialog.FormShow();
    const QColor expected[] = {Qt::red, Qt::blue, Qt::blue};
    for (int k = 0; k < 3; ++k) {
        ASSERT_FALSE(dialog.I_L[k]->isHidden()) << "slot " << k + 1;
        EXPECT_EQ(flagColour(dialog.I_L[k]), expected[k]) << "slot " << k + 1;
        EXPECT_EQ(dialog.I_L[k]->pixmap().width(), 48);
    }

    QFile::remove(folders.path(QStringLiteral("LANGUAGE/DefaultFlag.bmp")));
    dialog.FormShow();
    EXPECT_FALSE(dialog.I_L[0]->isHidden());
    for (int k = 1; k < 3; ++k) {
        EXPECT_TRUE(dialog.I_L[k]->isHidden()) << "slot " << k + 1;
        EXPECT_FALSE(dialog.L_L[k]->isHidden()) << "slot " << k + 1;
    }
}

TEST_F(SoftOptions, ConnectionControlsFollowTheirCheckBoxes)
{
    folders.state.enable_internet = true;
    folders.state.enable_update = true;
    TFSoftOptions dialog(folders.state, ports.ports);
    dialog.FormShow();
    EXPECT_TRUE(dialog.CB_Update->isEnabled());
    EXPECT_TRUE(dialog.Btn_Check_Update->isEnabled());

    dialog.CB_Update->setChecked(false);
    EXPECT_FALSE(dialog.Btn_Check_Update->isEnabled());
    dialog.CB_Update->setChecked(true);

    // Without the internet the update box is disabled but keeps its tick, which OK stores.
    dialog.CB_En_Con->setChecked(false);
    EXPECT_FALSE(dialog.CB_Update->isEnabled());
    EXPECT_TRUE(dialog.CB_Update->isChecked());
    EXPECT_FALSE(dialog.Btn_Check_Update->isEnabled());
    dialog.CB_Soft_Set_Jump_Table->setChecked(true);
    dialog.CB_DoubleClick_Auto_Size->setChecked(true);
    dialog.Btn_OK->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(folders.state.enable_internet);
    EXPECT_TRUE(folders.state.enable_update);
    EXPECT_TRUE(folders.state.enable_jump_field_tables);
    EXPECT_TRUE(folders.state.Double_Click_Auto_Size);

    // Changes left by a cancelled showing do not survive into the next one.
    dialog.CB_En_Con->setChecked(true);
    dialog.CB_Soft_Set_Jump_Table->setChecked(false);
    dialog.Btn_Cancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.FormShow();
    EXPECT_FALSE(dialog.CB_En_Con->isChecked());
    EXPECT_TRUE(dialog.CB_Soft_Set_Jump_Table->isChecked());
    EXPECT_FALSE(dialog.CB_Update->isEnabled());
}

TEST_F(SoftOptions, CheckNowShowsTheLinkOrNoUpdate)
{
    folders.state.enable_internet = true;
    folders.state.enable_update = true;
    TFSoftOptions dialog(folders.state, ports.ports);
    dialog.FormShow();
    EXPECT_TRUE(dialog.LL_Check_Update->isHidden());

    ports.http.succeed = true;
    ports.http.body = "VER. 1.004";
    dialog.Btn_Check_Update->click();
    EXPECT_EQ(ports.http.requests, QList<QUrl>{Product::versionCheckUrl()});
    EXPECT_FALSE(dialog.LL_Check_Update->isHidden());
    EXPECT_EQ(dialog.LL_Check_Update->text(), tr(314));
    emit dialog.LL_Check_Update->clicked();
    ASSERT_EQ(ports.links.opened.size(), 1);
    EXPECT_EQ(ports.links.opened.first().path(), QStringLiteral("/Home/download/download.asp"));
    EXPECT_EQ(ports.links.opened.first().fragment(), QStringLiteral("GWX4410"));

    ports.http.succeed = false;
    dialog.Btn_Check_Update->click();
    EXPECT_FALSE(dialog.LL_Check_Update->isHidden());
    EXPECT_EQ(dialog.LL_Check_Update->text(), tr(315));
    emit dialog.LL_Check_Update->clicked();
    EXPECT_EQ(ports.links.opened.size(), 1);
    EXPECT_TRUE(ports.prompts.shown.isEmpty());

    dialog.FormShow();
    EXPECT_TRUE(dialog.LL_Check_Update->isHidden());
}

// The whole run: the options dialog opened from the main window, a language
// chosen, then Cancel and later OK.
TEST_F(SoftOptions, LanguageChangeThenCancelKeepsTheStoredLanguage)
{
    writeLanguage(folders, QStringLiteral("English"));
    writeLanguage(folders, QStringLiteral("Deutsch"),
                  {{15, QStringLiteral("Neue Konfiguration")}, {300, QStringLiteral("Software-Optionen")},
                   {304, QStringLiteral("Sprache : ")}, {313, QStringLiteral("Abbrechen")}});
    QString error;
    ASSERT_TRUE(Save_Setting(folders.state, &error)) << error.toStdString();
    const QString settings = folders.state.settingsFile();

    TFTesseraeFirmWare window(folders.state, ports.ports, folders.exeFolder());
    window.createForms();
    TFSoftOptions *dialog = window.FSoftOptions;
    const QString englishNew = window.Btn_New->text();

    // Page 1 reads Deutsch, English: slot 1 is Deutsch.
    ports.prompts.confirmAnswers = {true};
    QTimer::singleShot(0, dialog, [dialog] {
        emit dialog->L_L[0]->clicked();
        dialog->Btn_Cancel->click();
    });
    window.Btn_Opz->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(ports.prompts.texts(), QStringList{tr(316) + QStringLiteral("English") + tr(317) + QStringLiteral("Deutsch") + tr(318)});
    EXPECT_EQ(window.Btn_New->text(), QStringLiteral("Neue Konfiguration"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Software-Optionen"));
    EXPECT_EQ(dialog->Language_In_Use, QStringLiteral("Deutsch"));
    EXPECT_EQ(folders.state.Language_Name, QStringLiteral("English"));
    EXPECT_EQ(readToolSettings(settings).language, QStringLiteral("English"));

    // The next showing starts from the stored language, in the texts now loaded.
    QString selected;
    QTimer::singleShot(0, dialog, [dialog, &selected] {
        selected = dialog->L_Sel_Lang->text();
        dialog->Btn_OK->click();
    });
    window.Btn_Opz->click();
    EXPECT_EQ(selected, QStringLiteral("Sprache : English"));
    EXPECT_EQ(readToolSettings(settings).language, QStringLiteral("English"));

    // Chosen again and confirmed: stored at once.
    ports.prompts.confirmAnswers = {true};
    QTimer::singleShot(0, dialog, [dialog] {
        emit dialog->I_L[0]->clicked();
        dialog->Btn_OK->click();
    });
    window.Btn_Opz->click();
    EXPECT_EQ(folders.state.Language_Name, QStringLiteral("Deutsch"));
    EXPECT_EQ(readToolSettings(settings).language, QStringLiteral("Deutsch"));
    EXPECT_NE(englishNew, window.Btn_New->text());
}

TEST_F(SoftOptions, MainWindowTimerChecksAfterAMinuteThenEveryTwoHours)
{
    folders.state.enable_internet = true;
    folders.state.enable_update = true;
    QString error;
    ASSERT_TRUE(Save_Setting(folders.state, &error)) << error.toStdString();

    TFTesseraeFirmWare window(folders.state, ports.ports, folders.exeFolder());
    EXPECT_TRUE(window.Timer_Update->isActive());
    EXPECT_EQ(window.Timer_Update->interval(), 60000);
    EXPECT_TRUE(window.LL_Update->isHidden());

    ports.http.succeed = true;
    ports.http.body = "VER. 1.004";
    window.Timer_UpdateTimer();
    EXPECT_EQ(ports.http.requests, QList<QUrl>{Product::versionCheckUrl()});
    EXPECT_FALSE(window.LL_Update->isHidden());
    EXPECT_EQ(window.LL_Update->text(), tr(19));
    EXPECT_TRUE(window.Timer_Update->isActive());
    EXPECT_EQ(window.Timer_Update->interval(), 7200000);

    const struct
    {
        bool succeed;
        const char *body;
        bool shown;
    } ticks[] = {{true, "VER. 1.003", false}, {true, "VER. 2.000", true}, {false, "", false}};
    for (const auto &tick : ticks) {
        ports.http.succeed = tick.succeed;
        ports.http.body = tick.body;
        window.Timer_UpdateTimer();
        EXPECT_EQ(!window.LL_Update->isHidden(), tick.shown) << tick.body;
        EXPECT_TRUE(window.Timer_Update->isActive());
        EXPECT_EQ(window.Timer_Update->interval(), 7200000);
    }

    // Switched off and on again through the options: the countdown restarts with two hours.
    folders.state.enable_update = false;
    window.Update_Timer_State();
    EXPECT_FALSE(window.Timer_Update->isActive());
    folders.state.enable_update = true;
    window.Update_Timer_State();
    EXPECT_TRUE(window.Timer_Update->isActive());
    EXPECT_EQ(window.Timer_Update->interval(), 7200000);
}

// Pictures of the three tabs for the documentation: runs only when
// TESSERA_SCREENSHOTS names the folder to write them to.
TEST_F(SoftOptions, Screenshots)
{
    const QString out = qEnvironmentVariable("TESSERA_SCREENSHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "set TESSERA_SCREENSHOTS to a folder to take the pictures";

    const QColor black(0, 0, 0), red(0xDD, 0, 0), gold(0xFF, 0xCE, 0), green(0, 0x92, 0x46), white(0xFF, 0xFF, 0xFF),
        blue(0, 0x23, 0x95), yellow(0xF1, 0xBF, 0);
    const struct
    {
        const char *language;
        QList<QColor> bands;
        bool vertical;
    } flags[] = {
        {"Deutsch", {black, red, gold}, false},       {"Español", {red, yellow, red}, false},
        {"Français", {blue, white, red}, true},       {"Italiano", {green, white, red}, true},
        {"Nederlands", {red, white, blue}, false},    {"Polski", {white, red}, false},
        {"DefaultFlag", {QColor(0xE4, 0xE2, 0xD8)}, false},
    };
    for (const auto &f : flags) {
        const QString language = QString::fromUtf8(f.language);
        if (language != QLatin1String("DefaultFlag"))
            writeLanguage(folders, language);
        writeFlag(folders, language, f.bands, f.vertical);
    }
    writeLanguage(folders, QStringLiteral("English"));
    folders.state.enable_internet = true;
    folders.state.enable_update = true;
    folders.state.Double_Click_Auto_Size = true;
    ports.http.succeed = true;
    ports.http.body = "VER. 1.004";

    TFSoftOptions dialog(folders.state, ports.ports);
    dialog.show();
    QApplication::processEvents();
    const auto save = [&](QWidget *tab, const char *name) {
        dialog.PC_Options->setCurrentWidget(tab);
        QApplication::processEvents();
        EXPECT_TRUE(dialog.grab().save(QDir(out).filePath(QLatin1String(name)))) << name;
    };
    save(dialog.TS_Language, "options-language.png");
    dialog.Btn_Check_Update->click();
    save(dialog.TS_Con_Options, "options-connection.png");
    save(dialog.TS_Soft_Settings, "options-settings.png");
}
