#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "app/text/Cp932.h"
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
    ASSERT_TRUE(writeLines(path, {line, QStringLiteral("abc")}));

    // Microsoft's table: ～ is 0x8160, ① 0x8740, 髙 0xFBFC (an IBM extension), ℃ 0x818E.
    const QByteArray expected = QByteArray(
        "\x8C\x9F\x8D\xB8\x90\xAC\x90\xD1\x8F\x91 \x81\x60 \x87\x40 "
        "\xFB\xFC \x81\x8E\r\nabc\r\n");
    EXPECT_EQ(fileBytes(path).toHex(' '), expected.toHex(' '));

    const auto lines = readLines(path);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, QStringList({line, QStringLiteral("abc")}));
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

// A disk that fills up in the middle of a write: the process may not grow a file beyond a few
// bytes, so the write fails with the new text half out.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(TextFile, AWriteThatFillsTheDiskIsReportedAndLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PELMAR.INI"));
    ASSERT_TRUE(writeLines(path, {"old"}));
    {
        FullDisk full;
        const auto written = writeLines(path, {QString(64, u'n'), QString(64, u'n')});
        ASSERT_FALSE(written) << "the write was reported as done";
        EXPECT_EQ(written.problem().path, path);
        EXPECT_FALSE(written.problem().reason.isEmpty());
    }
    EXPECT_EQ(fileBytes(path), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"PELMAR.INI"});
}

TEST(Cp932, UnmappableCharactersBecomeQuestionMarksAndBadBytesDoNotStopDecoding) {
    EXPECT_EQ(toCp932(QStringLiteral("a😀b")), QByteArray("a?b"));
    EXPECT_EQ(toCp932(QStringLiteral("a😀")), QByteArray("a?")) << "a pair at the very end";
    EXPECT_EQ(toCp932(QStringLiteral("😀")), QByteArray("?"));
    EXPECT_EQ(fromCp932(QByteArray("a\x82", 2)), QStringLiteral("a\uFFFD"));
    EXPECT_EQ(fromCp932(QByteArray("\xB1")), QStringLiteral("ｱ"));
}

}  // namespace
}  // namespace pelmar::text
