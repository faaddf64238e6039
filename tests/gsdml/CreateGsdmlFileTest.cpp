#include "GsdmlTestSupport.h"

#include "gsdml/GsdmlFile.h"
#include "support/ScriptedPorts.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace {

const QString Name = QStringLiteral("GSDML-V2.31-Korvell-GWX4410_A-20130109.xml");

// A configuration with its parameter file, and another folder to save into.
struct Step
{
    Step()
    {
        folders.makeConfiguration(QStringLiteral("Line A"));
        folders.writeFile(folders.state.File_ParGen, parGen("100", "20", "line-a"));
        other = folders.path(QStringLiteral("elsewhere"));
        QDir().mkpath(other);
    }

    GsdmlOutcome run(QString *written = nullptr)
    {
        return Create_GSDML_File(folders.state, ports.prompts, Name, written);
    }

    TestFolders folders;
    ScriptedPorts ports;
    QString other;
};

class CreateGsdmlFile : public ::testing::Test, public Step
{
};

} // namespace

TEST_F(CreateGsdmlFile, OffersTheNameInTheConfigurationFolder)
{
    EXPECT_EQ(run(), GsdmlOutcome::Cancelled);
    ASSERT_EQ(ports.prompts.saveRequests.size(), 1);
    const auto &request = ports.prompts.saveRequests.first();
    EXPECT_EQ(request.initialFolder, folders.state.Conf_Folder);
    EXPECT_EQ(request.filterName, QStringLiteral("PROFINET XML"));
    EXPECT_EQ(request.pattern, Name);
    EXPECT_EQ(request.proposedName, Name);
    EXPECT_TRUE(ports.prompts.shown.isEmpty());
    EXPECT_EQ(QDir(folders.state.Conf_Folder).entryList({QStringLiteral("*.xml")}), QStringList{"ParGen.xml"});
}

TEST_F(CreateGsdmlFile, OnlyTheChosenFolderCounts)
{
    ports.prompts.saveAnswer = QDir(other).filePath(QStringLiteral("typed instead.xml"));
    QString written;
    EXPECT_EQ(run(&written), GsdmlOutcome::Written);
    EXPECT_EQ(written, QDir::toNativeSeparators(QDir(other).filePath(Name)));
    EXPECT_EQ(QDir(other).entryList(QDir::Files), QStringList{Name});
    EXPECT_TRUE(ports.prompts.shown.isEmpty());
    const XmlLoadResult parsed = loadXmlFile(written);
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(gsdmlFacts(parsed.document).dnsCompatibleName, QStringLiteral("line-a"));
}

TEST_F(CreateGsdmlFile, AsksBeforeReplacingAFile)
{
    const QString target = folders.writeFile(QDir(other).filePath(Name), "old");
    ports.prompts.saveAnswer = target;
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        ports.prompts.clear();
        ports.prompts.confirmAnswers = {yes};
        EXPECT_EQ(run(), yes ? GsdmlOutcome::Written : GsdmlOutcome::Cancelled);
        ASSERT_EQ(ports.prompts.shown.size(), 1);
        EXPECT_EQ(ports.prompts.shown.first().kind, ScriptedPrompts::Shown::Confirm);
        EXPECT_EQ(ports.prompts.shown.first().text, folders.state.tr(1608));
        EXPECT_EQ(TestFolders::readFile(target) == "old", !yes);
    }
}

TEST_F(CreateGsdmlFile, FailureIsReportedAndLeavesNoFile)
{
    const struct
    {
        const char *what;
        std::function<void(Step &)> arrange;
        std::function<QString(Step &)> mentioned;
    } cases[] = {
        {"a folder stands where the file should go",
         [](Step &t) {
             QDir().mkpath(QDir(t.other).filePath(Name));
             t.ports.prompts.confirmAnswers = {true};
         },
         [](Step &t) { return QDir(t.other).filePath(Name); }},
        {"the parameter file is not well-formed",
         [](Step &t) { t.folders.writeFile(t.folders.state.File_ParGen, "<Par_Gen><PROFINET_NB_IN>"); },
         [](Step &t) { return t.folders.state.File_ParGen; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Step t;
        t.ports.prompts.saveAnswer = QDir(t.other).filePath(Name);
        c.arrange(t);
        EXPECT_EQ(t.run(), GsdmlOutcome::Failed);
        ASSERT_FALSE(t.ports.prompts.shown.isEmpty());
        const auto &report = t.ports.prompts.shown.last();
        EXPECT_EQ(report.kind, ScriptedPrompts::Shown::GeneralError);
        EXPECT_TRUE(report.text.contains(c.mentioned(t))) << report.text.toStdString();
        EXPECT_FALSE(QFileInfo(QDir(t.other).filePath(Name)).isFile());
    }
}
