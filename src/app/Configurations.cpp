#include "app/Configurations.h"

#include <QDir>
#include <QFileInfo>

bool isPlainConfigurationName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && name != QLatin1String(".")
           && name != QLatin1String("..");
}

int createConfiguration(const QString &Projects_Folder, const QString &name)
{
    if (name.isEmpty())
        return 107;
    const QDir projects(Projects_Folder);
    const QString folder = projects.filePath(name);
    if (isPlainConfigurationName(name) && QFileInfo(folder).isDir())
        return 106;
    if (!isPlainConfigurationName(name) || QFileInfo::exists(folder) || !projects.mkdir(name))
        return 105;
    // A bin folder that cannot be made is not a reason to refuse the configuration.
    QDir().mkpath(QDir(folder).filePath(QStringLiteral("bin")));
    return 0;
}

QStringList Load_Existing_Configuration(const QString &Projects_Folder)
{
    const QDir projects(Projects_Folder);
    if (!projects.exists())
        return {};
    return projects.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
}

static QString asciiUpper(const QString &s)
{
    QString u = s;
    for (QChar &c : u)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return u;
}

int Search_Open_Conf(const QStringList &names, const QString &name)
{
    const QString wanted = asciiUpper(name);
    for (int i = 0; i < names.size(); ++i)
        if (asciiUpper(names.at(i)) == wanted)
            return i;
    return -1;
}
