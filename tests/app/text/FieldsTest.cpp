#include <gtest/gtest.h>

#include "app/text/Fields.h"

namespace pelmar::text {
namespace {

TEST(ReadField, WalksTheFieldsOfACommandLine) {
    const QString line = QStringLiteral("BMPW,1,640,480,img01");
    QString text;
    std::int32_t number = 0;
    int next = 0;
    ASSERT_TRUE(ReadField(line, 0, text, next));
    EXPECT_EQ(text, QStringLiteral("BMPW"));
    EXPECT_EQ(next, 5);
    ASSERT_TRUE(ReadField(line, next, number, next));
    EXPECT_EQ(number, 1);
    EXPECT_EQ(next, 7);
    ASSERT_TRUE(ReadField(line, next, number, next));
    EXPECT_EQ(number, 640);
    EXPECT_EQ(next, 11);
    ASSERT_TRUE(ReadField(line, next, number, next));
    EXPECT_EQ(number, 480);
    EXPECT_EQ(next, 15);
    ASSERT_TRUE(ReadField(line, next, text, next));
    EXPECT_EQ(text, QStringLiteral("img01"));
    EXPECT_EQ(next, 21);
    EXPECT_FALSE(ReadField(line, next, text, next));
    EXPECT_EQ(text, QStringLiteral("img01"));
    EXPECT_EQ(next, 21);
}

TEST(ReadField, AnEmptyFieldStopsTheWalk) {
    const QString line = QStringLiteral("A,,B");
    QString text;
    int next = 0;
    ASSERT_TRUE(ReadField(line, 0, text, next));
    EXPECT_EQ(next, 2);
    EXPECT_FALSE(ReadField(line, next, text, next));
    EXPECT_EQ(next, 2);
    EXPECT_FALSE(ReadField(line, next, text, next));
    EXPECT_EQ(text, QStringLiteral("A"));
}

TEST(ReadField, NumberFieldsTakeTheirLeadingNumberRoundedHalvesToEven) {
    std::int32_t number = -7;
    int next = 0;
    ASSERT_TRUE(ReadField(QStringLiteral("2.5x,abc"), 0, number, next));
    EXPECT_EQ(number, 2);
    ASSERT_TRUE(ReadField(QStringLiteral("2.5x,abc"), next, number, next));
    EXPECT_EQ(number, 0);
}

}  // namespace
}  // namespace pelmar::text
