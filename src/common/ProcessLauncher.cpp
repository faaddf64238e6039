#include "common/ProcessLauncher.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#else
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>
extern char **environ;
#endif

#ifdef Q_OS_WIN

ProgramLauncher::Outcome ProcessLauncher::Start_Program(const QString &NomeSW, const QString &Parameter, bool tipo)
{
    const std::wstring file = NomeSW.toStdWString();
    const std::wstring params = Parameter.toStdWString();
    const std::wstring folder = QFileInfo(NomeSW).absolutePath().toStdWString();
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = file.c_str();
    info.lpParameters = params.empty() ? nullptr : params.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = tipo ? SW_HIDE : SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info) || !info.hProcess)
        return Outcome::NotStarted;

    QDeadlineTimer deadline(m_limitMs);
    Outcome outcome = Outcome::StillRunning;
    for (;;) {
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0) {
            Sleep(10);
            outcome = Outcome::Ended;
            break;
        }
        if (deadline.hasExpired())
            break;
        Sleep(10);
    }
    CloseHandle(info.hProcess);
    return outcome;
}

#else

ProgramLauncher::Outcome ProcessLauncher::Start_Program(const QString &NomeSW, const QString &Parameter, bool tipo)
{
    Q_UNUSED(tipo); // there is no hidden start for a program without a window system of its own

    const QByteArray program = QFile::encodeName(NomeSW);
    const QByteArray folder = QFile::encodeName(QFileInfo(NomeSW).absolutePath());
    std::vector<QByteArray> args{program};
    for (const QString &a : QProcess::splitCommand(Parameter))
        args.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return Outcome::NotStarted;

    QDeadlineTimer deadline(m_limitMs);
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) {
            QThread::msleep(10);
            return Outcome::Ended;
        }
        if (deadline.hasExpired())
            break;
        QThread::msleep(10);
    }

    // Leave it running; someone must still collect it when it ends.
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return Outcome::StillRunning;
}

#endif
