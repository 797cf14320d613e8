#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

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

    QString no(int row) const { return table.lblNo[static_cast<std::size_t>(row)]->text(); }

    StationRig rig;
    ProgramState& state = rig.state;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(rig.state, rig.pump, rig.prompts,
                                                          rig.folders, rig.volumes, rig.display);
    Station& station = rig.build(*form);
    ResultTable& table = *form->table;
};

TEST_F(ResultTableTest, TheFirstResultIsDrawnInRowZero) {
    datw(1);
    EXPECT_EQ(no(0), QStringLiteral("001"));
    EXPECT_EQ(table.lblDate[0]->text(), QStringLiteral("2026.12.07 10:15:01"));
    EXPECT_EQ(table.lblMode[0]->text(), QStringLiteral("VERTICAL"));
    EXPECT_EQ(table.lblKekka[0]->text(), QStringLiteral("0.01"));
    EXPECT_EQ(table.lblOkNg[0]->text(), QStringLiteral("OK"));
    EXPECT_EQ(table.lblKyoyou[0]->text(), QStringLiteral("0.050"));
    EXPECT_EQ(table.lblMemori[0]->text(), QStringLiteral("0.001"));
    EXPECT_EQ(table.lblLenz[0]->text(), QStringLiteral("LENS-1"));
    EXPECT_EQ(table.lblSerial[0]->text(), QStringLiteral("SN1"));
    EXPECT_EQ(table.lblGsyoriki[0]->text(), QStringLiteral("DM-7100"));
    EXPECT_EQ(table.lblWorker[0]->text(), QStringLiteral("WORKER"));
    EXPECT_EQ(table.lblSokuteiki[0]->text(), QStringLiteral("EC-200"));
    EXPECT_TRUE(table.Check1[0]->isChecked());
    EXPECT_EQ(no(1), QString());
}

// The rows move and the check boxes mark entries through the table's model.
TEST_F(ResultTableTest, TheButtonsScrollTheRowsAndACheckBoxMarksItsRowsEntry) {
    for (int n = 1; n <= 10; ++n) datw(n);
    EXPECT_EQ(no(0), QStringLiteral("003"));
    table.btnDn->click();
    EXPECT_EQ(no(0), QStringLiteral("003"));
    table.btnUp->click();
    EXPECT_EQ(no(0), QStringLiteral("002"));
    EXPECT_EQ(no(7), QStringLiteral("009"));
    table.Check1[3]->click();
    EXPECT_EQ(state.history.entries[4].checked, 0);
    table.btnDn->click();
    EXPECT_FALSE(table.Check1[2]->isChecked()) << "row 2 now shows entry 4";
    EXPECT_TRUE(table.Check1[3]->isChecked());
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
    EXPECT_FALSE(table.Check1[0]->isChecked());
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

// Which file a click recalls is the model's; the picture shows it.
TEST_F(ResultTableTest, ClickingARowShowsItsStoredImage) {
    datw(1);
    datw(2);
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    ASSERT_TRUE(image.save(state.history.entries[1].jpegPath, "JPG"));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(table.lblLenz[1], &press);
    const QColor shown(form->Picture1->image().pixel(100, 100));
    EXPECT_LT(shown.red(), 16);
    EXPECT_GT(shown.blue(), 240);

    // From the keyboard: Enter on the row's number.
    image.fill(QColor(255, 0, 0));
    ASSERT_TRUE(image.save(state.history.entries[0].jpegPath, "JPG"));
    QTest::keyClick(table.lblNo[0], Qt::Key_Return);
    EXPECT_GT(QColor(form->Picture1->image().pixel(100, 100)).red(), 240);
    EXPECT_EQ(form->Picture1->accessibleDescription(), QStringLiteral("A001 Ｎｏ．001"));
}

// A screen reader hears which measurement a check box marks, also once the rows have scrolled.
TEST_F(ResultTableTest, EachCheckBoxIsNamedAfterTheMeasurementOfItsRow) {
    EXPECT_EQ(table.Check1[0]->accessibleName(), QStringLiteral("チェック1（空欄）"));
    for (int n = 1; n <= 10; ++n) datw(n);
    EXPECT_EQ(table.Check1[0]->accessibleName(), QStringLiteral("003 LENS-3 SN3"));
    table.btnUp->click();
    EXPECT_EQ(table.Check1[0]->accessibleName(), QStringLiteral("002 LENS-2 SN2"));
    EXPECT_EQ(table.Check1[7]->accessibleName(), QStringLiteral("009 LENS-9 SN9"));
    form->ClearResults();
    EXPECT_EQ(table.Check1[7]->accessibleName(), QStringLiteral("チェック8（空欄）"));
}

}  // namespace
}  // namespace pelmar
