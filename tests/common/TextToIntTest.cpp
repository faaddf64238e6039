#include "common/TextToInt.h"

#include <gtest/gtest.h>

#include <QString>

struct IntCase
{
    const char16_t *text;
    int expected; // -1 for "not a number" with default -1
};

class TextToIntCases : public ::testing::TestWithParam<IntCase>
{
};

TEST_P(TextToIntCases, ConvertsOrGivesDefault)
{
    const IntCase c = GetParam();
    EXPECT_EQ(textToInt(QString::fromUtf16(c.text), -1), c.expected) << QString::fromUtf16(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Typed, TextToIntCases,
                         ::testing::Values(IntCase{u"0", 0}, IntCase{u"255", 255}, IntCase{u"256", 256},
                                           IntCase{u"  5", 5}, IntCase{u"5 ", -1}, IntCase{u"+7", 7},
                                           IntCase{u"-3", -3}, IntCase{u"0x10", 16}, IntCase{u"0X1f", 31},
                                           IntCase{u"$FF", 255}, IntCase{u"x10", 16}, IntCase{u"X10", 16},
                                           IntCase{u"-0x10", -16}, IntCase{u"-$10", -16}, IntCase{u"0x", -1},
                                           IntCase{u"$", -1}, IntCase{u"", -1}, IntCase{u" ", -1},
                                           IntCase{u"-", -1}, IntCase{u"1.5", -1}, IntCase{u"12a", -1},
                                           IntCase{u"abc", -1}, IntCase{u"2147483647", 2147483647},
                                           IntCase{u"2147483648", -1}, IntCase{u"-2147483648", -2147483647 - 1},
                                           IntCase{u"-2147483649", -1}, IntCase{u"0x7FFFFFFF", 2147483647},
                                           IntCase{u"0xFFFFFFFF", -1}, IntCase{u"99999999999999999999", -1},
                                           IntCase{u"\t5", -1}, IntCase{u"\u0665", -1}, IntCase{u"0010", 10}));

TEST(TextToInt, DefaultIsTheCallersOwn)
{
    EXPECT_EQ(textToInt(u"nope", 1438), 1438);
    EXPECT_EQ(textToInt(u"0x10", 1438), 16);
}
