#include "app/Configurations.h"
#include "cli/AppContext.h"
#include "cli/Cli.h"

#include <QDir>

int cmdLangTemplate(Cli &cli)
{
    AppState state = commandState(cli, false);
    if (!cli.positional().isEmpty())
        return cli.usage(QStringLiteral("lang-template takes no argument: %1").arg(cli.positional().first()));
    const QChar pilcrow(0x00B6);
    for (int k = 0; k < state.Lang_Table.count(); ++k)
        cli.out << "STR" << k << " = " << pilcrow << state.Lang_Table.text(k) << pilcrow << '\n';
    return ExitDone;
}

int cmdNew(Cli &cli)
{
    if (!cli.positional().contains(QStringLiteral("--exe-folder"))
        && cli.positional().filter(QStringLiteral("--exe-folder=")).isEmpty())
        return cli.usage(QStringLiteral("new needs --exe-folder DIR"));
    AppState state = commandState(cli, true);
    if (cli.positional().size() != 1)
        return cli.usage(QStringLiteral("new takes one configuration name"));
    const QString name = cli.positional().first();
    if (const int refusal = createConfiguration(state.Projects_Folder, name))
        return cli.refuse(state.tr(refusal));
    state.activateConfiguration(name);
    cli.out << state.Conf_Folder << '\n';
    return ExitDone;
}
