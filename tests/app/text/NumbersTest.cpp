#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/text/Numbers.h"

namespace pelmar::text {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::string show(const char16_t* text) {
    return QString::fromUtf16(text).toStdString();
}

TEST(Numbers, LenientFormSkipsGapsAnywhereAndStopsBeforeAnExponent) {
    const struct {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"  42abc", 42.0}, {u"-1.5,7", -1.5},     {u"+3", 3.0},  {u".5", 0.5},    {u"1.2.3", 1.2},
        {u"1 2", 12.0},     {u"\t- 1 .\n5", -1.5}, {u"1e2", 1.0}, {u"1.5E3", 1.5}, {u"abc", 0.0},
        {u"", 0.0},         {u"-", 0.0},           {u".", 0.0},   {u"inf", 0.0},   {u"NaN", 0.0},
        {u"\uFF11", 0.0},  // a full-width 1
    };
    for (const auto& c : cases) EXPECT_EQ(leadingNumber(c.text), c.value) << show(c.text);
    EXPECT_FALSE(leadingNumberIfAny(u" x"));
    EXPECT_EQ(leadingNumber(QString(400, u'9')), kInfinity);
    EXPECT_EQ(leadingNumber(u'-' + QString(400, u'9')), -kInfinity);
}

TEST(Numbers, HeaderDialogFormSkipsOnlyLeadingBlanksAndTakesAnExponent) {
    const struct {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"  2013", 2013.0},
        {u"\t-3", -3.0},
        {u"20 13", 20.0},
        {u"- 3", 0.0},
        {u"2013年", 2013.0},
        {u"1.2.3", 1.2},
        {u"1.5e3", 1500.0},
        {u"2E-1x", 0.2},
        {u"1e", 1.0},
        {u"1e+x", 1.0},
        {u"1 e2", 1.0},
        {u"1e999", kInfinity},
        {u"\uFF12\uFF10\uFF11\uFF13", 0.0},  // full-width digits
        {u"", 0.0},
        {u"inf", 0.0},
    };
    for (const auto& c : cases) EXPECT_EQ(leadingDecimal(c.text), c.value) << show(c.text);
}

TEST(Numbers, ANumberIsTheDoubleNearestToTheDecimalText) {
    EXPECT_EQ(leadingNumber(u"0.3"), 0.3);
    EXPECT_EQ(leadingDecimal(u"23.45"), 23.45);
    EXPECT_EQ(leadingNumber(u"0.1234567890123456789"), 0.1234567890123456789);
    EXPECT_FALSE(std::signbit(leadingNumber(u"-0")));
    EXPECT_FALSE(std::signbit(leadingDecimal(u"-0")));
}

TEST(Numbers, IntegersRoundHalvesToEvenAndClampTo32Bits) {
    EXPECT_EQ(leadingInt32(u"2.5"), 2);
    EXPECT_EQ(leadingInt32(u"3.5"), 4);
    EXPECT_EQ(leadingInt32(u"-2.5"), -2);
    EXPECT_EQ(leadingInt32(u"0.5"), 0);
    EXPECT_EQ(leadingInt32(u"2.51"), 3);
    EXPECT_EQ(leadingInt32(u"99999999999"), 2147483647);
    EXPECT_EQ(leadingInt32(u"-99999999999"), -2147483647 - 1);
    EXPECT_EQ(leadingInt32(QString(400, u'9')), 2147483647);
}

TEST(Numbers, StrictFormTakesOnlyOneWholeNumberWithBlanksAround) {
    const struct {
        const char16_t* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {u" 0", 0},
        {u"80 ", 80},
        {u"\t-3\t", -3},
        {u"+7", 7},
        {u"4.5", 4},
        {u"5.", 5},
        {u".5", 0},
        {u"3000000000", 2147483647},
        {u"-3000000000", -2147483647 - 1},
        {u"1.2.3", std::nullopt},
        {u"1..2", std::nullopt},
        {u".", std::nullopt},
        {u"1e2", std::nullopt},
        {u"1e", std::nullopt},
        {u"abc", std::nullopt},
        {u"12a", std::nullopt},
        {u"", std::nullopt},
        {u" ", std::nullopt},
        {u"1 2", std::nullopt},
        {u"- 3", std::nullopt},
        {u"inf", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(strictInt32(c.text), c.value) << show(c.text);
}

TEST(Numbers, OneDecimalRoundsTheWrittenDecimalHalfAwayFromZero) {
    const struct {
        double value;
        const char* shown;
    } cases[] = {
        {23.45, "23.5"},                                    // the double lies just below 23.45
        {23.44, "23.4"},   {23.46, "23.5"}, {0.25, "0.3"},  // an exact half
        {-23.45, "-23.5"}, {9.95, "10.0"},  {99.95, "100.0"}, {45.0, "45.0"},
        {0.0, "0.0"},      {-0.0, "0.0"},   {0.04, "0.0"},    {1e20, "100000000000000000000.0"},
        {-9.95, "-10.0"},  // the carry runs up to the sign
    };
    for (const auto& c : cases) {
        EXPECT_EQ(oneDecimal(c.value), QString::fromLatin1(c.shown)) << c.value;
    }
}

TEST(Numbers, SignedBlankPutsABlankBeforeZeroAndPositiveValues) {
    EXPECT_EQ(signedBlank(0), QStringLiteral(" 0"));
    EXPECT_EQ(signedBlank(80), QStringLiteral(" 80"));
    EXPECT_EQ(signedBlank(-1), QStringLiteral("-1"));
}

}  // namespace
}  // namespace pelmar::text
