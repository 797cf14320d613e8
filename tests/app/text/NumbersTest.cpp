#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/text/Numbers.h"

namespace pelmar::text {
namespace {

TEST(Numbers, LeadingNumberSkipsBlanksAndStopsAtTheFirstForeignCharacter) {
    EXPECT_EQ(leadingNumber(u"  42abc"), 42.0);
    EXPECT_EQ(leadingNumber(u"-1.5,7"), -1.5);
    EXPECT_EQ(leadingNumber(u"+3"), 3.0);
    EXPECT_EQ(leadingNumber(u"1.2.3"), 1.2);
    EXPECT_EQ(leadingNumber(u"abc"), 0.0);
    EXPECT_EQ(leadingNumber(u""), 0.0);
    EXPECT_EQ(leadingNumber(u"-"), 0.0);
    EXPECT_EQ(leadingNumber(u".5"), 0.5);
}

TEST(Numbers, LeadingNumberSkipsGapsAnywhereAndTakesAnExponentButNoWords) {
    const struct {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"1 2", 12.0},
        {u"\t- 1 .\n5", -1.5},
        {u"1.5e3", 1500.0},
        {u"2E-1x", 0.2},
        {u"1e", 1.0},
        {u"1e+x", 1.0},
        {u"inf", 0.0},
        {u"NaN", 0.0},
        {u"\uFF11", 0.0},  // a full-width 1
        {u"1e999", std::numeric_limits<double>::infinity()},
        {u"-1e999", -std::numeric_limits<double>::infinity()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(leadingNumber(c.text), c.value) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(Numbers, LeadingNumberIsTheDoubleNearestToTheDecimalText) {
    EXPECT_EQ(leadingNumber(u"0.3"), 0.3);
    EXPECT_EQ(leadingNumber(u"23.45"), 23.45);
    EXPECT_EQ(leadingNumber(u"0.1234567890123456789"), 0.1234567890123456789);
    EXPECT_FALSE(std::signbit(leadingNumber(u"-0")));
}

TEST(Numbers, IntegersRoundHalvesToEven) {
    EXPECT_EQ(leadingInt32(u"2.5"), 2);
    EXPECT_EQ(leadingInt32(u"3.5"), 4);
    EXPECT_EQ(leadingInt32(u"-2.5"), -2);
    EXPECT_EQ(leadingInt32(u"0.5"), 0);
    EXPECT_EQ(leadingInt32(u"2.51"), 3);
    EXPECT_EQ(leadingInt32(u"99999999999"), 2147483647);
    EXPECT_EQ(leadingInt32(u"-99999999999"), -2147483647 - 1);
    EXPECT_EQ(leadingInt32(u"1e999"), 2147483647);
}

TEST(Numbers, StrictFormTakesOnlyAWholeNumberWithBlanksAround) {
    EXPECT_EQ(strictInt32(u" 0"), 0);
    EXPECT_EQ(strictInt32(u"80 "), 80);
    EXPECT_EQ(strictInt32(u" -3 "), -3);
    EXPECT_EQ(strictInt32(u"4.5"), 4);
    EXPECT_EQ(strictInt32(u"\t1e3\t"), 1000);
    EXPECT_FALSE(strictInt32(u"abc"));
    EXPECT_FALSE(strictInt32(u"12a"));
    EXPECT_FALSE(strictInt32(u""));
    EXPECT_FALSE(strictInt32(u"1 2"));
    EXPECT_FALSE(strictInt32(u"- 3"));
    EXPECT_FALSE(strictInt32(u"1e"));
    EXPECT_FALSE(strictInt32(u"inf"));
    EXPECT_EQ(strictInt32(u"3000000000"), 2147483647);
    EXPECT_EQ(strictInt32(u"-3000000000"), -2147483647 - 1);
}

TEST(Numbers, SignedBlankPutsABlankBeforeZeroAndPositiveValues) {
    EXPECT_EQ(signedBlank(0), QStringLiteral(" 0"));
    EXPECT_EQ(signedBlank(80), QStringLiteral(" 80"));
    EXPECT_EQ(signedBlank(-1), QStringLiteral("-1"));
}

}  // namespace
}  // namespace pelmar::text
