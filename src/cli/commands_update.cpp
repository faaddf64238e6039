#include "cli/AppContext.h"
#include "cli/Cli.h"
#include "common/Ports.h"
#include "common/TextToInt.h"
#include "image/BankCompiler.h"
#include "update/DeviceAddress.h"
#include "update/DeviceCheck.h"
#include "update/DeviceUpdate.h"
#include "update/UpdaterFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A device check that failed: its message (and the client's own words when it
// could not use the address) on standard error.
int refuseCheck(Cli &cli, const AppState &state, const DeviceCheck &check)
{
    checkFailure(state, check).show(cli.ports.prompts);
    if (check.result() == DeviceCheck::Result::UnusableAddress && !check.detail().isEmpty())
        cli.err << check.detail() << Qt::endl;
    return ExitRefused;
}

// The options that updater-xml and update share.
struct UpdateOptions
{
    QString configDir;
    UpdateRequest request;
};

// Reads --config, --ip, --option and --no-read-back; on bad usage returns the exit
// code to give, else 0. --option takes firstOption up to 2.
int readUpdateOptions(Cli &cli, const QString &command, int firstOption, UpdateOptions *options)
{
    const std::optional<QString> config = cli.option(QStringLiteral("config"));
    const std::optional<QString> ip = cli.option(QStringLiteral("ip"));
    const QString option = cli.option(QStringLiteral("option")).value_or(QStringLiteral("0"));
    options->request.readBack = !cli.flag(QStringLiteral("no-read-back"));
    if (!cli.positional().isEmpty())
        return cli.usage(QStringLiteral("%1 takes no argument: %2").arg(command, cli.positional().first()));
    if (!config || !ip)
        return cli.usage(QStringLiteral("%1 needs --config CONFIG_DIR and --ip TEXT").arg(command));
    int index = 0;
    if (!tryTextToInt(option, &index) || index < firstOption || index > ConfigurationOnly)
        return cli.usage(QStringLiteral("--option must be %1 (firmware and configuration), 1 (firmware) or 2 "
                                        "(configuration), not %2")
                             .arg(firstOption == NoOption ? QStringLiteral("-1 (nothing), 0") : QStringLiteral("0"),
                                  option));
    if (!QFileInfo(*config).isDir())
        return cli.fileError(QStringLiteral("%1: no such configuration folder")
                                 .arg(QDir::toNativeSeparators(Cli::absolutePath(*config))));
    options->configDir = *config;
    options->request.IP_Address = *ip;
    options->request.optionIndex = index;
    return ExitDone;
}

} // namespace

int cmdPing(Cli &cli)
{
    const AppState state = commandState(cli, false);
    if (cli.positional().size() != 1)
        return cli.usage(QStringLiteral("ping takes one host: the device's address"));
    const QString host = cli.positional().first();
    DeviceCheck check(cli.ports.echo);
    if (!check.Send_Ping(host))
        return refuseCheck(cli, state, check);
    cli.out << host << " answered" << Qt::endl;
    return ExitDone;
}

int cmdUpdaterXml(Cli &cli)
{
    AppState state = commandState(cli, true);
    UpdateOptions options;
    if (const int code = readUpdateOptions(cli, QStringLiteral("updater-xml"), NoOption, &options))
        return code;
    if (!addressFieldsOf(options.request.IP_Address))
        return cli.usage(QStringLiteral("--ip needs the four address fields joined by \".\", not \"%1\"")
                             .arg(options.request.IP_Address));
    useConfiguration(state, options.configDir);
    QString error;
    if (!Compile_XML_Parameter_New_Boot(state, options.request.IP_Address, options.request.optionIndex,
                                        options.request.readBack, &error))
        return cli.fileError(error);
    cli.out << updaterParameterPath(state.Exe_Folder) << Qt::endl;
    return ExitDone;
}

int cmdUpdate(Cli &cli)
{
    AppState state = commandState(cli, true);
    UpdateOptions options;
    if (const int code = readUpdateOptions(cli, QStringLiteral("update"), FirmwareAndConfiguration, &options))
        return code;
    useConfiguration(state, options.configDir);

    BankImages images;
    QString error;
    CompileFailure failure = CompileFailure::None;
    if (!Compile_Bin_Banks(state.Conf_Folder, state.Lang_Table, &images, &error, &failure))
        return failure == CompileFailure::Refused ? cli.refuse(error) : cli.fileError(error);
    if (!Save_Bin_Banks(state.Conf_Folder, images, &error))
        return cli.fileError(error);

    DeviceCheck check(cli.ports.echo);
    const UpdateResult result = runDeviceUpdate(state, cli.ports, check, options.request);
    if (result.step == UpdateResult::Step::DeviceNotChecked)
        return refuseCheck(cli, state, check);
    result.show(cli.ports.prompts);
    switch (result.step) {
    case UpdateResult::Step::DeviceNotChecked: break;
    case UpdateResult::Step::ParameterFileNotWritten:
    case UpdateResult::Step::UpdaterNotStarted: return ExitFileError;
    case UpdateResult::Step::UpdaterEnded:
        cli.out << updaterParameterPath(state.Exe_Folder) << '\n' << "The updater has ended." << Qt::endl;
        return ExitDone;
    case UpdateResult::Step::UpdaterStillRunning:
        cli.out << updaterParameterPath(state.Exe_Folder) << '\n'
                << "The updater is still running after 150 s; it was left running." << Qt::endl;
        return ExitDone;
    }
    return ExitDone;
}
