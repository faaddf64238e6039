#include "lang/DefaultTexts.h"
#include "lang/LangTable.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include <ctime>

#if defined(__SANITIZE_ADDRESS__)
#define TESSERA_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSERA_SANITIZED 1
#endif
#endif

namespace {

LangTable englishTable()
{
    LangTable t;
    t.Build_Default_Table();
    return t;
}

QStringList entries(const LangTable &t)
{
    QStringList all;
    for (int k = 0; k < t.count(); ++k)
        all.append(t.text(k));
    return all;
}

// The indexes at which two tables differ.
QList<int> differences(const LangTable &a, const LangTable &b)
{
    QList<int> diff;
    for (int k = 0; k < qMax(a.count(), b.count()); ++k)
        if (a.text(k) != b.text(k))
            diff.append(k);
    return diff;
}

// UTF-16 bytes written by hand, so the decoder is not checked against itself.
QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
        out.append(bigEndian ? hi : lo);
        out.append(bigEndian ? lo : hi);
    }
    return out;
}

// Processor time of this process in milliseconds: unlike the wall clock, it does
// not grow when the machine is busy with other work.
qint64 cpuMilliseconds()
{
    return qint64(double(std::clock()) * 1000.0 / CLOCKS_PER_SEC);
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

TEST(DefaultTable, HoldsEveryBuiltInTextAtItsIndexAndABlankElsewhere)
{
    const LangTable t = englishTable();
    ASSERT_EQ(t.count(), LangTable::Lang_Table_Count);

    QList<bool> listed(LangTable::Lang_Table_Count, false);
    int previous = -1;
    for (int i = 0; i < kDefaultTextCount; ++i) {
        const DefaultText &d = kDefaultTexts[i];
        ASSERT_GT(d.index, previous) << "the built-in texts must be in strictly rising index order";
        ASSERT_LT(d.index, LangTable::Lang_Table_Count);
        previous = d.index;
        listed[d.index] = true;
        EXPECT_EQ(t.text(d.index), QString::fromUtf16(d.text)) << "entry " << d.index;
    }
    for (int k = 0; k < LangTable::Lang_Table_Count; ++k) {
        if (!listed[k]) {
            EXPECT_EQ(t.text(k), QStringLiteral(" ")) << "entry " << k;
        }
    }
}

TEST(DefaultTable, SpotChecksAcrossTheBlocks)
{
    const LangTable t = englishTable();
    const struct
    {
        int index;
        const char16_t *text;
    } cases[] = {
        {9, u"None Configuration Opened "},
        {11, u"Opened Configuration of the Converter : "},
        {18, u"Error! Project not Valid"},
        {30, u"No configuration is active."},
        {106, u"Error! Name project is not valid because directory already exists"},
        {202, u"List of Avaliable Configurations"},
        {306, u" / "},
        {317, u" to "},
        {418, u"Enable/disable the Default Gateway"},
        {677, u"Enable/Disable the Default Gateway"},
        {925, u"Error OPC UA Server!! IP Address 4 must be between 0 and 255"},
        {1107, u"Error PROFINET!! Number Bytes Input must be between 0 and "},
        {1163, u"Insert Third byte of Primary DNS"},
        {1176, u"Error Secondary DNS!! DNS 3 must be between 0 and 255"},
        {1223, u"Insert third byte of IP Address"},
        {1236, u"Device Not Found!"},
        {1238, u"The updater was not found. It was looked for at:"},
        {1302, u"Error!!! Copy a valid row before Paste it"},
        {1421, u"%1 could not be read when the list was opened. Replace it with the list shown?"},
        {1427, u"Error row %d!! Position Must be Between 0 and %d"},
        {1428, u"Are you sure to delete the Row number %d"},
        {1608, u"File already exists! Do you want to overwrite the file?"},
        {8, u" "},
        {1500, u" "},
        {4199, u" "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(t.text(c.index), QString::fromUtf16(c.text)) << "entry " << c.index;
    EXPECT_EQ(t.text(-1), QString());
    EXPECT_EQ(t.text(4200), QString());
}

// One line of a language file and what it does to the table.
struct LineCase
{
    const char16_t *line;
    int index; // -1: the line changes nothing
    const char16_t *value;
};

class LanguageLine : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(LanguageLine, SetsOnlyTheEntryItNames)
{
    const LineCase c = GetParam();
    const QString line = QString::fromUtf16(c.line);

    QString value;
    EXPECT_EQ(LangTable::parseLine(line, &value), c.index);
    if (c.index >= 0) {
        EXPECT_EQ(value, QString::fromUtf16(c.value));
    }

    const LangTable english = englishTable();
    LangTable t = englishTable();
    t.applyLanguageText(line);
    if (c.index < 0) {
        EXPECT_TRUE(differences(t, english).isEmpty());
    } else {
        EXPECT_EQ(t.text(c.index), QString::fromUtf16(c.value));
        for (int k : differences(t, english)) {
            EXPECT_EQ(k, c.index);
        }
    }
    EXPECT_EQ(t.count(), LangTable::Lang_Table_Count);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LanguageLine,
    ::testing::Values(
        LineCase{u"STR12 = Hello", 12, u"Hello"},
        LineCase{u"STR12    =    Hello   ", 12, u"Hello"},
        LineCase{u"   STR12 = Hello", 12, u"Hello"},
        LineCase{u"\tSTR12 = Hello\t\x01", 12, u"Hello"},
        LineCase{u"STR 12 = Hello", 12, u"Hello"},
        // The character just before the "=" never belongs to the index.
        LineCase{u"STR12=Hello", 1, u"Hello"},
        LineCase{u"STR123= Hello", 12, u"Hello"},
        LineCase{u"STR12\t= Hello", 12, u"Hello"},
        LineCase{u"STR5=Hello", -1, nullptr},
        LineCase{u"STR=Hello", -1, nullptr},
        LineCase{u"str12 = Hello", -1, nullptr},
        LineCase{u"; STR12 = Hello", -1, nullptr},
        LineCase{u"STR12 Hello", -1, nullptr},
        LineCase{u"STR4200 = x", -1, nullptr},
        LineCase{u"STR-1 = x", -1, nullptr},
        LineCase{u"STR99999999999 = x", -1, nullptr},
        LineCase{u"STR0 = x", 0, u"x"},
        LineCase{u"STR4199 = x", 4199, u"x"},
        // The index is read like every typed number.
        LineCase{u"STR$14 = x", 20, u"x"},
        LineCase{u"STR0x14 = x", 20, u"x"},
        LineCase{u"STR+20 = x", 20, u"x"},
        LineCase{u"STRabc = x", -1, nullptr},
        LineCase{u"STR12.5 = x", -1, nullptr},
        // The value.
        LineCase{u"STR12 = a = b", 12, u"a = b"},
        LineCase{u"STR20 = Set Comms /#/ caption of step 2", 20, u"Set Comms"},
        LineCase{u"STR20 = \u00B6  padded  \u00B6 and more text", 20, u"  padded  "},
        LineCase{u"STR9 = \u00B6None Configuration Opened \u00B6", 9, u"None Configuration Opened "},
        LineCase{u"STR20 = \u00B6", 20, u""},
        LineCase{u"STR20 = \u00B6\u00B6", 20, u""},
        LineCase{u"STR20 = \u00B6 open end", 20, u" open end"},
        LineCase{u"STR20 = cut\u00B6here", 20, u"cut"},
        LineCase{u"STR20 = \u00B6 kept /#/ remark \u00B6", 20, u" kept"},
        LineCase{u"STR20 = ", -1, nullptr},
        LineCase{u"STR20 =", -1, nullptr},
        LineCase{u"STR20 = /#/ remark", -1, nullptr},
        LineCase{u"STR1427 = Riga %d!! Posizione tra 0 e %d", 1427, u"Riga %d!! Posizione tra 0 e %d"},
        LineCase{u"STR12 = Caf\u00E9 \u20AC \u4E2D", 12, u"Caf\u00E9 \u20AC \u4E2D"}));

TEST(LanguageText, LineEndsAndTheLastLineWins)
{
    LangTable t = englishTable();
    t.applyLanguageText(u"STR12 = a\r\nSTR13 = b\nSTR14 = c\rSTR15 = d\n\n\r\nSTR12 = e"_qs);
    EXPECT_EQ(t.text(12), u"e"_qs);
    EXPECT_EQ(t.text(13), u"b"_qs);
    EXPECT_EQ(t.text(14), u"c"_qs);
    EXPECT_EQ(t.text(15), u"d"_qs);
}

TEST(LanguageText, ApplyingTwiceEqualsOnce)
{
    const QString text = u"STR12 = one\nSTR12 = two\nSTR20 = \u00B6 x \u00B6\nSTR4199 = last\n"_qs;
    LangTable once = englishTable();
    once.applyLanguageText(text);
    LangTable twice = englishTable();
    twice.applyLanguageText(text);
    twice.applyLanguageText(text);
    EXPECT_EQ(entries(twice), entries(once));
    EXPECT_EQ(once.text(12), u"two"_qs);
}

// The same translation stored in each encoding a language file may come in.
struct EncodingCase
{
    const char *name;
    QByteArray bytes;
};

TEST(LanguageFile, ReadsEveryEncoding)
{
    TestFolders folders;
    const QString text = u"; Deutsch\r\nSTR12 = Caf\u00E9 \u20AC \u00FC\r\nSTR13 = \u00B6 \u00E0 \u00B6\rSTR14 = y\n"_qs;
    const EncodingCase cases[] = {
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + text.toUtf8()},
        {"UTF-16 LE", utf16(text, false)},
        {"UTF-16 BE", utf16(text, true)},
        {"UTF-8 without BOM", text.toUtf8()},
#ifndef Q_OS_WIN
        {"Windows-1252", QByteArray("; Deutsch\r\nSTR12 = Caf\xE9 \x80 \xFC\r\nSTR13 = \xB6 \xE0 \xB6\rSTR14 = y\n")},
#endif
    };
    for (const EncodingCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folders.path(QStringLiteral("LANGUAGE/Deutsch.lng"));
        ASSERT_TRUE(writeBytes(path, c.bytes));
        LangTable t = englishTable();
        ASSERT_TRUE(t.Apply_Language_File(path));
        EXPECT_EQ(t.text(12), u"Caf\u00E9 \u20AC \u00FC"_qs);
        EXPECT_EQ(t.text(13), u" \u00E0 "_qs);
        EXPECT_EQ(t.text(14), u"y"_qs);
        EXPECT_EQ(differences(t, englishTable()), (QList<int>{12, 13, 14}));
    }
}

#ifndef Q_OS_WIN
TEST(LanguageFile, OneInvalidUtf8ByteMakesTheFileWindows1252)
{
    // Valid UTF-8 texts beside a single stray byte: the whole file is read as
    // Windows-1252, as a translation saved by a Windows editor would be.
    const QByteArray bytes("STR12 = \xC3\xA9\nSTR13 = \x80\n");
    const QString decoded = LangTable::decodeLanguageFile(bytes);
    EXPECT_EQ(decoded, u"STR12 = \u00C3\u00A9\nSTR13 = \u20AC\n"_qs);
    EXPECT_EQ(LangTable::decodeLanguageFile(QByteArray("\x81\x8D\x8F\x90\x9D\x9F")),
              u"\u0081\u008D\u008F\u0090\u009D\u0178"_qs);
}
#endif

TEST(LanguageFile, AFolderOrMissingFileIsNotReadAndChangesNothing)
{
    TestFolders folders;
    QDir().mkpath(folders.path(QStringLiteral("LANGUAGE/Folder.lng")));
    LangTable t = englishTable();
    EXPECT_FALSE(t.Apply_Language_File(folders.path(QStringLiteral("LANGUAGE/Folder.lng"))));
    EXPECT_FALSE(t.Apply_Language_File(folders.path(QStringLiteral("LANGUAGE/Missing.lng"))));
    EXPECT_TRUE(differences(t, englishTable()).isEmpty());
}

TEST(LanguageFile, BinaryAndHugeFilesChangeOnlyWhatTheirValidLinesSay)
{
    TestFolders folders;
    const QString path = folders.path(QStringLiteral("LANGUAGE/Big.lng"));

    // Binary noise around one valid line. The noise holds no "STR" at a line start.
    QByteArray binary(200000, Qt::Uninitialized);
    QRandomGenerator random(4410);
    for (char &b : binary) {
        b = char(random.bounded(256));
        if (b == 'S')
            b = 's';
    }
    binary.insert(100000, "\nSTR12 = Hello\n");
    ASSERT_TRUE(writeBytes(path, binary));
    LangTable t = englishTable();
    ASSERT_TRUE(t.Apply_Language_File(path));
    EXPECT_EQ(t.text(12), u"Hello"_qs);
    EXPECT_EQ(differences(t, englishTable()), QList<int>{12});

    // Lines of a megabyte: a value, an index, and a line with no "=".
    const QByteArray mega(1 << 20, 'a');
    const QByteArray digits(1 << 20, '7');
    ASSERT_TRUE(writeBytes(path, "STR12 = " + mega + "\nSTR" + digits + " = x\nSTR13 " + mega + "\n"));
    t = englishTable();
    ASSERT_TRUE(t.Apply_Language_File(path));
    EXPECT_EQ(t.text(12), QString::fromLatin1(mega));
    EXPECT_EQ(differences(t, englishTable()), QList<int>{12});

    // A file of 50 MB: lines that set, lines with remarks, lines that are ignored.
    const QByteArray block = "STR13 = filler /#/ a remark that runs on for a while\r\n"
                             "this is not a line the table reads, only text\r\n"
                             "STR5000 = out of range\r\n";
    QByteArray big = block.repeated(50 * 1024 * 1024 / block.size() + 1);
    big.append("STR14 = \xC2\xB6last\xC2\xB6\r\n");
    ASSERT_TRUE(writeBytes(path, big));
    t = englishTable();
    const qint64 start = cpuMilliseconds();
    ASSERT_TRUE(t.Apply_Language_File(path));
    const qint64 ms = cpuMilliseconds() - start;
    RecordProperty("apply_50MB_cpu_ms", int(ms));
    EXPECT_EQ(t.text(13), u"filler"_qs);
    EXPECT_EQ(t.text(14), u"last"_qs);
    EXPECT_EQ(differences(t, englishTable()), (QList<int>{13, 14}));
#if !defined(TESSERA_SANITIZED)
    // Sanitizer builds run several times slower; the figure counts in a plain build.
    EXPECT_LT(ms, 3000) << "applying a 50 MB file took " << ms << " ms";
#endif
}

// Load_Language: the built-in table first, then the chosen file, or English.
struct LoadCase
{
    const char *name;
    const char *language;
    bool englishFile;       // LANGUAGE/English.lng exists
    const char *folderState; // "ok", "missing" or "file" (LANGUAGE is a plain file)
    const char *expectedName;
    const char16_t *expected12;
};

TEST(LoadLanguage, AppliesTheChosenFileOrFallsBackToEnglish)
{
    const LoadCase cases[] = {
        {"chosen file present", "Deutsch", true, "ok", "Deutsch", u"Hallo"},
        {"chosen file missing, English.lng present", "Klingon", true, "ok", "English", u"Hello from file"},
        {"chosen file missing, no English.lng", "Klingon", false, "ok", "English", u"Information"},
        {"English chosen, English.lng present", "English", true, "ok", "English", u"Hello from file"},
        {"chosen name is a folder", "Folder", true, "ok", "English", u"Hello from file"},
        {"empty name", "", false, "ok", "English", u"Information"},
        {"no LANGUAGE folder", "Deutsch", false, "missing", "English", u"Information"},
        {"LANGUAGE is a plain file", "Deutsch", false, "file", "English", u"Information"},
    };
    for (const LoadCase &c : cases) {
        SCOPED_TRACE(c.name);
        TestFolders folders;
        const QString languageFolder = folders.state.Language_Folder;
        folders.writeFile(QStringLiteral("LANGUAGE/Deutsch.lng"), "STR12 = Hallo\n");
        QDir().mkpath(folders.path(QStringLiteral("LANGUAGE/Folder.lng")));
        if (c.englishFile)
            folders.writeFile(QStringLiteral("LANGUAGE/English.lng"), "STR12 = Hello from file\n");
        if (QByteArray(c.folderState) != "ok") {
            ASSERT_TRUE(QDir(languageFolder).removeRecursively());
        }
        if (QByteArray(c.folderState) == "file") {
            ASSERT_TRUE(writeBytes(languageFolder, "STR12 = not a folder\n"));
        }

        LangTable t;
        // A table left by an earlier language is rebuilt from the English texts.
        t.Build_Default_Table();
        t.applyLanguageText(u"STR13 = Vorher"_qs);
        QString name = QString::fromLatin1(c.language);
        t.Load_Language(languageFolder, name);
        EXPECT_EQ(name, QString::fromLatin1(c.expectedName));
        EXPECT_EQ(t.text(12), QString::fromUtf16(c.expected12));
        EXPECT_EQ(t.text(13), u"Options"_qs);
        EXPECT_EQ(t.count(), LangTable::Lang_Table_Count);
    }
}
