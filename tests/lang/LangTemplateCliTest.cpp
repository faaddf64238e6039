#include "lang/LangTable.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStringList>

namespace {

struct CliRun
{
    int exitCode = -1;
    QStringList lines;
    QByteArray stdOut;
};

CliRun runLangTemplate(const QStringList &options)
{
    QProcess p;
    p.start(QStringLiteral(TESSERA_CLI_PATH), QStringList{QStringLiteral("lang-template")} + options);
    CliRun run;
    if (!p.waitForFinished(30000))
        return run;
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.stdOut = p.readAllStandardOutput();
    run.lines = QString::fromUtf8(run.stdOut).split(u'\n');
    if (!run.lines.isEmpty() && run.lines.last().isEmpty())
        run.lines.removeLast();
    return run;
}

// Each line of the template must read STR<k> = ¶<entry k>¶.
void expectTemplateOf(const CliRun &run, const LangTable &table)
{
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), LangTable::Lang_Table_Count);
    const QChar pilcrow(0x00B6);
    for (int k = 0; k < LangTable::Lang_Table_Count; ++k)
        ASSERT_EQ(run.lines.at(k), QStringLiteral("STR%1 = ").arg(k) + pilcrow + table.text(k) + pilcrow);
}

} // namespace

TEST(LangTemplateCli, PrintsTheEnglishTableAndReadsBackAsTheSameTable)
{
    LangTable english;
    english.Build_Default_Table();
    const CliRun run = runLangTemplate({});
    expectTemplateOf(run, english);

    // The template is itself a language file that reproduces every entry,
    // trailing blanks and single blanks included.
    TestFolders folders;
    folders.writeFile(QStringLiteral("LANGUAGE/Template.lng"), run.stdOut);
    LangTable reread;
    QString name = QStringLiteral("Template");
    reread.Load_Language(folders.state.Language_Folder, name);
    EXPECT_EQ(name, QStringLiteral("Template"));
    for (int k = 0; k < LangTable::Lang_Table_Count; ++k)
        ASSERT_EQ(reread.text(k), english.text(k)) << "entry " << k;
}

TEST(LangTemplateCli, LoadsTheNamedLanguageFromTheProgramFolder)
{
    TestFolders folders;
    folders.writeFile(QStringLiteral("LANGUAGE/Italiano.lng"),
                      "\xEF\xBB\xBFSTR12 = Informazioni\r\nSTR9 = \xC2\xB6Nessuna configurazione \xC2\xB6\r\n");
    folders.writeFile(QStringLiteral("LANGUAGE/English.lng"), "STR12 = Info from English.lng\n");

    // A language without a file falls back to English, English.lng applied.
    const struct
    {
        const char *language;
        const char16_t *expectedLines; // applied over the English table
    } cases[] = {
        {"Italiano", u"STR12 = Informazioni\nSTR9 = \u00B6Nessuna configurazione \u00B6"},
        {"Esperanto", u"STR12 = Info from English.lng"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        LangTable expected;
        expected.Build_Default_Table();
        expected.applyLanguageText(QString::fromUtf16(c.expectedLines));
        expectTemplateOf(runLangTemplate({QStringLiteral("--exe-folder"), folders.exeFolder(),
                                          QStringLiteral("--language"), QString::fromLatin1(c.language)}),
                         expected);
    }
}

TEST(LangTemplateCli, RefusesAnArgument)
{
    QProcess p;
    p.start(QStringLiteral(TESSERA_CLI_PATH), {QStringLiteral("lang-template"), QStringLiteral("extra")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
}
