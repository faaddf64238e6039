#pragma once

#include <QString>
#include <QStringList>

// The configuration folders under PROJECTS.

// Whether a typed name can only ever name a folder directly below PROJECTS: not
// empty, no "/" or "\", not "." or "..".
bool isPlainConfigurationName(const QString &name);

// Creates PROJECTS/name and its "bin" sub-folder. Returns 0 when created, or the
// language entry of the refusal: 107 empty name, 106 the folder exists, 105 the
// folder cannot be created (or the name would lead outside PROJECTS).
int createConfiguration(const QString &Projects_Folder, const QString &name);

// The names of the sub-folders of PROJECTS in the order the file system gives
// them (not sorted), without hidden and system folders and plain files.
QStringList Load_Existing_Configuration(const QString &Projects_Folder);

// Index of the first name equal to `name` when both are upper-cased (ASCII), or -1.
int Search_Open_Conf(const QStringList &names, const QString &name);
