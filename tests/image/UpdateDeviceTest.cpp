#include "app/TFTesseraeFirmWare.h"
#include "image/BankCompiler.h"
#include "update/TFBoot.h"

#include "support/ScriptedPorts.h"
#include "support/TestFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The update step of the main window: compile, save, then the update dialog.
class UpdateDevice : public ::testing::Test
{
protected:
    TestFolders folders;
    ScriptedPorts ports;
    TFTesseraeFirmWare window{folders.state, ports.ports, folders.exeFolder()};
    QString conf;
    bool dialogShown = false;

    void SetUp() override
    {
        window.createForms();
        conf = folders.makeConfiguration(QStringLiteral("Line A"));
    }
    QString path(const QString &name) const { return QDir(conf).filePath(name); }

    // Clicks the step's button; the update dialog, if it opens, is closed at once.
    void clickUpdate()
    {
        QTimer::singleShot(0, window.FBoot, [this] {
            dialogShown = window.FBoot->isVisible();
            window.FBoot->reject();
        });
        window.Btn_CreateBin->click();
        QCoreApplication::processEvents();
    }
};

TEST_F(UpdateDevice, WritesBothBanksAndOpensTheDialog)
{
    clickUpdate();
    EXPECT_TRUE(ports.prompts.shown.isEmpty()) << ports.prompts.last().toStdString();
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(window.FBoot->Form_Type, 1);
    BankImages images;
    QString error;
    ASSERT_TRUE(Compile_Bin_Banks(conf, folders.state.Lang_Table, &images, &error));
    EXPECT_EQ(TestFolders::readFile(path(QStringLiteral("bin/bank1.bin"))), images.bank1);
    EXPECT_EQ(TestFolders::readFile(path(QStringLiteral("bin/bank2.bin"))), images.bank2);
}

TEST_F(UpdateDevice, AnUnreadableFileIsReportedAndTheDialogStaysShut)
{
    folders.writeFile(path(QStringLiteral("OPC_UA_Server.xml")), "<OPC_UA_Server>");
    clickUpdate();
    ASSERT_EQ(ports.prompts.shown.size(), 1);
    EXPECT_EQ(ports.prompts.shown.first().kind, ScriptedPrompts::Shown::GeneralError);
    EXPECT_TRUE(ports.prompts.last().startsWith(path(QStringLiteral("OPC_UA_Server.xml"))));
    EXPECT_FALSE(dialogShown);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("bin/bank1.bin"))));
}

} // namespace
