#include <gtest/gtest.h>

#include "app/link/MeasurementFiles.h"

namespace pelmar {
namespace {

TEST(SafeFileName, NeverLeavesTheFolderIsNeverEmptyOrHiddenAndAlwaysFits) {
    // 241 + "_XY.csv" + the temporary file's ".XXXXXX" = 255 bytes, the most one name may have.
    const QString fits(241, u'n');
    const struct {
        QString name;
        QString safe;
    } cases[] = {
        {QStringLiteral("A001"), QStringLiteral("A001")},
        {QStringLiteral("a.b"), QStringLiteral("a.b")},
        {QStringLiteral("a\\b:c*d?e\"f<g>h|i"), QStringLiteral("a_b_c_d_e_f_g_h_i")},
        {QStringLiteral("../../x"), QStringLiteral("_.._.._x")},
        {QStringLiteral(".."), QStringLiteral("_..")},
        {QStringLiteral("."), QStringLiteral("_.")},
        {QStringLiteral(".hidden"), QStringLiteral("_.hidden")},
        {QString(), QStringLiteral("_")},
        {fits, fits},
        {fits + u'x', fits},
        {QString(300, u'n'), fits},
        // Cut at whole characters by their UTF-8 bytes: 80 three-byte characters are 240 bytes.
        {QString(81, QChar(0x30A2)), QString(80, QChar(0x30A2))},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(safeFileName(c.name), c.safe) << c.name.toStdString();
        EXPECT_EQ(safeFileName(c.safe), c.safe) << "made safe once is safe";
    }
}

TEST(DayFolder, IsTheSaveFolderAndTheDate) {
    EXPECT_EQ(dayFolder(QStringLiteral("D:\\data"), QDate(2026, 1, 7), u'\\'),
              QStringLiteral("D:\\data\\20260107"));
}

TEST(MeasurementFile, FolderNameAndSuffix) {
    const QString day = QStringLiteral("/data/Pelmar/20261207");
    EXPECT_EQ(measurementFile(day, QStringLiteral("A001"), kBitmapSuffix, u'/'),
              QStringLiteral("/data/Pelmar/20261207/A001.bmp"));
    EXPECT_EQ(measurementFile(day, QStringLiteral("A 001.x"), kPointsSuffix, u'/'),
              QStringLiteral("/data/Pelmar/20261207/A 001.x_XY.csv"));
    EXPECT_EQ(measurementFile(QStringLiteral("D:\\data"), QStringLiteral("A"), kJpegSuffix, u'\\'),
              QStringLiteral("D:\\data\\A.jpg"));
}

}  // namespace
}  // namespace pelmar
