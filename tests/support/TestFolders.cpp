#include "support/TestFolders.h"

#include "app/Configurations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestFolders::TestFolders()
{
    state.setExeFolder(m_dir.path());
    state.createToolFolders();
    state.Lang_Table.Build_Default_Table();
}

QString TestFolders::path(const QString &relative) const { return QDir(m_dir.path()).filePath(relative); }

QString TestFolders::makeConfiguration(const QString &name)
{
    createConfiguration(state.Projects_Folder, name);
    state.activateConfiguration(name);
    return state.Conf_Folder;
}

QString TestFolders::writeFile(const QString &relative, const QByteArray &content) const
{
    const QString p = QFileInfo(relative).isAbsolute() ? relative : path(relative);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
    return p;
}

QByteArray TestFolders::readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
