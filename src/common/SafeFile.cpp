#include "common/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>
#include <optional>

bool writeFileSafely(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool writeFilesSafely(const std::vector<std::pair<QString, QByteArray>> &files, QString *error)
{
    const auto fail = [&](const QString &path, const QString &why) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2. No file was changed.").arg(path, why);
        return false;
    };

    // What each file holds now, to put back if a later one cannot be replaced.
    std::vector<std::optional<QByteArray>> earlier;
    for (const auto &[path, data] : files) {
        if (!QFileInfo::exists(path) || QFileInfo(path).isDir()) {
            earlier.emplace_back(); // a folder in the way fails below, before anything is replaced
            continue;
        }
        QFile current(path);
        if (!current.open(QIODevice::ReadOnly))
            return fail(path, QStringLiteral("its present content cannot be read to keep it: %1")
                                  .arg(current.errorString()));
        earlier.emplace_back(current.readAll());
    }

    // Everything aside first: a failure here leaves every file untouched.
    std::vector<std::unique_ptr<QSaveFile>> aside;
    for (const auto &[path, data] : files) {
        auto &file = aside.emplace_back(std::make_unique<QSaveFile>(path));
        if (!file->open(QIODevice::WriteOnly) || file->write(data) != data.size())
            return fail(path, file->errorString()); // the files written aside are discarded
    }

    for (size_t i = 0; i < files.size(); ++i) {
        if (aside[i]->commit())
            continue;
        QString message = QStringLiteral("Cannot write %1: %2.").arg(files[i].first, aside[i]->errorString());
        for (size_t j = 0; j < i; ++j) {
            const QString &path = files[j].first;
            QString restoreError;
            const bool restored = earlier[j] ? writeFileSafely(path, *earlier[j], &restoreError)
                                             : QFile::remove(path);
            if (restored)
                message += QStringLiteral(" %1 was put back as it was.").arg(path);
            else
                message += QStringLiteral(" %1 could not be put back as it was and holds the new content%2.")
                               .arg(path, restoreError.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(restoreError));
        }
        if (error)
            *error = message;
        return false;
    }
    return true;
}
