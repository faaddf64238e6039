#include "cli/Cli.h"

int cmdVars(Cli &cli)
{
    return cli.usage(QStringLiteral("this command is not available yet"));
}

int validateVariables(Cli &, const QString &)
{
    return ExitDone;
}
