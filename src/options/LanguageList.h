#pragma once

#include <QString>
#include <QStringList>

// The languages the options dialog offers: the language files in the LANGUAGE
// folder, six to a page, each with its flag picture.
namespace LanguageList {

inline constexpr int Slots_Per_Page = 6;

// The file names (with extension) of the "*.lng" files in folder, sorted without
// regard to case. Folders, links and read-only files are left out; a file counts
// as read-only when its owner may not write it, whoever runs the program.
QStringList languageFiles(const QString &folder);

// The language of a file name: the name without its last four characters (".lng").
QString languageOf(const QString &fileName);

// What one page of the list shows.
struct Page
{
    int pages = 0;      // number of pages, 0 without files
    int firstIndex = 0; // list index of slot 1
    int shown = 0;      // slots shown, from slot 1
    bool prevVisible = false;
    bool nextVisible = false;
};

// Page p (from 1) of a list of count files.
Page page(int count, int p);

// The page after paging forward or back from p; it stays at the ends.
int turnPage(int count, int p, bool forward);

// The pictures to try for a language's flag, in order: "<language>.bmp", then
// "DefaultFlag.bmp", each only when it exists in folder. Empty: no picture.
QStringList flagFiles(const QString &folder, const QString &language);

} // namespace LanguageList
