#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "app/Form1.h"
#include "tests/support/StationRig.h"

namespace pelmar {
namespace {

using fakes::StationRig;

class ResultTableTest : public ::testing::Test {
protected:
    ResultTableTest() {
        station.startUp();
        rig.goOnline();
    }

    // One DATW exchange with a data line of the DM's layout.
    void datw(int n, const QString& mode = QStringLiteral("V"),
              const QString& dateTime = QStringLiteral("12/07/2026 Mon. 10:15:%1")) {
        const QString name = QStringLiteral("A%1").arg(n, 3, 10, QChar(u'0'));
        const QString line =
            QStringLiteral("%1,%2,0.0%3,OK,0.050,0.001,LENS-%3,SN%3,DM-7100,WORKER,EC-200\r")
                .arg(dateTime.arg(n % 60, 2, 10, QChar(u'0')), mode)
                .arg(n);
        rig.serve(QStringLiteral("DATW,%1").arg(name).toLatin1(), {line.toLatin1()});
    }

    QString no(int row) const { return form->lblNo[static_cast<std::size_t>(row)]->text(); }

    StationRig rig;
    ProgramState& state = rig.state;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(rig.state, rig.pump, rig.prompts,
                                                          rig.folders, rig.volumes, rig.display);
    Station& station = rig.build(*form);
};

TEST_F(ResultTableTest, TheFirstResultFillsRowZero) {
    datw(1);
    EXPECT_EQ(no(0), QStringLiteral("001"));
    EXPECT_EQ(form->lblDate[0]->text(), QStringLiteral("2026.12.07 10:15:01"));
    EXPECT_EQ(form->lblMode[0]->text(), QStringLiteral("VERTICAL"));
    EXPECT_EQ(form->lblKekka[0]->text(), QStringLiteral("0.01"));
    EXPECT_EQ(form->lblOkNg[0]->text(), QStringLiteral("OK"));
    EXPECT_EQ(form->lblKyoyou[0]->text(), QStringLiteral("0.050"));
    EXPECT_EQ(form->lblMemori[0]->text(), QStringLiteral("0.001"));
    EXPECT_EQ(form->lblLenz[0]->text(), QStringLiteral("LENS-1"));
    EXPECT_EQ(form->lblSerial[0]->text(), QStringLiteral("SN1"));
    EXPECT_EQ(form->lblGsyoriki[0]->text(), QStringLiteral("DM-7100"));
    EXPECT_EQ(form->lblWorker[0]->text(), QStringLiteral("WORKER"));
    EXPECT_EQ(form->lblSokuteiki[0]->text(), QStringLiteral("EC-200"));
    EXPECT_TRUE(form->Check1[0]->isChecked());
    EXPECT_EQ(no(1), QString());
}

TEST_F(ResultTableTest, TheNinthResultScrollsByOne) {
    for (int n = 1; n <= 9; ++n) datw(n);
    EXPECT_EQ(state.history.historyTop, 1);
    EXPECT_EQ(no(0), QStringLiteral("002"));
    EXPECT_EQ(no(7), QStringLiteral("009"));
}

TEST_F(ResultTableTest, ScrollButtonsStopAtBothEnds) {
    for (int n = 1; n <= 10; ++n) datw(n);
    EXPECT_EQ(state.history.historyTop, 2);
    form->btnDn->click();
    EXPECT_EQ(state.history.historyTop, 2);
    EXPECT_EQ(no(0), QStringLiteral("003"));
    form->btnUp->click();
    EXPECT_EQ(no(0), QStringLiteral("002"));
    EXPECT_EQ(no(7), QStringLiteral("009"));
    form->btnUp->click();
    form->btnUp->click();
    EXPECT_EQ(state.history.historyTop, 0);
    EXPECT_EQ(no(0), QStringLiteral("001"));
    form->btnDn->click();
    EXPECT_EQ(no(0), QStringLiteral("002"));
}

TEST_F(ResultTableTest, TheHundredAndFirstResultOverwritesTheLastEntry) {
    for (int n = 1; n <= 101; ++n) datw(n);
    EXPECT_EQ(state.history.historyCount, 99);
    EXPECT_EQ(state.history.entries[99].lensName, QStringLiteral("LENS-101"));
    EXPECT_EQ(state.history.entries[98].lensName, QStringLiteral("LENS-99"));
    EXPECT_EQ(state.history.entries[100].lensName, QString());
    EXPECT_EQ(no(7), QStringLiteral("100"));
    EXPECT_EQ(form->lblLenz[7]->text(), QStringLiteral("LENS-101"));
}

TEST_F(ResultTableTest, DateAndModeTexts) {
    datw(1, QStringLiteral("A"), QStringLiteral("12/07/2026%1"));
    EXPECT_EQ(form->lblDate[0]->text(), QStringLiteral("2026.12.07 "))
        << "12 characters: date only";
    datw(2, QStringLiteral("CROSS01E"));
    datw(3, QStringLiteral("CROSS01I"));
    datw(4, QStringLiteral("VCROSS0I"));
    datw(5, QStringLiteral("X"));
    EXPECT_EQ(form->lblMode[0]->text(), QStringLiteral("AUTO-MODE"));
    EXPECT_EQ(form->lblMode[1]->text(), QStringLiteral("CROSS-MODE"));
    EXPECT_EQ(form->lblMode[2]->text(), QStringLiteral("CROSS-DISP"));
    EXPECT_EQ(form->lblMode[3]->text(), QStringLiteral("VERTICAL"));
    EXPECT_EQ(form->lblMode[4]->text(), QString());
}

TEST_F(ResultTableTest, UncheckingARowChangesItsEntry) {
    for (int n = 1; n <= 10; ++n) datw(n);
    form->Check1[3]->click();
    EXPECT_EQ(state.history.entries[5].checked, 0);
    EXPECT_EQ(state.history.entries[4].checked, 1);
    form->btnUp->click();
    EXPECT_TRUE(form->Check1[3]->isChecked()) << "row 3 now shows entry 4";
    EXPECT_FALSE(form->Check1[4]->isChecked());
}

TEST_F(ResultTableTest, DataClearAsksAndEmptiesHistoryAndTable) {
    for (int n = 1; n <= 3; ++n) datw(n);
    form->cmdDataClear->trigger();
    ASSERT_EQ(rig.prompts.asked.size(), 1);
    EXPECT_EQ(rig.prompts.asked[0].title, QStringLiteral("確認"));
    EXPECT_EQ(rig.prompts.asked[0].text,
              QStringLiteral("表示されているデータをクリアします。よろしいですか？"));
    EXPECT_EQ(state.history.historyCount, 3);
    rig.prompts.answer = Prompts::Yes;
    form->cmdDataClear->trigger();
    EXPECT_EQ(state.history.historyCount, 0);
    EXPECT_EQ(state.history.entries[1].lensName, QString());
    EXPECT_EQ(no(0), QString());
    EXPECT_FALSE(form->Check1[0]->isChecked());
    datw(4);
    EXPECT_EQ(no(0), QStringLiteral("001"));
}

TEST_F(ResultTableTest, TheEntryNumberIsDrawnInGreenOverThePicture) {
    const QImage before = form->Picture1->image().copy();
    datw(1);
    const QImage after = form->Picture1->image();
    int green = 0;
    for (int y = 10; y < 40; ++y) {
        for (int x = 600; x < 649; ++x) {
            if (after.pixel(x, y) != before.pixel(x, y)) {
                EXPECT_EQ(qRed(after.pixel(x, y)), 0);
                ++green;
            }
        }
    }
    EXPECT_GT(green, 20);
    for (int y = 0; y < 489; ++y) {
        for (int x = 0; x < 600; ++x) ASSERT_EQ(after.pixel(x, y), before.pixel(x, y));
    }
}

TEST_F(ResultTableTest, ClickingARowShowsItsStoredImageTheJpegFirst) {
    datw(1);
    datw(2);
    const auto store = [](const QString& path, const QColor& colour, const char* format) {
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(path, format));
    };
    store(state.history.entries[0].bitmapPath, QColor(200, 100, 50), "BMP");
    store(state.history.entries[1].bitmapPath, QColor(200, 100, 50), "BMP");
    store(state.history.entries[1].jpegPath, QColor(0, 0, 255), "JPG");
    const auto click = [&](int row) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form->lblLenz[static_cast<std::size_t>(row)], &press);
        return QColor(form->Picture1->image().pixel(100, 100));
    };
    EXPECT_EQ(click(0).rgb(), QColor(200, 100, 50).rgb()) << "the bitmap when it is alone";
    const QColor jpeg = click(1);
    EXPECT_LT(jpeg.red(), 16) << "the JPEG when both exist";
    EXPECT_GT(jpeg.blue(), 240);
}

TEST_F(ResultTableTest, ACheckClickAfterDataClearMarksTheEntryOfItsRow) {
    for (int n = 1; n <= 10; ++n) datw(n);
    ASSERT_EQ(state.history.historyTop, 2);
    rig.prompts.answer = Prompts::Yes;
    form->cmdDataClear->trigger();
    for (int n = 1; n <= 3; ++n) datw(n);
    form->Check1[1]->click();
    EXPECT_EQ(state.history.entries[1].checked, 0);
    EXPECT_EQ(state.history.entries[3].checked, 0) << "an emptied entry, untouched";
    EXPECT_EQ(state.history.entries[0].checked, 1);
    EXPECT_EQ(state.history.entries[2].checked, 1);
}

}  // namespace
}  // namespace pelmar
