#pragma once

#include "app/AppState.h"

#include <QString>
#include <QTemporaryDir>

// A temporary program folder with its tool folders, and an AppState on it with
// the English table loaded.
class TestFolders
{
public:
    TestFolders();

    QString exeFolder() const { return m_dir.path(); }
    // Path below the program folder.
    QString path(const QString &relative) const;
    // Creates PROJECTS/name (with bin) and makes it the active configuration.
    QString makeConfiguration(const QString &name);
    // Writes a file (creating its folder) and returns its path.
    QString writeFile(const QString &relative, const QByteArray &content) const;
    static QByteArray readFile(const QString &path);

    AppState state;

private:
    QTemporaryDir m_dir;
};
