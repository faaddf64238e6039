#pragma once

#include <QFile>
#include <QString>

// Writes a stand-in updater into folder: it records the folder it ran in and
// copies the parameter file it found there, then exits with exitCode.
inline QString writeUpdaterScript(const QString &path, int exitCode = 0)
{
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write("#!/bin/sh\npwd > updater-ran.txt\ncp Ethernet_Update.xml updater-found.xml\nexit "
                 + QByteArray::number(exitCode) + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}
