#include "update/DeviceAddress.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase
{
    const char *text;
    bool splits;
    AddressFields fields;
};

const SplitCase splitCases[] = {
    {" 10.0.0.7 ", true, {"10", "0", "0", "7"}},
    {"192 . 168 .0. 10", true, {"192", "168", "0", "10"}},
    {"010.000.0.255", true, {"010", "000", "0", "255"}},
    {"10.0.0", false, {}},
    {"10.0.0.300", false, {}},
    {"10.0.0.7.1", false, {}},
    {"10.0.0.", false, {}},
    {"10.0.-1.7", false, {}},
    {"10.0.$A.7", false, {}},
    {"a.b.c.d", false, {}},
    {"10.0.0.99999999999", false, {}},
    {"", false, {}},
    {"localhost", false, {}},
};

} // namespace

TEST(DeviceAddress, SplitsARememberedAddressIntoTheFourFields)
{
    for (const SplitCase &c : splitCases) {
        const std::optional<AddressFields> fields = splitAddress(QString::fromUtf8(c.text));
        ASSERT_EQ(fields.has_value(), c.splits) << c.text;
        if (c.splits) {
            EXPECT_EQ(*fields, c.fields) << c.text;
        }
    }
}

TEST(DeviceAddress, PingsOnlyAPlainDottedDecimalHostAddress)
{
    const struct
    {
        const char *text;
        quint32 address; // 0: refused
    } cases[] = {
        {"127.0.0.1", 0x7F000001},
        {"192.168.2.205", 0xC0A802CD},
        {"10.255.0.0", 0x0AFF0000},
        {"", 0},
        {"...", 0},
        {"10", 0},
        {"1.2.3", 0},
        {"1.2.3.4.5", 0},
        {"256.1.1.1", 0},
        {" 127.0.0.1", 0},
        {"127.0.0.1 ", 0},
        {"127.0.0.01", 0}, // a leading zero reads as octal elsewhere
        {"+127.0.0.1", 0},
        {"0x7F.0.0.1", 0},
        {"localhost", 0},
        {"0.0.0.0", 0},         // this network
        {"0.1.2.3", 0},
        {"224.0.0.1", 0},       // multicast
        {"239.255.255.250", 0},
        {"255.255.255.255", 0}, // broadcast
    };
    for (const auto &c : cases) {
        const std::optional<quint32> address = deviceAddress(QString::fromUtf8(c.text));
        EXPECT_EQ(address.value_or(0), c.address) << c.text;
    }
}
