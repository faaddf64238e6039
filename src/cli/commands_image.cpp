#include "cli/AppContext.h"
#include "cli/Cli.h"
#include "image/BankCompiler.h"
#include "image/BankInspector.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

int cmdCompile(Cli &cli)
{
    const AppState state = commandState(cli, false);
    if (cli.positional().size() != 1)
        return cli.usage(QStringLiteral("compile takes one configuration folder"));
    const QString folder = Cli::absolutePath(cli.positional().first());
    if (!QFileInfo(folder).isDir())
        return cli.fileError(QStringLiteral("%1: no such configuration folder").arg(QDir::toNativeSeparators(folder)));

    BankImages images;
    QString error;
    CompileFailure failure = CompileFailure::None;
    if (!Compile_Bin_Banks(folder, state.Lang_Table, &images, &error, &failure))
        return failure == CompileFailure::Refused ? cli.refuse(error) : cli.fileError(error);
    if (!Save_Bin_Banks(folder, images, &error))
        return cli.fileError(error);
    const QDir bin(QDir(folder).filePath(QStringLiteral("bin")));
    cli.out << QDir::toNativeSeparators(bin.filePath(QStringLiteral("bank1.bin"))) << '\n'
            << QDir::toNativeSeparators(bin.filePath(QStringLiteral("bank2.bin"))) << '\n';
    return ExitDone;
}

int cmdInspect(Cli &cli)
{
    const std::optional<QString> bank = cli.option(QStringLiteral("bank"));
    if (cli.positional().size() != 1)
        return cli.usage(QStringLiteral("inspect takes one bank file"));
    if (bank && *bank != QLatin1String("1") && *bank != QLatin1String("2"))
        return cli.usage(QStringLiteral("--bank is 1 (parameter bank) or 2 (variable bank)"));

    const QString path = Cli::absolutePath(cli.positional().first());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cli.fileError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray data = file.readAll();

    BankKind kind = bankKindOf(data);
    if (bank)
        kind = *bank == QLatin1String("1") ? BankKind::Parameter : BankKind::Variable;
    if (kind == BankKind::Unknown)
        return cli.refuse(QStringLiteral("%1: neither a parameter bank (2048 bytes) nor a variable bank (0x80010 at "
                                         "offset 4); name the kind with --bank 1 or --bank 2")
                              .arg(QDir::toNativeSeparators(path)));

    const BankInspection inspection =
        kind == BankKind::Parameter ? inspectParameterBank(data) : inspectVariableBank(data);
    for (const QString &l : inspection.lines)
        cli.out << l << '\n';
    for (const QString &f : inspection.failures)
        cli.err << QDir::toNativeSeparators(path) << ": " << f << '\n';
    return inspection.ok() ? ExitDone : ExitRefused;
}
