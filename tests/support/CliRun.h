#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a program run gave: its exit code (-1 when it crashed or did not end within
// a minute) and what it wrote, as bytes and as text.
struct CliRun
{
    int exitCode = -1;
    QByteArray stdOut, stdErr;
    QString out, err; // the same, read as UTF-8
};

// Runs the program with stdin closed and waits for it. The caller's event loop keeps
// running meanwhile, so servers the test runs in-process go on answering.
CliRun runProgram(const QString &program, const QStringList &arguments);

// Runs the tessera-cli of this build.
CliRun runCli(const QStringList &arguments);
