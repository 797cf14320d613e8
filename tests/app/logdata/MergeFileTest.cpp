#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/logdata/MergeFile.h"

namespace pelmar::logdata {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void add(ResultHistory& h, const QString& record, int checked = 1) {
    const int i = h.storeRecord(record, QStringLiteral("x.jpg"), QStringLiteral("x.bmp"));
    h.entries[static_cast<std::size_t>(i)].checked = checked;
    h.commitRecord();
}

TEST(WriteMergeFile, ListedEntriesInSlotOrderElevenFieldsEachWithAComma) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("merged"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500, 'o'));
    }
    ResultHistory h;
    add(h, QStringLiteral("d0,V,0.01,OK,0.02,0.001,L0,S0,DM,SATO,EC"));
    add(h, QStringLiteral("d1,V,0.01,OK,0.02,0.001,L1,S1,DM,SATO,EC"), 0);
    add(h, QStringLiteral("d2,A,0.03,NG,0.02,0.001,L2,S2,DM,佐藤,EC,extra1,extra2,extra3"));
    add(h, QStringLiteral("d3,V"));
    // A checked slot past historyCount is not in the list.
    h.entries[4].checked = 1;
    h.entries[4].dateTime = QStringLiteral("beyond");

    EXPECT_TRUE(WriteMergeFile(path, h));

    EXPECT_EQ(fileBytes(path),
              QByteArray("d0,V,0.01,OK,0.02,0.001,L0,S0,DM,SATO,EC,\r\n"
                         "d2,A,0.03,NG,0.02,0.001,L2,S2,DM,\x8D\xB2\x93\xA1,EC,\r\n"
                         "d3,V,,,,,,,,,,\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"merged"}));
}

TEST(WriteMergeFile, AnEmptyHistoryGivesAnEmptyFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("none.csv"));
    EXPECT_TRUE(WriteMergeFile(path, ResultHistory{}));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(fileBytes(path), QByteArray());
}

TEST(WriteMergeFile, AMissingFolderIsReportedWithThePath) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/merged.csv"));
    ResultHistory h;
    add(h, QStringLiteral("d0,V"));

    const auto written = WriteMergeFile(path, h);

    ASSERT_FALSE(written);
    EXPECT_EQ(written.problem().path, path);
    EXPECT_FALSE(written.problem().reason.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace pelmar::logdata
