#include "options/LanguageList.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace LanguageList {

QStringList languageFiles(const QString &folder)
{
    QDir::Filters filters = QDir::Files | QDir::Hidden | QDir::NoSymLinks;
#ifdef Q_OS_WIN
    filters |= QDir::System;
#else
    // Only plain files: a pipe or a device under that name would block the reading.
    // A language is loaded from "<language>.lng", so where the file system tells
    // letter cases apart only that spelling of the extension is offered.
    filters |= QDir::CaseSensitive;
#endif
    const QFileInfoList entries = QDir(folder).entryInfoList({QStringLiteral("*.lng")}, filters, QDir::Name);
    QStringList files;
    for (const QFileInfo &entry : entries) {
        if (entry.permissions() & QFileDevice::WriteOwner)
            files.append(entry.fileName());
    }
    std::stable_sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return files;
}

QString languageOf(const QString &fileName) { return fileName.chopped(qMin<qsizetype>(4, fileName.size())); }

Page page(int count, int p)
{
    Page result;
    result.pages = (count + Slots_Per_Page - 1) / Slots_Per_Page;
    result.firstIndex = (p - 1) * Slots_Per_Page;
    result.shown = std::clamp(count - result.firstIndex, 0, Slots_Per_Page);
    result.prevVisible = p > 1;
    // Without files there is no page to go to either.
    result.nextVisible = p < result.pages;
    return result;
}

int turnPage(int count, int p, bool forward)
{
    if (forward)
        return page(count, p).pages >= p + 1 ? p + 1 : p;
    return p >= 2 ? p - 1 : p;
}

QStringList flagFiles(const QString &folder, const QString &language)
{
    QStringList files;
    const QDir dir(folder);
    for (const QString &name : {language + QStringLiteral(".bmp"), QStringLiteral("DefaultFlag.bmp")}) {
        const QString path = dir.filePath(name);
        if (QFileInfo(path).isFile())
            files.append(path);
    }
    return files;
}

} // namespace LanguageList
