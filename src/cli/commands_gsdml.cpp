#include "cli/Cli.h"

int cmdGsdml(Cli &cli)
{
    return cli.usage(QStringLiteral("this command is not available yet"));
}

