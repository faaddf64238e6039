// How long the update step's compile takes, from the project files on disk to both
// bank images, for an empty list, a typical one and the longest the editor allows.

#include "image/BankCompiler.h"
#include "lang/LangTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A configuration as the editors write it: every parameter, and `count` enabled
// variables with 30-character names.
void writeConfiguration(const QString &folder, int count)
{
    QByteArray parGen = "<Par_Gen>";
    const auto element = [&](const char *name, const char *text) {
        parGen += QByteArray("<") + name + ">" + text + "</" + name + ">";
    };
    element("Eth_Conn_Device_Name", "line-a");
    element("Eth_Conn_DHCP_Cable", "0");
    element("Eth_Conn_Enable_DNS", "1");
    for (const char *prefix : {"Eth_Conn_Primary_DNS", "Eth_Conn_Secondary_DNS", "OPC_UA_Server_IP", "OPC_UA_Server_SM",
                               "OPC_UA_Server_GAT", "PROFINET_IP", "PROFINET_SM", "PROFINET_GAT"})
        for (int i = 1; i <= 4; ++i)
            element((QByteArray(prefix) + char('0' + i)).constData(), "192");
    element("OPC_UA_Server_EN_GAT", "1");
    element("OPC_UA_Server_Port", "4840");
    element("OPC_UA_Server_Reset_Inactivity", "1");
    element("OPC_UA_Server_Reset_Inactivity_Time", "1440");
    element("NTP_Server_URL", "pool.ntp.org");
    element("NTP_Poll_Time", "3600");
    element("PROFINET_EN_GAT", "1");
    element("PROFINET_PORT", "2000");
    element("PROFINET_NAME_STA", "line-a-io");
    element("PROFINET_NB_IN", "1438");
    element("PROFINET_NB_OUT", "1438");
    parGen += "</Par_Gen><!--SW_VERSION = 1.003-->";
    writeFile(QDir(folder).filePath(QStringLiteral("ParGen.xml")), parGen);

    QByteArray vars = "<OPC_UA_Server><OPC_UA_Server_Variables>";
    for (int i = 0; i < count; ++i)
        vars += "<row Enable=\"Y\" Type=\"UInt32\" Position=\"" + QByteArray::number(i * 4)
                + "\" StartBit=\"0\" Length=\"4\" Name=\"" + QByteArray::number(i).rightJustified(30, 'v')
                + "\" ReadWrite=\"Read Only\" Swap=\"N\" SwapWord=\"N\" SwapAll=\"N\" Mnemonic=\"\"/>";
    vars += "</OPC_UA_Server_Variables></OPC_UA_Server><!--SW_VERSION = 1.003-->";
    writeFile(QDir(folder).filePath(QStringLiteral("OPC_UA_Server.xml")), vars);
}

void Compile(benchmark::State &state)
{
    QTemporaryDir folder;
    writeConfiguration(folder.path(), int(state.range(0)));
    LangTable texts;
    texts.Build_Default_Table();
    BankImages images;
    QString error;
    for (auto _ : state) {
        if (!Compile_Bin_Banks(folder.path(), texts, &images, &error))
            state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(images.bank2.data());
    }
    state.counters["bank2_bytes"] = double(images.bank2.size());
}

BENCHMARK(Compile)->Arg(0)->Arg(50)->Arg(250)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
