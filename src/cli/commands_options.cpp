#include "cli/AppContext.h"
#include "cli/Cli.h"
#include "common/Ports.h"
#include "common/Product.h"
#include "options/VersionCheck.h"

int cmdCheckVersion(Cli &cli)
{
    const std::optional<QString> urlText = cli.option(QStringLiteral("url"));
    const AppState state = commandState(cli, false);
    if (!cli.positional().isEmpty())
        return cli.usage(QStringLiteral("check-version takes no argument: %1").arg(cli.positional().first()));
    QUrl url = Product::versionCheckUrl();
    if (urlText) {
        url = QUrl(*urlText, QUrl::StrictMode);
        if (!url.isValid() || url.scheme() != QLatin1String("http") || url.host().isEmpty())
            return cli.usage(QStringLiteral("--url needs an http address: %1").arg(*urlText));
    }
    const bool newer = Check_Version(cli.ports.http, url);
    cli.out << state.tr(newer ? 314 : 315) << '\n';
    return newer ? ExitDone : ExitRefused;
}
