#include "app/TFTesseraeFirmWare.h"
#include "common/TitlePanel.h"
#include "gsdml/GsdmlFileName.h"
#include "gsdml/TFProfinetFileName.h"
#include "support/ScriptedPorts.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

TEST(TFProfinetFileName, ShowsTheThreePartsSideBySideInTheTableLanguage)
{
    TestFolders folders;
    ScriptedPorts ports;
    const QDate before = QDate::currentDate();
    TFProfinetFileName form(folders.state, ports.ports);
    const QString today = gsdmlDatePart(before);
    EXPECT_TRUE(form.L_XML_Fix2->text() == today || form.L_XML_Fix2->text() == gsdmlDatePart(QDate::currentDate()));
    EXPECT_EQ(form.L_XML_Fix1->text(), QStringLiteral("GSDML-V2.31-Korvell-GWX4410"));
    EXPECT_EQ(form.P_Title->L_SW_Code->text(), QStringLiteral("CFX4410"));

    const std::pair<int, QString> texts[] = {
        {1600, form.windowTitle()},           {1601, form.P_Title->L_SW_Desc->text()},
        {1602, form.L_Select_Name->text()},   {1603, form.L_FixPart_1->text()},
        {1604, form.L_UsedPart->text()},      {1605, form.L_FixPart_2->text()},
        {1606, form.Btn_OK->text()},          {1607, form.Btn_Cancel->text()},
    };
    for (const auto &[entry, shown] : texts)
        EXPECT_EQ(shown, folders.state.tr(entry)) << "entry " << entry;

    folders.state.Lang_Table.applyLanguageText(QString::fromUtf8("STR1604 = \xc2\xb6Parte utente\xc2\xb6\r\n"));
    form.Set_Lang();
    EXPECT_EQ(form.L_UsedPart->text(), QStringLiteral("Parte utente"));

    form.show();
    EXPECT_EQ(form.size(), QSize(540, 205));
    EXPECT_EQ(form.focusWidget(), form.E_XML_User);
    const int row = form.E_XML_User->geometry().center().y();
    EXPECT_EQ(form.L_XML_Fix1->geometry().center().y(), row);
    EXPECT_EQ(form.L_XML_Fix2->geometry().center().y(), row);
    EXPECT_LT(form.L_XML_Fix1->geometry().right(), form.E_XML_User->geometry().left());
    EXPECT_LT(form.E_XML_User->geometry().right(), form.L_XML_Fix2->geometry().left());
    EXPECT_GE(form.L_XML_Fix2->geometry().right(), form.L_XML_Fix2->x() + form.L_XML_Fix2->sizeHint().width() - 1);
}

TEST(TFProfinetFileName, OkFormsTheNameAndTheUserPartStaysForNextTime)
{
    TestFolders folders;
    ScriptedPorts ports;
    TFProfinetFileName form(folders.state, ports.ports);
    form.show();
    form.E_XML_User->setText(QStringLiteral("Line 3"));
    form.Btn_OK->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.Name_File_XML, QStringLiteral("GSDML-V2.31-Korvell-GWX4410_Line 3") + form.L_XML_Fix2->text());

    form.show();
    EXPECT_EQ(form.E_XML_User->text(), QStringLiteral("Line 3"));
    form.Btn_Cancel->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

// The main window's PROFINET XML step: the file-name dialog, then the file in the
// folder chosen in the save dialog.
TEST(TFProfinetFileName, MainWindowStepWritesTheFileUnderTheFormedName)
{
    TestFolders folders;
    ScriptedPorts ports;
    TFTesseraeFirmWare window(folders.state, ports.ports, folders.exeFolder());
    window.createForms();
    const QString conf = folders.makeConfiguration(QStringLiteral("Line A"));
    ports.prompts.saveAnswer = QDir(conf).filePath(QStringLiteral("whatever.xml"));

    QTimer::singleShot(0, window.FProfinetFileName, [&] {
        window.FProfinetFileName->E_XML_User->setText(QStringLiteral("_B"));
        window.FProfinetFileName->Btn_OK->click();
    });
    window.Btn_PROFINET_XML->click();

    const QString name = QStringLiteral("GSDML-V2.31-Korvell-GWX4410_B") + window.FProfinetFileName->L_XML_Fix2->text();
    EXPECT_EQ(window.FProfinetFileName->Name_File_XML, name);
    EXPECT_TRUE(QFileInfo(QDir(conf).filePath(name)).isFile());
    EXPECT_TRUE(ports.prompts.shown.isEmpty()) << ports.prompts.last().toStdString();
}
