#include "cli/Cli.h"

int cmdCompile(Cli &cli)
{
    return cli.usage(QStringLiteral("this command is not available yet"));
}

int cmdInspect(Cli &cli)
{
    return cli.usage(QStringLiteral("this command is not available yet"));
}

