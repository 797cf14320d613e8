#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/platform/CodePage932.h"
#include "app/settings/SettingFile.h"
#include "tests/app/settings/PrintSettingData.h"
#include "tests/support/NativePath.h"

namespace pelmar::settings {
namespace {

class SettingFileTest : public ::testing::Test {
protected:
    void write(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray bytes() {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("lens1"));
};

SettingData sample() {
    SettingData data{"検査レンズ①", 4, -3, 2147483647, 1, 0, 1, 1, 0, 128, {}};
    data.workerNames = {"SATO", "髙橋", "", "", "", "", "", "", "", "LAST"};
    return data;
}

TEST_F(SettingFileTest, TwelveCodePage932LinesReplaceTheFileAndReadBackEqual) {
    write(QByteArray(4096, 'x'));
    ASSERT_TRUE(WriteSettingFile(path, sample()));

    const QByteArray expected = platform::toCp932(QStringLiteral("検査レンズ①")) +
                                "\r\n 4,-3, 2147483647, 1, 0, 1, 1, 0, 128,\r\n"
                                "SATO\r\n" +
                                platform::toCp932(QStringLiteral("髙橋")) +
                                "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nLAST\r\n";
    EXPECT_EQ(bytes(), expected);

    SettingData read;
    ASSERT_TRUE(ReadSettingFile(path, read));
    EXPECT_EQ(read, sample());

    // An empty lens name is an empty first line.
    SettingData empty;
    ASSERT_TRUE(WriteSettingFile(path, empty));
    EXPECT_TRUE(bytes().startsWith("\r\n 0, 0, 0,"));
    ASSERT_TRUE(ReadSettingFile(path, read));
    EXPECT_EQ(read, empty);
}

TEST_F(SettingFileTest, LinesEndAtCrLfOrCrAndLineTwoIsReadLeniently) {
    // CR alone ends lines too; an LF alone stays inside its line; a line 2 without the final
    // comma is complete; a number ends before an exponent; lines after the twelfth are ignored.
    write(
        "A\nB\r"
        "2.5,3.5,-3,1 2,abc,,1\n7,99999999999,-1e9\r"
        "w1\rw2\r\n\r\r\rw6\r\r\r\rw10\r"
        "line 13\r\n");
    SettingData expected{"A\nB", 2, 4, -3, 12, 0, 0, 17, 2147483647, -1, {}};
    expected.workerNames = {"w1", "w2", "", "", "", "w6", "", "", "", "w10"};
    SettingData read;
    ASSERT_TRUE(ReadSettingFile(path, read));
    EXPECT_EQ(read, expected);
}

TEST_F(SettingFileTest, WhatIsNotASettingDataFileIsReportedAndChangesNothing) {
    const QByteArray twelve = " 1, 2, 3, 4, 5, 6, 7, 8, 9,\r\n";
    const struct {
        const char* what;
        QByteArray bytes;  // empty: no file at all
        const char* message;
    } cases[] = {
        {"missing", {}, "読み込めません"},
        {"empty", QByteArray(""), "12行に足りません（0行）"},
        {"eleven lines", "L\r\n" + twelve + QByteArray("\r\n").repeated(9), "（11行）"},
        {"twelfth line without its end", "L\r\n" + twelve + QByteArray("\r\n").repeated(9) + "w",
         nullptr},
        {"eight numbers", "L\r\n 1, 2, 3, 4, 5, 6, 7, 8\r\n" + QByteArray("\r\n").repeated(10),
         "9個に足りません（8個）"},
        {"binary", QByteArray("\x00\xFF\x81\r\x00", 5).repeated(3), "12行"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path);
        if (!c.bytes.isNull()) write(c.bytes);
        SettingData data = sample();
        const auto read = ReadSettingFile(path, data);
        if (!c.message) {
            EXPECT_TRUE(read);
            continue;
        }
        ASSERT_FALSE(read);
        const QString told = read.problem().text();
        EXPECT_TRUE(told.startsWith(native(path) + u':')) << told.toStdString();
        EXPECT_NE(told.indexOf(QString::fromUtf8(c.message)), -1) << told.toStdString();
        EXPECT_EQ(data, sample());
    }

    SettingData data = sample();
    EXPECT_FALSE(ReadSettingFile(dir.path(), data)) << "a folder is no setting-data file";
    EXPECT_EQ(data, sample());
}

TEST_F(SettingFileTest, AFailedWriteIsReportedAndLeavesNoFile) {
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    for (const QString& target : {folder, dir.filePath(QStringLiteral("missing/lens1"))}) {
        const auto written = WriteSettingFile(target, sample());
        ASSERT_FALSE(written) << target.toStdString();
        EXPECT_EQ(written.problem().path, target);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"folder"});
    EXPECT_TRUE(QDir(folder).isEmpty());
}

}  // namespace
}  // namespace pelmar::settings
