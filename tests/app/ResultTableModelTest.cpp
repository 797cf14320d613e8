// The main window's result table without its widgets: which entry each row shows and what, the
// scroll buttons, the check marks and the image a click on a row recalls.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "app/ResultTableModel.h"

namespace pelmar {
namespace {

class ResultTableModelTest : public ::testing::Test {
protected:
    // Result n as the DM sends it, stored as DATW stores it: drawn before the count moves on.
    void receive(int n, const QString& mode = QStringLiteral("V"),
                 const QString& dateTime = QStringLiteral("12/07/2026 Mon. 10:15:%1")) {
        history.storeRecord(
            QStringLiteral("%1,%2,0.0%3,OK,0.050,0.001,LENS-%3,SN%3,DM-7100,WORKER,EC-200")
                .arg(dateTime.arg(n % 60, 2, 10, QChar(u'0')), mode)
                .arg(n),
            dir.filePath(QStringLiteral("A%1.jpg").arg(n)),
            dir.filePath(QStringLiteral("A%1.bmp").arg(n)));
        history.commitRecord();
    }
    void receive(int from, int to) {
        for (int n = from; n <= to; ++n) receive(n);
    }
    // The numbers the rows show, top to bottom.
    QString numbers() const {
        QStringList shown;
        for (int r = 0; r < model.shownRows(); ++r) shown.append(model.row(r).cells[0]);
        return shown.join(u' ');
    }

    QTemporaryDir dir;
    ResultHistory history;
    ResultTableModel model{history};
};

TEST_F(ResultTableModelTest, ARowShowsEveryFieldOfItsEntry) {
    history.storeRecord(
        QStringLiteral("12/07/2026 Mon. 10:15:01,V,0.01,OK,0.050,0.001,LENS-1,SN1,DM-7100,WORKER,"
                       "EC-200"),
        QString(), QString());
    ASSERT_EQ(model.shownRows(), 1) << "drawn before the count moves on";
    const ResultRow row = model.row(0);
    EXPECT_EQ(row.entry, 0);
    EXPECT_EQ(row.cells, (std::array<QString, ResultRow::kColumns>{
                             "001", "2026.12.07 10:15:01", "VERTICAL", "0.01", "OK", "0.050",
                             "0.001", "LENS-1", "SN1", "DM-7100", "WORKER", "EC-200"}));
    EXPECT_TRUE(row.checked);
    history.commitRecord();
    EXPECT_EQ(model.shownRows(), 2) << "and the slot of the next result";
    EXPECT_EQ(model.row(1).cells[7], QString());
}

TEST_F(ResultTableModelTest, DateAndModeTexts) {
    receive(1, QStringLiteral("A"), QStringLiteral("12/07/2026%1"));
    EXPECT_EQ(model.row(0).cells[1], QStringLiteral("2026.12.07 ")) << "12 characters: date only";
    const std::pair<const char*, const char*> modes[] = {{"A", "AUTO-MODE"},
                                                         {"CROSS01E", "CROSS-MODE"},
                                                         {"CROSS01I", "CROSS-DISP"},
                                                         {"VCROSS0I", "VERTICAL"},
                                                         {"X", ""}};
    for (std::size_t k = 0; k < std::size(modes); ++k) {
        receive(static_cast<int>(k) + 2, QString::fromLatin1(modes[k].first));
    }
    for (std::size_t k = 0; k < std::size(modes); ++k) {
        EXPECT_EQ(model.row(static_cast<int>(k) + 1).cells[2], QString::fromLatin1(modes[k].second))
            << modes[k].first;
    }
}

TEST_F(ResultTableModelTest, TheRowsFollowTheNewestResultAndScrollWithinTheHistory) {
    receive(1, 8);
    EXPECT_EQ(numbers(), QStringLiteral("001 002 003 004 005 006 007 008"));
    receive(9);
    EXPECT_EQ(numbers(), QStringLiteral("002 003 004 005 006 007 008 009"));
    receive(10);
    EXPECT_FALSE(model.scrollDown()) << "the newest is in the last row";
    EXPECT_EQ(model.row(0).cells[0], QStringLiteral("003"));
    EXPECT_TRUE(model.scrollUp());
    EXPECT_EQ(numbers(), QStringLiteral("002 003 004 005 006 007 008 009"));
    EXPECT_TRUE(model.scrollUp());
    EXPECT_FALSE(model.scrollUp()) << "the first is in the first row";
    EXPECT_EQ(model.row(0).cells[0], QStringLiteral("001"));
    EXPECT_TRUE(model.scrollDown());
    EXPECT_EQ(model.row(0).cells[0], QStringLiteral("002"));

    // From the 100th result on, each new one takes the last slot.
    receive(11, 101);
    EXPECT_EQ(history.historyCount, 99);
    EXPECT_EQ(model.row(7).cells[0], QStringLiteral("100"));
    EXPECT_EQ(model.row(7).cells[7], QStringLiteral("LENS-101"));
    EXPECT_EQ(model.row(6).cells[7], QStringLiteral("LENS-99"));
}

TEST_F(ResultTableModelTest, ACheckBoxMarksTheEntryItsRowShows) {
    receive(1, 10);
    model.setChecked(3, false);
    EXPECT_EQ(history.entries[5].checked, 0);
    EXPECT_EQ(history.entries[4].checked, 1);
    ASSERT_TRUE(model.scrollUp());
    EXPECT_TRUE(model.row(3).checked) << "row 3 now shows entry 4";
    EXPECT_FALSE(model.row(4).checked);

    // Emptied, the rows start from the first entry again.
    history.clear();
    receive(1, 3);
    model.setChecked(1, false);
    EXPECT_EQ(history.entries[1].checked, 0);
    EXPECT_EQ(history.entries[0].checked + history.entries[2].checked, 2);
    EXPECT_EQ(history.entries[3].checked, 0) << "an emptied entry, untouched";
}

TEST_F(ResultTableModelTest, AClickRecallsTheStoredJpegBeforeTheBitmap) {
    receive(1, 3);
    const auto store = [](const QString& path) {
        ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(path));
    };
    store(history.entries[0].bitmapPath);
    store(history.entries[1].bitmapPath);
    store(history.entries[1].jpegPath);
    EXPECT_EQ(model.image(0)->file, history.entries[0].bitmapPath) << "the bitmap when alone";
    EXPECT_EQ(model.image(1)->file, history.entries[1].jpegPath);
    EXPECT_EQ(model.image(1)->number, 2);
    EXPECT_EQ(model.image(2)->file, QString()) << "neither stored: the number only";
    history.entries[2].jpegPath.clear();
    EXPECT_FALSE(model.image(2)) << "an entry without images recalls nothing";
}

}  // namespace
}  // namespace pelmar
