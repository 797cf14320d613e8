#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/IniFile.h"
#include "app/platform/CodePage932.h"

namespace pelmar {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    void write(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // 0 read completely, 1 without a save folder, -1 not read.
    int load() {
        const auto read = LoadIniFile(path, settings);
        return !read ? -1 : *read == IniRead::Complete ? 0 : 1;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("PELMAR.INI"));
    AppSettings settings{QStringLiteral("/prog"), QStringLiteral("def"), QStringLiteral("1001"), 0,
                         80};
};

TEST_F(IniFileTest, ItemsInAnyOrderTheLastOccurrenceWinsAndOtherNumbersAreIgnored) {
    write(
        platform::toCp932(QStringLiteral("13, 70,(Jpeg圧縮率)\r\n"
                                     "11,2000,(DMのポート番号)\r\n"
                                     "0,/zero,x\r\n"
                                     "99,/ninety-nine\r\n"
                                     "1,/data/a,(保存フォルダ)\r\n"
                                     "12,1,(保存方式)\r\n"
                                     "1,/data/b,(保存フォルダ)\r\n"
                                     "10,127.0.0.1,(DMのIPアドレス)\r\n")));
    EXPECT_EQ(load(), 0);
    EXPECT_EQ(settings.saveFolder, QStringLiteral("/data/b"));
    EXPECT_EQ(settings.dmAddress, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(settings.dmPort, QStringLiteral("2000"));
    EXPECT_EQ(settings.saveMethod, 1);
    EXPECT_EQ(settings.jpegQuality, 70);
}

TEST_F(IniFileTest, ValuesAreTakenAsTheyStandUpToTheNextComma) {
    write(platform::toCp932(
        QStringLiteral("1,/data/検査,2024,(保存フォルダ)\r\n10, 127.0.0.1,x\r\n12, 2 ,x\r\n")));
    EXPECT_EQ(load(), 0);
    EXPECT_EQ(settings.saveFolder, QStringLiteral("/data/検査"));
    EXPECT_EQ(settings.dmAddress, QStringLiteral(" 127.0.0.1"));
    EXPECT_EQ(settings.saveMethod, 2);
}

TEST_F(IniFileTest, EmptyValuesKeepTheDefaultsAndAnEmptySaveFolderIsReported) {
    // Each item alone with an empty value: only the save folder's is reported.
    const struct {
        const char* line;
        int result;
    } cases[] = {{"1,,x", 1}, {"10,,x", 0}, {"11,,x", 0}, {"12,,x", 0}, {"13,,x", 0}};
    for (const auto& c : cases) {
        write(QByteArray(c.line) + "\r\n");
        EXPECT_EQ(load(), c.result) << c.line;
        EXPECT_EQ(settings, (AppSettings{QStringLiteral("/prog"), QStringLiteral("def"),
                                         QStringLiteral("1001"), 0, 80}))
            << c.line;
    }
}

TEST_F(IniFileTest, ANumberItemThatIsNotOneNumberFailsButEarlierItemsStay) {
    for (const char* value : {"abc", "1.2.3", "1..2", ".", "1e2", "1 2"}) {
        SCOPED_TRACE(value);
        settings.dmAddress = QStringLiteral("def");
        write("10,127.0.0.1,x\r\n12," + QByteArray(value) + ",x\r\n11,2000,x\r\n");
        EXPECT_EQ(load(), -1);
        EXPECT_EQ(settings.dmAddress, QStringLiteral("127.0.0.1"));
        EXPECT_EQ(settings.saveMethod, 0);
        EXPECT_EQ(settings.dmPort, QStringLiteral("1001"));
    }
}

TEST_F(IniFileTest, NumberItemsRoundHalvesToEvenAndAreNotRangeChecked) {
    write("12,2.5,x\r\n13,150,x\r\n");
    EXPECT_EQ(load(), 0);
    EXPECT_EQ(settings.saveMethod, 2);
    EXPECT_EQ(settings.jpegQuality, 150);
}

TEST_F(IniFileTest, AMissingFileFails) {
    EXPECT_EQ(load(), -1);
}

TEST_F(IniFileTest, SaveWritesExactlyTheFiveLinesInCodePage932) {
    settings = {QStringLiteral("D:\\data"), QStringLiteral("127.0.0.1"), QStringLiteral("1001"), 0,
                -5};
    ASSERT_TRUE(SaveIniFile(path, settings));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(platform::fromCp932(f.readAll()), QStringLiteral("1,D:\\data,(保存フォルダ)\r\n"
                                                           "10,127.0.0.1,(DMのIPアドレス)\r\n"
                                                           "11,1001,(DMのポート番号)\r\n"
                                                           "12, 0,(保存方式)\r\n"
                                                           "13,-5,(Jpeg圧縮率)\r\n"));
    AppSettings back;
    EXPECT_EQ(*LoadIniFile(path, back), IniRead::Complete);
    EXPECT_EQ(back.jpegQuality, -5);
    EXPECT_EQ(back.saveFolder, QStringLiteral("D:\\data"));
}

}  // namespace
}  // namespace pelmar
