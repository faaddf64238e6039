#include "comm/ParGenRules.h"
#include "lang/LangTable.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace ParGen;

namespace {

// The defaults with a poll time: every rule passes.
Values passing()
{
    Values v = defaults();
    v.texts[NTP_Poll_Time] = QStringLiteral("60");
    return v;
}

} // namespace

TEST(ParGenRules, EdgeCases)
{
    struct Case
    {
        const char *what;
        std::vector<std::pair<Field, const char *>> set; // stored form: flags "1"/"0"
        int entry;                                       // 0: every rule passes
    };
    const Case cases[] = {
        {"defaults without a poll time", {{NTP_Poll_Time, ""}}, 1092},
        {"valid set", {}, 0},
        {"byte 255", {{OPC_UA_Server_IP1, "255"}}, 0},
        {"byte 256", {{OPC_UA_Server_IP2, "256"}}, 923},
        {"byte -1", {{OPC_UA_Server_SM3, "-1"}}, 928},
        {"byte with a decimal point", {{PROFINET_IP4, "1.0"}}, 1097},
        {"hexadecimal byte", {{PROFINET_SM1, "0x10"}}, 0},
        {"dollar hexadecimal byte", {{PROFINET_SM2, "$FF"}}, 0},
        {"hexadecimal above 255", {{PROFINET_SM2, "0x100"}}, 1099},
        {"leading blanks", {{PROFINET_IP1, "  12"}}, 0},
        {"trailing blank", {{PROFINET_IP1, "12 "}}, 1094},
        {"letters", {{OPC_UA_Server_IP4, "ab"}}, 925},
        {"empty byte", {{OPC_UA_Server_SM4, ""}}, 929},
        {"plus sign", {{OPC_UA_Server_SM4, "+7"}}, 0},
        {"more than 32 bits", {{PROFINET_NB_IN, "4294967297"}}, 1107},
        {"OPC UA port 0", {{OPC_UA_Server_Port, "0"}}, 0},
        {"OPC UA port 65535", {{OPC_UA_Server_Port, "65535"}}, 0},
        {"OPC UA port 10000", {{OPC_UA_Server_Port, "10000"}}, 1136},
        {"OPC UA port 65536", {{OPC_UA_Server_Port, "65536"}}, 1136},
        {"tunnelling port 0", {{PROFINET_PORT, "0"}}, 1106},
        {"tunnelling port 5000", {{PROFINET_PORT, "5000"}}, 1106},
        {"tunnelling port 10000", {{PROFINET_PORT, "10000"}}, 1106},
        {"tunnelling port 10001", {{PROFINET_PORT, "10001"}}, 1106},
        {"tunnelling port 34962", {{PROFINET_PORT, "34962"}}, 1106},
        {"tunnelling port 34963", {{PROFINET_PORT, "34963"}}, 1106},
        {"tunnelling port 34964", {{PROFINET_PORT, "34964"}}, 1106},
        {"tunnelling port 65536", {{PROFINET_PORT, "65536"}}, 1106},
        {"tunnelling port 1", {{PROFINET_PORT, "1"}}, 0},
        {"tunnelling port 4999", {{PROFINET_PORT, "4999"}}, 0},
        {"tunnelling port 34961", {{PROFINET_PORT, "34961"}}, 0},
        {"tunnelling port 34965", {{PROFINET_PORT, "34965"}}, 0},
        {"inactivity box clear, any text", {{OPC_UA_Server_Reset_Inactivity_Time, "soon"}}, 0},
        {"inactivity 0", {{OPC_UA_Server_Reset_Inactivity, "1"}, {OPC_UA_Server_Reset_Inactivity_Time, "0"}}, 1180},
        {"inactivity 60001", {{OPC_UA_Server_Reset_Inactivity, "1"}, {OPC_UA_Server_Reset_Inactivity_Time, "60001"}},
         1180},
        {"inactivity 1", {{OPC_UA_Server_Reset_Inactivity, "1"}, {OPC_UA_Server_Reset_Inactivity_Time, "1"}}, 0},
        {"inactivity 60000", {{OPC_UA_Server_Reset_Inactivity, "1"}, {OPC_UA_Server_Reset_Inactivity_Time, "60000"}},
         0},
        {"poll time 0", {{NTP_Poll_Time, "0"}}, 0},
        {"poll time 10000000", {{NTP_Poll_Time, "10000000"}}, 0},
        {"poll time 10000001", {{NTP_Poll_Time, "10000001"}}, 1092},
        {"input bytes 1439", {{PROFINET_NB_IN, "1439"}}, 1107},
        {"output bytes 1439", {{PROFINET_NB_OUT, "1439"}}, 1108},
        {"byte counts 0 and 1438", {{PROFINET_NB_IN, "0"}, {PROFINET_NB_OUT, "1438"}}, 0},
        {"DNS clear, bad DNS bytes", {{Eth_Conn_Primary_DNS1, "999"}, {Eth_Conn_Secondary_DNS4, "x"}}, 0},
        {"DNS ticked, bad primary byte 3", {{Eth_Conn_Enable_DNS, "1"}, {Eth_Conn_Primary_DNS3, "300"}}, 1172},
        {"DNS ticked, bad secondary byte 2", {{Eth_Conn_Enable_DNS, "1"}, {Eth_Conn_Secondary_DNS2, ""}}, 1175},
        {"gateway clear, bad gateway bytes", {{OPC_UA_Server_GAT2, "x"}, {PROFINET_GAT4, "-5"}}, 0},
        {"OPC UA gateway ticked", {{OPC_UA_Server_EN_GAT, "1"}, {OPC_UA_Server_GAT4, "256"}}, 933},
        {"PROFINET gateway ticked", {{PROFINET_EN_GAT, "1"}, {PROFINET_GAT1, "x"}}, 1102},
        {"DNS and address both bad: DNS first",
         {{Eth_Conn_Enable_DNS, "1"}, {Eth_Conn_Primary_DNS1, "x"}, {OPC_UA_Server_IP1, "x"}},
         1170},
        {"DHCP does not skip the address rules", {{Eth_Conn_DHCP_Cable, "1"}, {PROFINET_IP2, ""}}, 1095},
        {"not checked: names, URL, diagnostic",
         {{Eth_Conn_Device_Name, "<&>"}, {NTP_Server_URL, "?"}, {PROFINET_NAME_STA, ""},
          {PROFINET_DIAGNOSTIC_ADDRESS, "x"}, {PROFINET_ENABLE_DIAGNOSTIC, "1"}},
         0},
    };
    for (const Case &c : cases) {
        Values v = passing();
        for (const auto &[field, text] : c.set)
            v.setStored(field, QString::fromUtf8(text));
        EXPECT_EQ(Controllo_Dati(v), c.entry) << c.what;
    }
}

