#include "cli/AppContext.h"
#include "cli/Cli.h"
#include "common/Ports.h"
#include "common/Prompts.h"
#include "common/SafeFile.h"
#include "opcua/VariableCsv.h"
#include "opcua/VariableFile.h"
#include "opcua/VariableTable.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Reads the configuration's variable list as the editor does. A file that cannot
// be read is printed and gives false.
bool readList(Cli &cli, const AppState &state, VariableTable &table, VariableFileRead *read)
{
    table.resetRows();
    *read = readVariableFile(state.File_OPC_UA_Server, state.Lang_Table, table);
    if (read->status != VariableFileRead::Unreadable)
        return true;
    cli.err << read->error << Qt::endl;
    return false;
}

int listVariables(Cli &cli, const AppState &state, QChar separator)
{
    VariableTable table;
    VariableFileRead read;
    if (!readList(cli, state, table, &read))
        return ExitFileError;
    cli.out << QString::fromUtf8(variablesToCsv(table, read.rows, separator, false));
    return ExitDone;
}

int exportVariables(Cli &cli, const AppState &state, QChar separator, const QString &csvPath)
{
    VariableTable table;
    VariableFileRead read;
    if (!readList(cli, state, table, &read))
        return ExitFileError;
    QString error;
    if (!writeFileSafely(csvPath, variablesToCsv(table, table.savedRowCount(), separator, true), &error))
        return cli.fileError(error);
    cli.out << csvPath << Qt::endl;
    return ExitDone;
}

int importVariables(Cli &cli, const AppState &state, const QString &csvPath)
{
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly))
        return cli.fileError(QStringLiteral("%1: %2").arg(csvPath, file.errorString()));
    VariableTable table;
    table.resetRows();
    const CsvRead csv = readVariablesCsv(file.readAll(), table);
    if (!csv.ok)
        return cli.refuse(QStringLiteral("%1: %2").arg(csvPath, csv.error));

    ByteCounts counts;
    QString error;
    if (!readByteCounts(state.File_ParGen, &counts, &error))
        return cli.fileError(error);
    if (const std::optional<PositionFailure> failure = Controllo_dati(table, counts))
        return cli.refuse(positionMessage(state.Lang_Table, *failure));

    const QString dropping = unsavedRowsQuestion(state.Lang_Table, table);
    if (!dropping.isEmpty() && !cli.ports.prompts.confirm(dropping))
        return ExitRefused;

    VariableTable current;
    VariableFileRead read;
    if (!readList(cli, state, current, &read)
        && !cli.ports.prompts.confirm(replaceUnreadableQuestion(state.Lang_Table, state.File_OPC_UA_Server)))
        return ExitFileError;

    const QByteArray data = variableFileData(table, &error);
    if (data.isEmpty())
        return cli.refuse(error);
    if (!writeFileSafely(state.File_OPC_UA_Server, data, &error))
        return cli.fileError(error);
    cli.out << state.File_OPC_UA_Server << Qt::endl;
    return ExitDone;
}

// Makes the folder the active configuration; false (and a message) when it is no folder.
bool openConfiguration(Cli &cli, AppState &state, const QString &configDir)
{
    if (!QFileInfo(Cli::absolutePath(configDir)).isDir()) {
        cli.err << configDir << ": no such configuration folder" << Qt::endl;
        return false;
    }
    useConfiguration(state, configDir);
    return true;
}

} // namespace

int cmdVars(Cli &cli)
{
    AppState state = commandState(cli, false);
    QChar separator = u',';
    if (const std::optional<QString> s = cli.option(QStringLiteral("separator"))) {
        if (*s != QLatin1String(",") && *s != QLatin1String(";"))
            return cli.usage(QStringLiteral("vars: the separator is ',' or ';', not '%1'").arg(*s));
        separator = s->front();
    }
    const QStringList &words = cli.positional();
    if (words.size() == 1) {
        if (!openConfiguration(cli, state, words.at(0)))
            return ExitFileError;
        return listVariables(cli, state, separator);
    }
    if (words.size() == 3 && (words.at(0) == QLatin1String("export") || words.at(0) == QLatin1String("import"))) {
        if (!openConfiguration(cli, state, words.at(1)))
            return ExitFileError;
        const QString csvPath = Cli::absolutePath(words.at(2));
        if (words.at(0) == QLatin1String("export"))
            return exportVariables(cli, state, separator, csvPath);
        return importVariables(cli, state, csvPath);
    }
    return cli.usage(QStringLiteral(
        "usage: vars CONFIG_DIR | vars export CONFIG_DIR FILE.csv | vars import CONFIG_DIR FILE.csv "
        "[--separator ';'] [--yes]"));
}

int validateVariables(Cli &cli, const QString &configDir)
{
    AppState state = commandState(cli, false);
    return validateVariables(cli, state, configDir);
}

int validateVariables(Cli &cli, AppState &state, const QString &configDir)
{
    if (!openConfiguration(cli, state, configDir))
        return ExitFileError;
    ByteCounts counts;
    QString error;
    if (!readByteCounts(state.File_ParGen, &counts, &error))
        return cli.fileError(error);
    VariableTable table;
    VariableFileRead read;
    if (!readList(cli, state, table, &read))
        return ExitFileError;
    if (const std::optional<PositionFailure> failure = Controllo_dati(table, counts)) {
        cli.out << positionMessage(state.Lang_Table, *failure) << Qt::endl;
        return ExitRefused;
    }
    return ExitDone;
}
