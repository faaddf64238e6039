#include "GsdmlTestSupport.h"

#include "support/CliRun.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

TEST(GsdmlCli, WritesTheFileUnderItsFormedNameAndPrintsThePath)
{
    TestFolders folders;
    const QString conf = folders.makeConfiguration(QStringLiteral("Line A"));
    folders.writeFile(folders.state.File_ParGen, parGen("100", "20", "cli-station"));
    const QString out = folders.path(QStringLiteral("out"));
    QDir().mkpath(out);
    const QString inConf = QDir(conf).filePath(QStringLiteral("GSDML-V2.31-Korvell-GWX4410-20130109.xml"));
    const QString inOut = QDir(out).filePath(QStringLiteral("GSDML-V2.31-Korvell-GWX4410_Line 3-20240229.xml"));

    const struct
    {
        QStringList arguments;
        int exitCode;
        QString printed; // the path on standard output
    } cases[] = {
        {{conf, "--date", "20130109"}, 0, inConf},
        {{conf, "--user-part", "Line 3", "--date", "20240229", "--out", out}, 0, inOut},
        {{conf, "--date", "20130109"}, 1, {}},  // there already: not replaced without --yes
        {{conf, "--date", "20130109", "--yes"}, 0, inConf},
        {{conf, "--date", "20130230"}, 2, {}},
        {{conf, "--date", "2013019"}, 2, {}},
        {{}, 2, {}},
        {{conf, "--out", folders.path("missing")}, 3, {}},
        {{folders.path("no such configuration")}, 3, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CliRun run = runCli(QStringList{"gsdml"} + c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_EQ(run.out, c.printed.isEmpty() ? QString() : c.printed + u'\n');
        if (c.exitCode != 0) {
            EXPECT_FALSE(run.err.isEmpty());
        }
    }
    const XmlLoadResult parsed = loadXmlFile(inOut);
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(gsdmlFacts(parsed.document).implementationType, QStringLiteral("cli-station"));
    EXPECT_EQ(gsdmlFacts(parsed.document).inputLength, QStringLiteral("20"));
}
