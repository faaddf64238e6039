#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

struct AppState;
struct Ports;

// Exit status of every command.
enum ExitCode {
    ExitDone = 0,      // done
    ExitRefused = 1,   // the configuration or the device said no
    ExitUsage = 2,     // bad usage
    ExitFileError = 3, // a file could not be read or written
};

// One command line, taken apart: the words after the command name, with the
// options (--name VALUE, --flag) picked out as they are asked for.
class Cli
{
public:
    Cli(const QStringList &words, QTextStream &out, QTextStream &err, Ports &ports);

    // The value of --name VALUE (or --name=VALUE), removed from the words.
    std::optional<QString> option(const QString &name);
    // Whether --name is present, removed from the words.
    bool flag(const QString &name);
    // The words left once the options are taken: the positional arguments.
    const QStringList &positional() const { return m_words; }

    // A path as given, made absolute, never resolved through links.
    static QString absolutePath(const QString &path);

    // Prints a usage error and gives ExitUsage.
    int usage(const QString &text);
    // Prints a refusal and gives ExitRefused.
    int refuse(const QString &text);
    // Prints a file error and gives ExitFileError.
    int fileError(const QString &text);

    QTextStream &out;
    QTextStream &err;
    Ports &ports;

private:
    QStringList m_words;
};

// The commands, one function each. They take the words after the command name.
int cmdLangTemplate(Cli &cli);
int cmdNew(Cli &cli);
int cmdParams(Cli &cli);
int cmdValidate(Cli &cli);
int cmdVars(Cli &cli);
int cmdCompile(Cli &cli);
int cmdInspect(Cli &cli);
int cmdGsdml(Cli &cli);
int cmdPing(Cli &cli);
int cmdUpdaterXml(Cli &cli);
int cmdUpdate(Cli &cli);
int cmdCheckVersion(Cli &cli);

// The variable half of `validate`, run only when the communication rules pass:
// prints the first failing message and gives ExitRefused, or gives ExitDone.
int validateVariables(Cli &cli, const QString &configDir);
// The same with the state that `validate` has already set up (its language table).
int validateVariables(Cli &cli, AppState &state, const QString &configDir);
