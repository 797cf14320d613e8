#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/platform/CodePage932.h"
#include "app/text/TextFile.h"

namespace pelmar::text {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

TEST(TextFile, JapaneseRoundTripsThroughCodePage932WithCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    const QString line = QStringLiteral("検査成績書 ～ ① 髙 ℃");
    const QString yen = QStringLiteral("¥100");
    ASSERT_TRUE(writeLines(path, {line, yen, QStringLiteral("abc")}));

    // Microsoft's table: ～ is 0x8160, ① 0x8740, 髙 0xFBFC (an IBM extension), ℃ 0x818E; ¥ has
    // no place of its own and is written, best fit, as the byte of the backslash, which reads
    // back as the backslash. The same bytes on every system.
    const QByteArray expected = QByteArray(
        "\x8C\x9F\x8D\xB8\x90\xAC\x90\xD1\x8F\x91 \x81\x60 \x87\x40 "
        "\xFB\xFC \x81\x8E\r\n\x5C" "100\r\nabc\r\n");
    EXPECT_EQ(fileBytes(path).toHex(' '), expected.toHex(' '));

    const auto lines = readLines(path);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, QStringList({line, QStringLiteral("\\100"), QStringLiteral("abc")}));
}

TEST(TextFile, ReadsLinesEndedByCrLfLfOrCrAndALastLineWithoutEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("a\r\nb\nc\rd");
    f.close();
    EXPECT_EQ(*readLines(path), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(*readLines(path, LineEnds::crLfOrCr), QStringList({"a", "b\nc", "d"}));
}

TEST(TextFile, MissingFileAndUnwritableFileAreReportedWithTheirPath) {
    QTemporaryDir dir;
    const QString none = dir.filePath(QStringLiteral("none.txt"));
    const auto read = readLines(none);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.problem().path, none);
    const QString nowhere = dir.filePath(QStringLiteral("no/such/folder.txt"));
    const auto written = writeLines(nowhere, {"x"});
    ASSERT_FALSE(written);
    EXPECT_EQ(written.problem().path, nowhere);
}

TEST(Cp932, UnmappableCharactersBecomeQuestionMarksAndBadBytesDoNotStopDecoding) {
    EXPECT_EQ(platform::toCp932(QStringLiteral("a😀b")), QByteArray("a?b"));
    EXPECT_EQ(platform::toCp932(QStringLiteral("a😀")), QByteArray("a?")) << "a pair at the very end";
    EXPECT_EQ(platform::toCp932(QStringLiteral("😀")), QByteArray("?"));
    EXPECT_EQ(platform::fromCp932(QByteArray("a\x82", 2)), QStringLiteral("a\uFFFD"));
    EXPECT_EQ(platform::fromCp932(QByteArray("\xB1")), QStringLiteral("ｱ"));
}

}  // namespace
}  // namespace pelmar::text
