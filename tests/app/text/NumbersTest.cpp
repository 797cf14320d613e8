#include <gtest/gtest.h>

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

TEST(Numbers, IntegersRoundHalvesToEven) {
    EXPECT_EQ(leadingInt32(u"2.5"), 2);
    EXPECT_EQ(leadingInt32(u"3.5"), 4);
    EXPECT_EQ(leadingInt32(u"-2.5"), -2);
    EXPECT_EQ(leadingInt32(u"0.5"), 0);
    EXPECT_EQ(leadingInt32(u"2.51"), 3);
    EXPECT_EQ(leadingInt32(u"99999999999"), 2147483647);
    EXPECT_EQ(leadingInt32(u"-99999999999"), -2147483647 - 1);
}

TEST(Numbers, StrictFormTakesOnlyAWholeNumberWithBlanksAround) {
    EXPECT_EQ(strictInt32(u" 0"), 0);
    EXPECT_EQ(strictInt32(u"80 "), 80);
    EXPECT_EQ(strictInt32(u" -3 "), -3);
    EXPECT_EQ(strictInt32(u"4.5"), 4);
    EXPECT_FALSE(strictInt32(u"abc"));
    EXPECT_FALSE(strictInt32(u"12a"));
    EXPECT_FALSE(strictInt32(u""));
    EXPECT_FALSE(strictInt32(u"1 2"));
    EXPECT_FALSE(strictInt32(u"3000000000"));
}

TEST(Numbers, SignedBlankPutsABlankBeforeZeroAndPositiveValues) {
    EXPECT_EQ(signedBlank(0), QStringLiteral(" 0"));
    EXPECT_EQ(signedBlank(80), QStringLiteral(" 80"));
    EXPECT_EQ(signedBlank(-1), QStringLiteral("-1"));
}

}  // namespace
}  // namespace pelmar::text
