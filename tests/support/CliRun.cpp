#include "support/CliRun.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

CliRun runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::stateChanged, &loop, [&loop](QProcess::ProcessState state) {
        if (state == QProcess::NotRunning)
            loop.quit(); // ended, or could not start
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    process.start(program, arguments);
    process.closeWriteChannel();
    if (process.state() != QProcess::NotRunning)
        loop.exec();

    CliRun run;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit && process.error() != QProcess::FailedToStart) {
        run.exitCode = process.exitCode();
    }
    run.stdOut = process.readAllStandardOutput();
    run.stdErr = process.readAllStandardError();
    run.out = QString::fromUtf8(run.stdOut);
    run.err = QString::fromUtf8(run.stdErr);
    return run;
}

CliRun runCli(const QStringList &arguments)
{
    return runProgram(QStringLiteral(TESSERA_CLI_PATH), arguments);
}
