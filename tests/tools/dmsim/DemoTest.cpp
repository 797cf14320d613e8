// The demo's measurement data as Pelmar's table and files will show it.
#include <gtest/gtest.h>

#include <QStringList>

#include "tools/dmsim/Demo.h"

namespace {

// Characters 7-10, 1-2, 4-5 and 17-24 (1-based) of field 0: how the result table shows it.
QString tableDate(const QString& field) {
    return field.mid(6, 4) + "." + field.mid(0, 2) + "." + field.mid(3, 2) + " " + field.mid(16, 8);
}

TEST(Demo, DateFieldReadsAsYearMonthDayTimeInTheTable) {
    const QDateTime when(QDate(2026, 12, 7), QTime(10, 15, 30));
    const QStringList fields = QString::fromLatin1(dmsim::demoDataLine(1, when)).split(',');
    EXPECT_EQ(fields[0], "12/07/2026 Mon. 10:15:30");
    EXPECT_EQ(tableDate(fields[0]), "2026.12.07 10:15:30");
    const QDateTime morning(QDate(2027, 1, 2), QTime(9, 5, 7));
    EXPECT_EQ(tableDate(QString::fromLatin1(dmsim::demoDataLine(5, morning)).split(',')[0]),
              "2027.01.02 09:05:07");
}

TEST(Demo, DataLinesCarryAllElevenFieldsInPrintableAscii) {
    const QDateTime when(QDate(2026, 12, 7), QTime(10, 15, 30));
    QStringList modes;
    for (int shot = 1; shot <= 8; ++shot) {
        const QByteArray line = dmsim::demoDataLine(shot, when);
        for (char c : line) EXPECT_TRUE(c >= 32 && c <= 126) << line.data();
        const QStringList fields = QString::fromLatin1(line).split(',');
        ASSERT_GE(fields.size(), 11) << line.data();
        for (int i = 0; i < 11; ++i) EXPECT_FALSE(fields[i].isEmpty()) << i << line.data();
        EXPECT_TRUE(fields[3] == "OK" || fields[3] == "NG");
        EXPECT_EQ(fields[3] == "OK", fields[2].toDouble() <= fields[4].toDouble()) << line.data();
        modes << fields[1];
    }
    // The table's mode texts: first character V or A, or the eighth E or I.
    EXPECT_TRUE(modes.contains("V"));
    EXPECT_TRUE(modes.contains("A"));
    bool cross = false, disp = false;
    for (const QString& mode : modes) {
        cross |= mode.size() == 8 && mode[7] == 'E';
        disp |= mode.size() == 8 && mode[7] == 'I';
    }
    EXPECT_TRUE(cross && disp);
}

TEST(Demo, PointsAreXCommaY) {
    const QList<QByteArray> points = dmsim::demoPoints(3);
    EXPECT_GE(points.size(), 3);
    for (const QByteArray& point : points) {
        const QList<QByteArray> xy = point.split(',');
        ASSERT_EQ(xy.size(), 2) << point.data();
        bool okX = false, okY = false;
        EXPECT_GT(xy[0].toDouble(&okX), 0);
        EXPECT_GT(xy[1].toDouble(&okY), 0);
        EXPECT_TRUE(okX && okY) << point.data();
    }
}

}  // namespace
