#include "options/LanguageList.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

TEST(LanguageList, OffersWritableLngFilesSortedWithoutRegardToCase)
{
    TestFolders folders;
    for (const char *name : {"polski.lng", "Deutsch.lng", "english.lng", "Français.lng", "notes.txt", "Old.lng.bak",
                             "Readonly.lng", "Upper.LNG"})
        folders.writeFile(QStringLiteral("LANGUAGE/") + QString::fromUtf8(name), "STR0 = \xc2\xb6x\xc2\xb6\r\n");
    QDir().mkpath(folders.path(QStringLiteral("LANGUAGE/Folder.lng")));
    QFile::link(folders.path(QStringLiteral("LANGUAGE/Deutsch.lng")), folders.path(QStringLiteral("LANGUAGE/Link.lng")));
#ifndef Q_OS_WIN
    ASSERT_EQ(::mkfifo(QFile::encodeName(folders.path(QStringLiteral("LANGUAGE/Pipe.lng"))).constData(), 0644), 0);
#endif
    // Read-only by its permission bits, whoever runs the test.
    QFile::setPermissions(folders.path(QStringLiteral("LANGUAGE/Readonly.lng")),
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);

    EXPECT_EQ(LanguageList::languageFiles(folders.state.Language_Folder),
              QStringList({QStringLiteral("Deutsch.lng"), QStringLiteral("english.lng"), QStringLiteral("Français.lng"),
                           QStringLiteral("polski.lng")}));
    EXPECT_EQ(LanguageList::languageOf(QStringLiteral("Deutsch.lng")), QStringLiteral("Deutsch"));
    EXPECT_TRUE(LanguageList::languageFiles(folders.path(QStringLiteral("missing"))).isEmpty());
}

TEST(LanguageList, Pages)
{
    const struct
    {
        int count, page;
        LanguageList::Page expected;
    } cases[] = {
        // count, page: pages, first index, shown, previous, next
        {0, 1, {0, 0, 0, false, false}},
        {1, 1, {1, 0, 1, false, false}},
        {6, 1, {1, 0, 6, false, false}},
        {7, 1, {2, 0, 6, false, true}},
        {7, 2, {2, 6, 1, true, false}},
        {13, 2, {3, 6, 6, true, true}},
    };
    for (const auto &c : cases) {
        const LanguageList::Page p = LanguageList::page(c.count, c.page);
        EXPECT_EQ(p.pages, c.expected.pages) << c.count << '/' << c.page;
        EXPECT_EQ(p.firstIndex, c.expected.firstIndex) << c.count << '/' << c.page;
        EXPECT_EQ(p.shown, c.expected.shown) << c.count << '/' << c.page;
        EXPECT_EQ(p.prevVisible, c.expected.prevVisible) << c.count << '/' << c.page;
        EXPECT_EQ(p.nextVisible, c.expected.nextVisible) << c.count << '/' << c.page;
    }
    EXPECT_EQ(LanguageList::turnPage(7, 1, true), 2);
    EXPECT_EQ(LanguageList::turnPage(7, 2, true), 2);
    EXPECT_EQ(LanguageList::turnPage(7, 2, false), 1);
    EXPECT_EQ(LanguageList::turnPage(7, 1, false), 1);
    EXPECT_EQ(LanguageList::turnPage(0, 1, true), 1);
}

TEST(LanguageList, FlagFallsBackToTheDefaultFlag)
{
    TestFolders folders;
    const QString dir = folders.state.Language_Folder;
    EXPECT_TRUE(LanguageList::flagFiles(dir, QStringLiteral("Deutsch")).isEmpty());
    const QString fallback = folders.writeFile(QStringLiteral("LANGUAGE/DefaultFlag.bmp"), "BM");
    EXPECT_EQ(LanguageList::flagFiles(dir, QStringLiteral("Deutsch")), QStringList{fallback});
    const QString own = folders.writeFile(QStringLiteral("LANGUAGE/Deutsch.bmp"), "BM");
    EXPECT_EQ(LanguageList::flagFiles(dir, QStringLiteral("Deutsch")), QStringList({own, fallback}));
}
