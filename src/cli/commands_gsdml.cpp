#include "cli/AppContext.h"
#include "cli/Cli.h"
#include "common/Ports.h"
#include "gsdml/GsdmlFile.h"
#include "gsdml/GsdmlFileName.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

// gsdml CONFIG_DIR [--user-part TEXT] [--date YYYYMMDD] [--out DIR]: writes the GSDML
// file under the name the file-name dialog would form, into DIR (default: the
// configuration folder), and prints its path. An existing file is replaced only with
// --yes, as the configurator asks first.
int cmdGsdml(Cli &cli)
{
    AppState state = commandState(cli, false);
    const QString userPart = cli.option(QStringLiteral("user-part")).value_or(QString());
    const std::optional<QString> dateText = cli.option(QStringLiteral("date"));
    const std::optional<QString> outFolder = cli.option(QStringLiteral("out"));
    if (cli.positional().size() != 1)
        return cli.usage(QStringLiteral("gsdml takes one configuration folder"));

    QDate date = QDate::currentDate();
    if (dateText) {
        date = QDate::fromString(*dateText, QStringLiteral("yyyyMMdd"));
        if (!date.isValid() || dateText->size() != 8)
            return cli.usage(QStringLiteral("--date wants a date as YYYYMMDD: %1").arg(*dateText));
    }

    const QString configDir = Cli::absolutePath(cli.positional().first());
    if (!QFileInfo(configDir).isDir())
        return cli.fileError(QStringLiteral("%1: no such configuration folder").arg(configDir));
    useConfiguration(state, configDir);

    const QString folder = outFolder ? Cli::absolutePath(*outFolder) : configDir;
    const QString name = formGsdmlFileName(userPart, gsdmlDatePart(date));
    const QString path = QDir::toNativeSeparators(QDir(folder).filePath(name));
    switch (saveGsdmlFile(state, cli.ports.prompts, path)) {
    case GsdmlOutcome::Written:
        cli.out << path << '\n';
        return ExitDone;
    case GsdmlOutcome::Cancelled:
        return ExitRefused;
    case GsdmlOutcome::Failed:
        break;
    }
    return ExitFileError;
}