TEST(ParGenRules, RunInTheirOrderWithTheirOwnMessages)
{
    std::vector<int> expected;
    for (const auto &[first, last] : {std::pair{1170, 1177}, {922, 933}, {1136, 1136}, {1180, 1180}, {1092, 1092},
                                      {1094, 1105}, {1106, 1106}, {1107, 1108}})
        for (int e = first; e <= last; ++e)
            expected.push_back(e);

    // Everything wrong and every guard ticked; mending the failing value reveals the next rule.
    Values v = passing();
    for (const Rule &rule : rules()) {
        v.texts[rule.value] = QStringLiteral("x");
        if (rule.guard != FieldCount)
            v.flags[rule.guard] = true;
    }
    std::vector<int> seen;
    while (const int entry = Controllo_Dati(v)) {
        seen.push_back(entry);
        for (const Rule &rule : rules())
            if (rule.entry == entry)
                v.texts[rule.value] = QStringLiteral("1");
        ASSERT_LE(seen.size(), expected.size());
    }
    EXPECT_EQ(seen, expected);
}

TEST(ParGenRules, ByteCountMessagesEndWithTheLimit)
{
    LangTable table;
    table.Build_Default_Table();
    table.applyLanguageText(QStringLiteral("STR1107 = \u00b6Input up to \u00b6\nSTR1106 = \u00b6Port!\u00b6\n"));
    EXPECT_EQ(ruleMessage(table, 1107), QStringLiteral("Input up to 1438"));
    EXPECT_EQ(ruleMessage(table, 1108), table.text(1108) + QStringLiteral("1438"));
    EXPECT_EQ(ruleMessage(table, 1106), QStringLiteral("Port!"));
}
