#include "cli/AppContext.h"
#include "cli/Cli.h"
#include "comm/ParGenFile.h"
#include "comm/ParGenRules.h"
#include "common/SafeFile.h"

#include <QFileInfo>

using namespace ParGen;

namespace {

// Opens the configuration folder and reads its parameter file as the editor does.
// Gives ExitDone with the values, or the exit code of the error it printed.
int readParameters(Cli &cli, AppState &state, const QString &configDir, Values *values)
{
    useConfiguration(state, configDir);
    if (!QFileInfo(state.Conf_Folder).isDir())
        return cli.fileError(QStringLiteral("%1: no such configuration folder").arg(state.Conf_Folder));
    const ReadResult read = ParGen::read(state.File_ParGen);
    if (!read.ok)
        return cli.fileError(read.error);
    *values = read.values;
    return ExitDone;
}

// ELEMENT=TEXT as the user could type it into the editor.
int applyAssignment(Cli &cli, const QString &word, Values *values)
{
    const qsizetype equals = word.indexOf(u'=');
    const Field field = equals > 0 ? fieldNamed(QStringView(word).left(equals)) : FieldCount;
    if (field == FieldCount)
        return cli.usage(QStringLiteral("not a communication parameter: %1").arg(word));
    const QString text = word.mid(equals + 1);
    if (field == PROFINET_ENABLE_DIAGNOSTIC || field == PROFINET_DIAGNOSTIC_ADDRESS)
        return cli.usage(QStringLiteral("%1 is kept from the file and cannot be set").arg(word.left(equals)));
    if (fields()[field].flag) {
        if (text != QLatin1String("1") && text != QLatin1String("0"))
            return cli.usage(QStringLiteral("%1 takes 1 or 0").arg(word.left(equals)));
        if (field == Eth_Conn_DHCP_WiFi && text != QLatin1String("0"))
            return cli.usage(QStringLiteral("Eth_Conn_DHCP_WiFi is always 0 on this device"));
    }
    values->setStored(field, text);
    return ExitDone;
}

} // namespace

int cmdParams(Cli &cli)
{
    AppState state = commandState(cli, false);
    const QStringList words = cli.positional();
    if (words.isEmpty())
        return cli.usage(QStringLiteral("params needs CONFIG_DIR [ELEMENT=TEXT ...]"));
    Values values;
    if (const int code = readParameters(cli, state, words.first(), &values))
        return code;
    if (words.size() == 1) {
        for (int f = 0; f < FieldCount; ++f)
            cli.out << fields()[f].element.toString() << '=' << values.stored(Field(f)) << '\n';
        return ExitDone;
    }

    for (qsizetype i = 1; i < words.size(); ++i)
        if (const int code = applyAssignment(cli, words.at(i), &values))
            return code;
    if (const int entry = Controllo_Dati(values))
        return cli.refuse(ruleMessage(state.Lang_Table, entry));
    QString error;
    const QByteArray bytes = ParGen::document(values, &error);
    if (bytes.isEmpty())
        return cli.refuse(error);
    if (!writeFileSafely(state.File_ParGen, bytes, &error))
        return cli.fileError(error);
    cli.out << state.File_ParGen << '\n';
    return ExitDone;
}

int cmdValidate(Cli &cli)
{
    AppState state = commandState(cli, false);
    if (cli.positional().size() != 1)
        return cli.usage(QStringLiteral("validate takes one configuration folder"));
    Values values;
    if (const int code = readParameters(cli, state, cli.positional().first(), &values))
        return code;
    if (const int entry = Controllo_Dati(values)) {
        cli.out << ruleMessage(state.Lang_Table, entry) << '\n';
        return ExitRefused;
    }
    const int code = validateVariables(cli, state.Conf_Folder);
    if (code == ExitDone)
        cli.out << "OK\n";
    return code;
}
