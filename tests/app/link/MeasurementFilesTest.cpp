#include <gtest/gtest.h>

#include "app/link/MeasurementFiles.h"

namespace pelmar {
namespace {

TEST(SafeFileName, SeparatorsAndForbiddenCharactersBecomeUnderscores) {
    EXPECT_EQ(safeFileName(QStringLiteral("A001")), QStringLiteral("A001"));
    EXPECT_EQ(safeFileName(QStringLiteral("../../x")), QStringLiteral(".._.._x"));
    EXPECT_EQ(safeFileName(QStringLiteral("a\\b:c*d?e\"f<g>h|i")),
              QStringLiteral("a_b_c_d_e_f_g_h_i"));
    EXPECT_EQ(safeFileName(QStringLiteral("..")), QStringLiteral("_.."));
    EXPECT_EQ(safeFileName(QStringLiteral(".")), QStringLiteral("_."));
    EXPECT_EQ(safeFileName(QStringLiteral("a.b")), QStringLiteral("a.b"));
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
