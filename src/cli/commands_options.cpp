#include "cli/Cli.h"

int cmdCheckVersion(Cli &cli)
{
    return cli.usage(QStringLiteral("this command is not available yet"));
}

