#include "lang/LangTable.h"
#include "support/CliRun.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>

namespace {

struct TemplateRun
{
    int exitCode = -1;
    QStringList lines;
    QByteArray stdOut;
};

TemplateRun runLangTemplate(const QStringList &options)
{
    const CliRun cli = runCli(QStringList{QStringLiteral("lang-template")} + options);
    TemplateRun run{cli.exitCode, cli.out.split(u'\n'), cli.stdOut};
    if (!run.lines.isEmpty() && run.lines.last().isEmpty())
        run.lines.removeLast();
    return run;
}

// Each line of the template must read STR<k> = ¶<entry k>¶.
void expectTemplateOf(const TemplateRun &run, const LangTable &table)
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
    const TemplateRun run = runLangTemplate({});
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
    const CliRun run = runCli({QStringLiteral("lang-template"), QStringLiteral("extra")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.stdOut.isEmpty());
}
