#include "app/AppState.h"

#include "app/Configurations.h"
#include "app/ToolSettings.h"

#include <QDir>
#include <QFileInfo>

void AppState::setExeFolder(const QString &folder)
{
    Exe_Folder = QDir::cleanPath(QDir(folder).absolutePath());
    const QDir exe(Exe_Folder);
    Projects_Folder = QDir::toNativeSeparators(exe.filePath(QStringLiteral("PROJECTS")));
    Master_Folder = QDir::toNativeSeparators(exe.filePath(QStringLiteral("MASTER")));
    Language_Folder = QDir::toNativeSeparators(exe.filePath(QStringLiteral("LANGUAGE")));
    Exe_Folder = QDir::toNativeSeparators(Exe_Folder);
}

void AppState::createToolFolders() const
{
    for (const QString &f : {Master_Folder, Projects_Folder, Language_Folder})
        if (!QFileInfo::exists(f))
            QDir().mkdir(f);
}

QString AppState::settingsFile() const
{
    return QDir::toNativeSeparators(QDir(Exe_Folder).filePath(QStringLiteral("Tessera.xml")));
}

void AppState::Set_Files()
{
    if (Conf_Folder.isEmpty()) {
        File_ParGen.clear();
        File_OPC_UA_Server.clear();
        return;
    }
    const QDir conf(Conf_Folder);
    File_ParGen = QDir::toNativeSeparators(conf.filePath(QStringLiteral("ParGen.xml")));
    File_OPC_UA_Server = QDir::toNativeSeparators(conf.filePath(QStringLiteral("OPC_UA_Server.xml")));
}

void AppState::activateConfiguration(const QString &name)
{
    Conf_Name = name;
    Conf_Folder = QDir::toNativeSeparators(QDir(Projects_Folder).filePath(name));
    Set_Files();
}

void AppState::clearActiveConfiguration()
{
    Conf_Folder.clear();
    Set_Files();
}

void AppState::startUp(const QString &exeFolder)
{
    setExeFolder(exeFolder);
    createToolFolders();
    Conf_Name.clear();
    Update_Read_Back = true;
    applyToolSettings(readToolSettings(settingsFile()), *this);
    Lang_Table.Load_Language(Language_Folder, Language_Name);
    // Only a folder directly below PROJECTS can be the remembered configuration.
    if (isPlainConfigurationName(Conf_Name) && QFileInfo(QDir(Projects_Folder).filePath(Conf_Name)).isDir()) {
        const QString remembered = Conf_Name;
        activateConfiguration(remembered);
    } else {
        clearActiveConfiguration();
    }
}
