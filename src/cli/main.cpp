#include "cli/Cli.h"
#include "cli/CliPrompts.h"
#include "common/LinkOpener.h"
#include "common/Ports.h"
#include "common/ProcessLauncher.h"
#include "options/NetworkHttpGet.h"
#include "update/IcmpEchoClient.h"

#include <QCoreApplication>

#include <cstdio>
#include <functional>
#include <map>

namespace {

class NoLinks : public LinkOpener
{
public:
    void openLink(const QUrl &) override {}
};

const char *const kUsage =
    "usage: tessera-cli COMMAND [ARGS]\n"
    "\n"
    "  lang-template [--exe-folder DIR] [--language NAME]\n"
    "                                 print the language table in .lng form\n"
    "  new NAME --exe-folder DIR      create a configuration under DIR/PROJECTS\n"
    "  params CONFIG_DIR [ELEMENT=TEXT ...]\n"
    "                                 show or set the communication parameters\n"
    "  vars CONFIG_DIR | vars export CONFIG_DIR FILE.csv | vars import CONFIG_DIR FILE.csv\n"
    "                                 show, export or import the OPC UA variables\n"
    "  validate CONFIG_DIR            check both project files as the editors do\n"
    "  compile CONFIG_DIR             write bin/bank1.bin and bin/bank2.bin\n"
    "  inspect FILE                   decode and check a bank file\n"
    "  gsdml CONFIG_DIR [--user-part TEXT] [--date YYYYMMDD] [--out DIR]\n"
    "                                 write the GSDML file\n"
    "  ping HOST                      check that the device answers\n"
    "  updater-xml --exe-folder DIR --config CONFIG_DIR --ip TEXT --option 0/1/2 [--no-read-back]\n"
    "                                 write DIR/Ethernet_Update.xml\n"
    "  update --exe-folder DIR --config CONFIG_DIR --ip TEXT --option 0/1/2 [--no-read-back]\n"
    "                                 compile, ping, write the updater file, run the updater\n"
    "  check-version [--url URL]      ask whether a newer version is published\n"
    "\n"
    "Exit status: 0 done, 1 refused by the configuration or the device, 2 bad usage,\n"
    "3 a file could not be read or written.\n";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QStringList words = app.arguments().mid(1);
    if (words.isEmpty() || words.first() == QLatin1String("--help") || words.first() == QLatin1String("-h")) {
        (words.isEmpty() ? err : out) << kUsage;
        return words.isEmpty() ? ExitUsage : ExitDone;
    }
    const QString command = words.takeFirst();
    const bool assumeYes = words.removeOne(QStringLiteral("--yes"));

    CliPrompts prompts(err, assumeYes);
    ProcessLauncher launcher;
    NoLinks links;
    NetworkHttpGet http;
    IcmpEchoClient echo;
    Ports ports{prompts, launcher, links, http, echo};

    const std::map<QString, std::function<int(Cli &)>> commands = {
        {QStringLiteral("lang-template"), cmdLangTemplate},
        {QStringLiteral("new"), cmdNew},
        {QStringLiteral("params"), cmdParams},
        {QStringLiteral("validate"), cmdValidate},
        {QStringLiteral("vars"), cmdVars},
        {QStringLiteral("compile"), cmdCompile},
        {QStringLiteral("inspect"), cmdInspect},
        {QStringLiteral("gsdml"), cmdGsdml},
        {QStringLiteral("ping"), cmdPing},
        {QStringLiteral("updater-xml"), cmdUpdaterXml},
        {QStringLiteral("update"), cmdUpdate},
        {QStringLiteral("check-version"), cmdCheckVersion},
    };
    const auto found = commands.find(command);
    if (found == commands.end()) {
        err << "tessera-cli: unknown command " << command << "\n\n" << kUsage;
        return ExitUsage;
    }
    Cli cli(words, out, err, ports);
    const int code = found->second(cli);
    out.flush();
    err.flush();
    return code;
}
