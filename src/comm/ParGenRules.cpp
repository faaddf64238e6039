#include "comm/ParGenRules.h"

#include "common/TextToInt.h"
#include "lang/LangTable.h"

#include <algorithm>

namespace ParGen {

namespace {

// The largest number of PROFINET input or output bytes.
constexpr int kMaxProfinetBytes = 1438;

// Consecutive values checked alike, each with its own message: the entries
// follow the values one by one.
struct RuleGroup
{
    Field first;
    int count;
    Field guard;
    int low;
    int high;
    std::vector<int> excluded;
    int firstEntry;
    bool messageEndsWithHigh = false;
};

std::vector<Rule> buildRules()
{
    const RuleGroup groups[] = {
        {Eth_Conn_Primary_DNS1, 4, Eth_Conn_Enable_DNS, 0, 255, {}, 1170},
        {Eth_Conn_Secondary_DNS1, 4, Eth_Conn_Enable_DNS, 0, 255, {}, 1174},
        {OPC_UA_Server_IP1, 4, FieldCount, 0, 255, {}, 922},
        {OPC_UA_Server_SM1, 4, FieldCount, 0, 255, {}, 926},
        {OPC_UA_Server_GAT1, 4, OPC_UA_Server_EN_GAT, 0, 255, {}, 930},
        {OPC_UA_Server_Port, 1, FieldCount, 0, 65535, {10000}, 1136},
        {OPC_UA_Server_Reset_Inactivity_Time, 1, OPC_UA_Server_Reset_Inactivity, 1, 60000, {}, 1180},
        {NTP_Poll_Time, 1, FieldCount, 0, 10000000, {}, 1092},
        {PROFINET_IP1, 4, FieldCount, 0, 255, {}, 1094},
        {PROFINET_SM1, 4, FieldCount, 0, 255, {}, 1098},
        {PROFINET_GAT1, 4, PROFINET_EN_GAT, 0, 255, {}, 1102},
        {PROFINET_PORT, 1, FieldCount, 1, 65535, {5000, 10000, 10001, 34962, 34963, 34964}, 1106},
        {PROFINET_NB_IN, 1, FieldCount, 0, kMaxProfinetBytes, {}, 1107, true},
        {PROFINET_NB_OUT, 1, FieldCount, 0, kMaxProfinetBytes, {}, 1108, true},
    };
    std::vector<Rule> list;
    for (const RuleGroup &g : groups)
        for (int i = 0; i < g.count; ++i)
            list.push_back({Field(g.first + i), g.guard, g.low, g.high, g.excluded, g.firstEntry + i,
                            g.messageEndsWithHigh});
    return list;
}

bool passes(const Rule &rule, const Values &values)
{
    if (rule.guard != FieldCount && !values.flag(rule.guard))
        return true;
    const int n = textToInt(values.text(rule.value), -1);
    return n >= rule.low && n <= rule.high
           && std::find(rule.excluded.begin(), rule.excluded.end(), n) == rule.excluded.end();
}

} // namespace

const std::vector<Rule> &rules()
{
    static const std::vector<Rule> list = buildRules();
    return list;
}

QString ruleMessage(const LangTable &table, int entry)
{
    for (const Rule &rule : rules())
        if (rule.entry == entry)
            return rule.messageEndsWithHigh ? table.text(entry) + QString::number(rule.high) : table.text(entry);
    return table.text(entry);
}

} // namespace ParGen

int Controllo_Dati(const ParGen::Values &values)
{
    for (const ParGen::Rule &rule : ParGen::rules())
        if (!ParGen::passes(rule, values))
            return rule.entry;
    return 0;
}
