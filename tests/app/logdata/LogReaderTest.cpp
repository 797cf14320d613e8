#include <gtest/gtest.h>

#include "LogTree.h"
#include "app/logdata/LogReader.h"

namespace pelmar::logdata {
namespace {

const QByteArray kRecord =
    "12/07/2026 Mon. 10:15:30,V,0.0123,OK,0.0200,0.0010,PL-35F2,S2612070001,DM-7200,SATO,EC-500";

QByteArray record(const QByteArray& serial) {
    return QByteArray(kRecord).replace("S2612070001", serial);
}

// A history as the station had it before reading: seven received results.
ResultHistory earlierHistory() {
    ResultHistory h;
    for (int i = 0; i < 7; ++i) {
        h.storeRecord(QString::fromLatin1(record("OLD")), QStringLiteral("old.jpg"),
                      QStringLiteral("old.bmp"));
        h.commitRecord();
    }
    return h;
}

TEST(ReadLogData, LoadsTheFirstLineOfEachMeasurementFileInPlaceOfTheHistory) {
    LogTree tree;
    tree.write(QStringLiteral("20260712/A001.csv"), record("S1") + "\r\nsecond line\r\n");
    tree.write(QStringLiteral("20260712/A001_XY.csv"), "440.0,240.1\r\n");
    tree.write(QStringLiteral("20260712/A001_xy.CSV"), "440.0,240.1\r\n");
    // Exactly eleven fields, ended by a CR alone or an LF alone: the last field stays whole.
    tree.write(QStringLiteral("20260713/A002.csv"), record("S2") + "\rsecond");
    tree.write(QStringLiteral("20260713/A006.csv"), record("S6") + "\nsecond");
    tree.write(QStringLiteral("20260713/A003.CSV"), record("S3") + ",x,y,z\nsecond");
    // Worker name 佐藤 in code page 932, and no line end at all.
    tree.write(QStringLiteral("20260713/A004.csv"),
               "12/07/2026 Mon. 10:15:30,V,,,,,,S4,,\x8D\xB2\x93\xA1");
    tree.write(QStringLiteral("20260713/A005.csv"), QByteArray(70000, 'x') + "\r\nsecond");
    tree.write(QStringLiteral("20260713/empty.csv"), "");
    tree.write(QStringLiteral("20260713/blank.csv"), "\r\n" + record("S9") + "\r\n");

    ResultHistory history = earlierHistory();
    const LogReadResult result = ReadLogData(tree.root(), history);

    EXPECT_EQ(result.filesRead, 6);
    EXPECT_EQ(result.filesSkipped, 2);
    EXPECT_TRUE(result.skippedFolders.isEmpty());
    EXPECT_EQ(history.historyCount, 6);
    EXPECT_EQ(history.historyTop, 0);
    const auto& e = history.entries;
    const QStringList serials{e[0].serialNo, e[1].serialNo, e[2].serialNo, e[3].serialNo,
                              e[5].serialNo};
    EXPECT_EQ(serials, QStringList({"S1", "S2", "S3", "S4", "S6"}));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(e[i].checked, 1) << i;

    EXPECT_EQ(e[0].dateTime, QStringLiteral("12/07/2026 Mon. 10:15:30"));
    EXPECT_EQ(e[0].modeCode, QStringLiteral("V"));
    EXPECT_EQ(e[0].instrumentModel, QStringLiteral("EC-500"));
    EXPECT_EQ(e[0].jpegPath, tree.path(QStringLiteral("20260712/A001.jpg")));
    EXPECT_EQ(e[0].bitmapPath, tree.path(QStringLiteral("20260712/A001.bmp")));
    EXPECT_EQ(e[1].instrumentModel, QStringLiteral("EC-500"));
    EXPECT_EQ(e[5].instrumentModel, QStringLiteral("EC-500"));
    EXPECT_EQ(e[1].jpegPath, tree.path(QStringLiteral("20260713/A002.jpg")));
    EXPECT_EQ(e[1].bitmapPath, tree.path(QStringLiteral("20260713/A002.bmp")));
    EXPECT_EQ(e[2].instrumentModel, QStringLiteral("EC-500"));
    EXPECT_EQ(e[2].jpegPath, tree.path(QStringLiteral("20260713/A003.jpg")));
    EXPECT_EQ(e[2].bitmapPath, tree.path(QStringLiteral("20260713/A003.bmp")));
    EXPECT_EQ(e[3].workerName, QStringLiteral("佐藤"));
    EXPECT_EQ(e[3].instrumentModel, QString());
    EXPECT_EQ(e[4].dateTime, QString(kMaxRecordBytes, u'x'));
    // The earlier results beyond the files read are gone.
    EXPECT_EQ(e[6].serialNo, QString());
    EXPECT_EQ(e[6].checked, 0);
}

TEST(ReadLogData, WithoutAReadableMeasurementTheHistoryStaysAsItWas) {
    LogTree tree;
    tree.write(QStringLiteral("A001_XY.csv"), "440.0,240.1\r\n");
    tree.write(QStringLiteral("locked.csv"), record("S1"));
    tree.write(QStringLiteral("closed/A002.csv"), record("S2"));
    tree.lock(QStringLiteral("locked.csv"));
    tree.lock(QStringLiteral("closed"));

    ResultHistory history = earlierHistory();
    AsOrdinaryUser user;
    if (!user.denies(tree.path(QStringLiteral("locked.csv"))))
        GTEST_SKIP() << "a file without permissions stays readable here (as root without the right to act "
                        "as another user, or under Wine)";
    const LogReadResult result = ReadLogData(tree.root(), history);

    EXPECT_EQ(result.filesRead, 0);
    EXPECT_EQ(result.filesSkipped, 1);
    ASSERT_EQ(result.skippedFolders.size(), 1);
    EXPECT_EQ(result.skippedFolders[0].folder, tree.path(QStringLiteral("closed")));
    EXPECT_EQ(history.historyCount, 7);
    EXPECT_EQ(history.entries[6].serialNo, QStringLiteral("OLD"));
    EXPECT_EQ(history.entries[6].jpegPath, QStringLiteral("old.jpg"));
}

TEST(ReadLogData, PastTheHundredthFileEachFurtherFileOverwritesSlot99) {
    LogTree tree;
    for (int k = 1; k <= 101; ++k) {
        const QByteArray serial = "S" + QByteArray::number(k);
        tree.write(QStringLiteral("A%1.csv").arg(k, 3, 10, QChar(u'0')), record(serial));
    }
    ResultHistory history;
    const LogReadResult result = ReadLogData(tree.root(), history);

    EXPECT_EQ(result.filesRead, 101);
    EXPECT_EQ(history.historyCount, 99);
    EXPECT_EQ(history.historyTop, 92);
    EXPECT_EQ(history.entries[0].serialNo, QStringLiteral("S1"));
    EXPECT_EQ(history.entries[98].serialNo, QStringLiteral("S99"));
    EXPECT_EQ(history.entries[99].serialNo, QStringLiteral("S101"));
    EXPECT_EQ(history.entries[99].jpegPath, tree.path(QStringLiteral("A101.jpg")));
    EXPECT_EQ(history.entries[100].checked, 0);
}

}  // namespace
}  // namespace pelmar::logdata
