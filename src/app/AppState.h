#pragma once

#include "common/RowClipboard.h"
#include "lang/LangTable.h"

#include <QString>

// The run-time state that every form and routine reads: the tool folders, the
// active configuration, the remembered values, the language table and the row
// clipboard. The main window owns the one instance; tests build their own on a
// temporary folder.
struct AppState
{
    QString Exe_Folder;      // the executable's folder, no trailing separator
    QString Projects_Folder; // Exe_Folder/PROJECTS: one sub-folder per configuration
    QString Master_Folder;   // Exe_Folder/MASTER: the device firmware image
    QString Language_Folder; // Exe_Folder/LANGUAGE: language files and flags

    QString Conf_Name;   // the remembered configuration name
    QString Conf_Folder; // the active configuration's folder; empty: none active
    QString File_ParGen;
    QString File_OPC_UA_Server;

    QString Last_IP_Address = QStringLiteral("192.168.2.205");
    QString Language_Name = QStringLiteral("English");
    bool enable_internet = false;
    bool enable_update = false;
    bool enable_jump_field_tables = false;
    bool Double_Click_Auto_Size = false;

    int Update_Option_Index = 0;  // kept for the run only
    bool Update_Read_Back = true; // kept for the run only

    LangTable Lang_Table;
    RowClipboard Row_Clipboard;

    // Entry k of the language table.
    QString tr(int k) const { return Lang_Table.text(k); }

    // Sets Exe_Folder and derives PROJECTS, MASTER and LANGUAGE below it.
    void setExeFolder(const QString &folder);

    // Creates each tool folder that does not exist (one level; failures ignored).
    void createToolFolders() const;

    // The settings file beside the executable.
    QString settingsFile() const;

    // File_ParGen and File_OPC_UA_Server follow Conf_Folder.
    void Set_Files();

    // Makes the configuration `name` active (Conf_Name, Conf_Folder, Set_Files).
    void activateConfiguration(const QString &name);
    // No configuration active; Conf_Name keeps its value.
    void clearActiveConfiguration();
    bool hasActiveConfiguration() const { return !Conf_Folder.isEmpty(); }

    // The start-up without a window: folders, settings, language, the remembered
    // configuration when its folder still exists.
    void startUp(const QString &exeFolder);
};
