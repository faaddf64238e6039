#include "common/ProcessLauncher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

namespace {

QString writeScript(const QTemporaryDir &dir, const QString &name, const QByteArray &body)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/sh\n" + body);
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(ProcessLauncher, WaitsForAProgramThatEndsAndRunsItInItsFolder)
{
    QTemporaryDir dir;
    const QString script = writeScript(dir, QStringLiteral("prog"), "sleep 0.2; pwd > ran.txt; echo \"$#\" >> ran.txt\n");
    ProcessLauncher launcher;
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(launcher.Start_Program(script, QString(), false), ProgramLauncher::Outcome::Ended);
    EXPECT_GE(t.elapsed(), 190);
    EXPECT_LT(t.elapsed(), 5000);
    QFile ran(dir.filePath(QStringLiteral("ran.txt")));
    ASSERT_TRUE(ran.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = ran.readAll().split('\n');
    EXPECT_EQ(QDir(QString::fromLocal8Bit(lines.at(0))).canonicalPath(), QDir(dir.path()).canonicalPath());
    EXPECT_EQ(lines.at(1), "0");
}

TEST(ProcessLauncher, LeavesAProgramRunningAtTheLimit)
{
    QTemporaryDir dir;
    const QString script = writeScript(dir, QStringLiteral("slow"), "echo $$ > pid.txt; exec sleep 30\n");
    ProcessLauncher launcher(300);
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(launcher.Start_Program(script, QString(), false), ProgramLauncher::Outcome::StillRunning);
    EXPECT_GE(t.elapsed(), 290);
    EXPECT_LT(t.elapsed(), 3000);

    QFile pidFile(dir.filePath(QStringLiteral("pid.txt")));
    ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
    const pid_t pid = pid_t(pidFile.readAll().trimmed().toInt());
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid, 0), 0) << "the program must still run";

    // Once it ends it is collected, not left as a zombie.
    ::kill(pid, SIGTERM);
    bool gone = false;
    for (int i = 0; i < 200 && !gone; ++i) {
        QThread::msleep(10);
        gone = !QFile::exists(QStringLiteral("/proc/%1").arg(pid));
    }
    EXPECT_TRUE(gone);
}

TEST(ProcessLauncher, ReportsAProgramThatCannotStart)
{
    ProcessLauncher launcher;
    EXPECT_EQ(launcher.Start_Program(QStringLiteral("/nonexistent/Ethernet_Update"), QString(), false),
              ProgramLauncher::Outcome::NotStarted);
}
