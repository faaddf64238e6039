#include "cli/Cli.h"

int cmdPing(Cli &cli)
{
    return cli.usage(QStringLiteral("this command is not available yet"));
}

int cmdUpdaterXml(Cli &cli)
{
    return cli.usage(QStringLiteral("this command is not available yet"));
}

int cmdUpdate(Cli &cli)
{
    return cli.usage(QStringLiteral("this command is not available yet"));
}

