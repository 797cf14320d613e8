#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>

#include "app/report/NameIni.h"
#include "app/platform/CodePage932.h"
#include "tests/support/FakeScreen.h"
#include "tests/support/StationRig.h"

namespace pelmar::report {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(NameIni, FirstStartCreatesTwoEmptyLinesAndTakesTheStartDate) {
    fakes::StationRig rig;
    fakes::FakeScreen screen;
    rig.build(screen).startUp();
    EXPECT_EQ(fileBytes(rig.state.nameIniPath), QByteArray("\r\n\r\n"));
    const ReportHeader& header = rig.state.reportHeader;
    const QDate today = QDate::currentDate();
    EXPECT_EQ(QDate(header.createYear, header.createMonth, header.createDay), today);
    EXPECT_EQ(header.temperature, 0.0);
    EXPECT_LT(header.humidity, 0.0);
    EXPECT_TRUE(rig.prompts.asked.isEmpty());
}

// No message box holds the start (and the DM's link): a status line that stands out says it.
TEST(NameIni, AFileThatCannotBeMadeIsReportedAndStartGoesOn) {
    fakes::StationRig rig;
    ASSERT_TRUE(QDir(rig.dir.path()).mkdir(QStringLiteral("NAME.INI")));  // in the file's way
    fakes::FakeScreen screen;
    Station& station = rig.build(screen);
    rig.pump.at(rig.pump.nowMs() + 200, [&] { station.stop(); });
    station.startUp();
    station.run();
    EXPECT_TRUE(rig.prompts.asked.isEmpty());
    const QString told = QStringLiteral("会社名などのファイル：ファイルに書き込めません: %1（")
                             .arg(rig.state.nameIniPath);
    ASSERT_EQ(screen.status.filter(told).size(), 1) << screen.status.join(u'\n').toStdString();
    EXPECT_EQ(screen.standing, std::set<Screen::Problem>{Screen::Problem::Names});
    EXPECT_EQ(rig.state.reportHeader.nameLine1, QString());
}

TEST(NameIni, LinesKeepCommasQuotesAndLeadingBlanks) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("NAME.INI"));
    ReportHeader written;
    written.nameLine1 = QStringLiteral("  検査課, \"第1\"ライン ");
    written.nameLine2 = QStringLiteral(",～①");
    ASSERT_TRUE(SaveNameIni(path, written));
    EXPECT_EQ(fileBytes(path), platform::toCp932(written.nameLine1 + QStringLiteral("\r\n") +
                                             written.nameLine2 + QStringLiteral("\r\n")));
    ReportHeader read;
    ASSERT_TRUE(LoadNameIni(path, read));
    EXPECT_EQ(read.nameLine1, written.nameLine1);
    EXPECT_EQ(read.nameLine2, written.nameLine2);
}

TEST(NameIni, MissingLinesAreEmptyAndAnUnreadableFileLeavesTheLines) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("NAME.INI"));
    ReportHeader header;
    header.nameLine2 = QStringLiteral("old");
    writeBytes(path, "only one");
    ASSERT_TRUE(LoadNameIni(path, header));
    EXPECT_EQ(header.nameLine1, QStringLiteral("only one"));
    EXPECT_EQ(header.nameLine2, QString());

    header.nameLine2 = QStringLiteral("kept");
    EXPECT_FALSE(LoadNameIni(QDir(dir.path()).filePath(QStringLiteral("gone.ini")), header));
    EXPECT_EQ(header.nameLine1, QStringLiteral("only one"));
    EXPECT_EQ(header.nameLine2, QStringLiteral("kept"));
}

}  // namespace
}  // namespace pelmar::report
