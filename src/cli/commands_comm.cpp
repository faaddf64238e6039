#include "cli/Cli.h"

int cmdParams(Cli &cli)
{
    return cli.usage(QStringLiteral("this command is not available yet"));
}

int cmdValidate(Cli &cli)
{
    return cli.usage(QStringLiteral("this command is not available yet"));
}

