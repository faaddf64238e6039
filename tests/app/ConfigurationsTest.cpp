#include "app/AppState.h"
#include "app/Configurations.h"
#include "app/TFNew_Project.h"
#include "app/TFOpenConf.h"
#include "support/ScriptedPorts.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

TEST(Configurations, CreateRefusesWithItsMessage)
{
    TestFolders folders;
    const QString projects = folders.state.Projects_Folder;
    QDir(projects).mkdir(QStringLiteral("Existing"));
    folders.writeFile(QStringLiteral("PROJECTS/plain-file"), "x");

    const struct
    {
        QString name;
        int entry;
    } cases[] = {
        {QString(), 107},
        {QStringLiteral("Existing"), 106},
        {QStringLiteral("plain-file"), 105},
        {QStringLiteral("missing/inner"), 105},
        {QStringLiteral("Existing/inner"), 105}, // below another configuration
        {QStringLiteral("..\\up"), 105},
        {QStringLiteral("../escape"), 105},
        {QStringLiteral(".."), 105},
        {QStringLiteral("."), 105},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(createConfiguration(projects, c.name), c.entry);
    }
    // Nothing was created by the refusals, inside or outside PROJECTS.
    EXPECT_EQ(entriesOf(projects), (QStringList{QStringLiteral("Existing"), QStringLiteral("plain-file")}));
    EXPECT_TRUE(entriesOf(QStringLiteral("%1/Existing").arg(projects)).isEmpty());
    EXPECT_FALSE(QDir(folders.path(QStringLiteral("escape"))).exists());
}

TEST(Configurations, CreateMakesTheFolderAndItsBinOnly)
{
    TestFolders folders;
    EXPECT_EQ(createConfiguration(folders.state.Projects_Folder, QStringLiteral("Line A")), 0);
    const QString conf = folders.path(QStringLiteral("PROJECTS/Line A"));
    EXPECT_EQ(entriesOf(conf), QStringList{QStringLiteral("bin")});
    EXPECT_TRUE(entriesOf(conf + QStringLiteral("/bin")).isEmpty());
    // Blanks are part of the name as typed.
    EXPECT_EQ(createConfiguration(folders.state.Projects_Folder, QStringLiteral(" Line A")), 0);
    EXPECT_TRUE(QDir(folders.path(QStringLiteral("PROJECTS/ Line A"))).exists());
}

TEST(Configurations, ListingSkipsHiddenFoldersAndFiles)
{
    TestFolders folders;
    for (const char *n : {"B", "a", ".hidden", "C"})
        QDir(folders.state.Projects_Folder).mkdir(QLatin1String(n));
    folders.writeFile(QStringLiteral("PROJECTS/file.txt"), "x");
    QStringList listed = Load_Existing_Configuration(folders.state.Projects_Folder);
    listed.sort();
    EXPECT_EQ(listed, (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("a")}));
    EXPECT_TRUE(Load_Existing_Configuration(folders.path(QStringLiteral("nowhere"))).isEmpty());
}

TEST(Configurations, SearchIgnoresAsciiCase)
{
    const QStringList names{QStringLiteral("Alpha"), QStringLiteral("line a"), QStringLiteral("Line A")};
    EXPECT_EQ(Search_Open_Conf(names, QStringLiteral("LINE A")), 1);
    EXPECT_EQ(Search_Open_Conf(names, QStringLiteral("alpha")), 0);
    EXPECT_EQ(Search_Open_Conf(names, QStringLiteral("Beta")), -1);
    EXPECT_EQ(Search_Open_Conf(names, QString()), -1);
}

TEST(NewProjectDialog, EnterCreatesAndActivatesErrorsKeepTheText)
{
    TestFolders folders;
    ScriptedPrompts prompts;
    TFNew_Project dialog(folders.state, prompts);
    dialog.show();
    EXPECT_TRUE(dialog.E_New_Proj->text().isEmpty());

    dialog.Btn_OKClick();
    EXPECT_EQ(prompts.last(), QStringLiteral("Error! Name Project is not valid"));
    EXPECT_TRUE(dialog.isVisible());

    QDir(folders.state.Projects_Folder).mkdir(QStringLiteral("Line A"));
    dialog.E_New_Proj->setText(QStringLiteral("Line A"));
    QTest::keyClick(dialog.E_New_Proj, Qt::Key_Return);
    EXPECT_EQ(prompts.last(), QStringLiteral("Error! Name project is not valid because directory already exists"));
    EXPECT_EQ(dialog.E_New_Proj->text(), QStringLiteral("Line A"));
    EXPECT_FALSE(folders.state.hasActiveConfiguration());

    dialog.E_New_Proj->setText(QStringLiteral("Line B"));
    QTest::keyClick(dialog.E_New_Proj, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(folders.state.Conf_Name, QStringLiteral("Line B"));
    EXPECT_EQ(QDir(folders.state.Conf_Folder), QDir(folders.path(QStringLiteral("PROJECTS/Line B"))));
    EXPECT_TRUE(folders.state.File_ParGen.endsWith(QStringLiteral("ParGen.xml")));
    EXPECT_TRUE(QDir(folders.path(QStringLiteral("PROJECTS/Line B/bin"))).exists());

    // The next showing starts empty.
    dialog.show();
    EXPECT_TRUE(dialog.E_New_Proj->text().isEmpty());
}

TEST(OpenConfDialog, PreselectsTheActiveConfigurationInAnyCase)
{
    TestFolders folders;
    for (const char *n : {"First", "Line A", "Other"})
        QDir(folders.state.Projects_Folder).mkdir(QLatin1String(n));
    TFOpenConf dialog(folders.state);

    // None active: the first listed folder.
    dialog.FormShow();
    EXPECT_EQ(dialog.Name_Conf, dialog.Conf_List.first());
    EXPECT_EQ(dialog.ListBox1->currentRow(), 0);

    folders.state.activateConfiguration(QStringLiteral("LINE a"));
    dialog.FormShow();
    EXPECT_EQ(dialog.Name_Conf, QStringLiteral("Line A"));
    EXPECT_EQ(dialog.ListBox1->currentItem()->text(), QStringLiteral("Line A"));

    // Choosing another one by keyboard follows the selection.
    dialog.ListBox1->setCurrentRow(dialog.Conf_List.indexOf(QStringLiteral("Other")));
    EXPECT_EQ(dialog.Name_Conf, QStringLiteral("Other"));
}

TEST(OpenConfDialog, EmptyListKeepsTheEarlierChoice)
{
    TestFolders folders;
    TFOpenConf dialog(folders.state);
    dialog.FormShow();
    EXPECT_TRUE(dialog.Name_Conf.isEmpty());
    EXPECT_EQ(dialog.ListBox1->count(), 0);
}
