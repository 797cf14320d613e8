#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>

#include "app/Form1.h"
#include "app/platform/CodePage932.h"
#include "app/report/PageLayout.h"
#include "tests/app/report/ReportRig.h"
#include "tests/support/NativePath.h"
#include "tests/support/StationRig.h"

namespace pelmar::report {
namespace {

QString firstNumber(const ReportSheet& page) {
    return page.lblDno[0]->text();
}

// The numbers of the filled rows, top to bottom, as one text ("001 002 003").
QString numbers(const ReportSheet& page) {
    QStringList shown;
    for (QLabel* cell : page.lblDno) {
        if (!cell->text().isEmpty()) shown.append(cell->text());
    }
    return shown.join(u' ');
}

QString expectedNumbers(int from, int to) {
    QStringList all;
    for (int n = from; n <= to; ++n) all.append(QStringLiteral("%1").arg(n, 3, 10, QChar(u'0')));
    return all.join(u' ');
}

TEST(ReportPages, PagesFollowTheListedEntries) {
    struct Case {
        int listed;
        int pages;
    } cases[] = {{0, 1}, {20, 1}, {21, 2}, {45, 2}, {46, 3}, {96, 5}, {99, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listed);
        ReportRig rig;
        rig.add(1, c.listed);
        auto page1 = rig.open();
        EXPECT_EQ(page1->lblPage->text(), QStringLiteral("Page ( 1 / %1 )").arg(c.pages));
        EXPECT_EQ(numbers(*page1), expectedNumbers(1, std::min(c.listed, 20)));
        EXPECT_EQ(page1->BtnNext->isEnabled(), c.pages > 1);
        if (c.listed == 0) {
            EXPECT_EQ(page1->lblNameData[0]->text(), QStringLiteral("年月日"));
            EXPECT_EQ(page1->lblNameData[2]->text() + page1->lblNameData[3]->text(), QString());
            EXPECT_EQ(page1->lblNameData[4]->text(), QStringLiteral("2013年4月5日"));
        }
        if (c.pages == 1) continue;

        page1->show();
        page1->BtnNext->click();
        EXPECT_FALSE(page1->isVisible());
        frmSeiseki2* later = page1->page2();
        ASSERT_NE(later, nullptr);
        for (int p = 2; p <= c.pages; ++p) {
            SCOPED_TRACE(p);
            const int first = 21 + 25 * (p - 2);
            EXPECT_EQ(later->lblPage->text(),
                      QStringLiteral("Page ( %1 / %2 )").arg(p).arg(c.pages));
            EXPECT_EQ(numbers(*later), expectedNumbers(first, std::min(c.listed, first + 24)));
            EXPECT_EQ(later->BtnNext->isEnabled(), p < c.pages);
            if (p < c.pages) later->BtnNext->click();
        }
        if (c.pages > 3) {
            later->close();  // the window frame goes back to page 1 from any page
        } else {
            for (int p = c.pages; p > 2; --p) later->BtnPre->click();
            EXPECT_EQ(firstNumber(*later), QStringLiteral("021"));
            later->BtnPre->click();
        }
        QApplication::processEvents();
        EXPECT_EQ(page1->page2(), nullptr);
        EXPECT_TRUE(page1->isVisible());
    }
}

TEST(ReportPages, UncheckedSlotsAreSkippedWithoutGapsAndSlotZeroMakesTheHeader) {
    ReportRig rig;
    rig.add(1, 23);
    rig.history.entries[0].checked = 0;
    rig.history.entries[5].checked = 0;
    rig.history.entries[6].dateTime = QStringLiteral("04/06/2013 S");  // short of its time
    auto page1 = rig.open();
    EXPECT_EQ(page1->lblNameData[0]->text(), QStringLiteral("2013年04月05日"));
    EXPECT_EQ(page1->lblNameData[2]->text(), QStringLiteral("EC-500"));
    EXPECT_EQ(page1->lblNameData[3]->text(), QStringLiteral("DM-7200"));
    EXPECT_EQ(numbers(*page1), expectedNumbers(1, 20));
    EXPECT_EQ(page1->lblLens[0]->text(), QStringLiteral("L2"));
    EXPECT_EQ(page1->lblLens[3]->text(), QStringLiteral("L5"));
    EXPECT_EQ(page1->lblLens[4]->text(), QStringLiteral("L7"));
    EXPECT_EQ(page1->lblDateTime[4]->text(), QStringLiteral("2013.04.06 "));
    EXPECT_EQ(page1->lblDateTime[0]->text(), QStringLiteral("2013.04.05 14:00:02"));
    EXPECT_EQ(page1->lblGno[0]->text(), QStringLiteral("S2"));
    EXPECT_EQ(page1->lblKekkaData[0]->text(), QStringLiteral("0.0002"));
    EXPECT_EQ(page1->lblOkNg[0]->text(), QStringLiteral("OK"));
    // 21 listed: page 2 holds the last one alone.
    page1->BtnNext->click();
    ASSERT_NE(page1->page2(), nullptr);
    EXPECT_EQ(numbers(*page1->page2()), QStringLiteral("021"));
    EXPECT_EQ(page1->page2()->lblLens[0]->text(), QStringLiteral("L23"));
}

// A box of the layout at 96 dots per inch: 15 twips to the pixel.
QRect at96(const TwipRect& box) {
    return {box.left / 15, box.top / 15, box.width / 15, box.height / 15};
}
// A table's heading cell, and a row's cell, of a column.
TwipRect heading(const PageLayout& layout, int column) {
    const TableColumn& c = layout.columns[static_cast<std::size_t>(column)];
    return {c.headingLeft, layout.headingTop, c.headingWidth, layout.headingHeight};
}
TwipRect cell(const PageLayout& layout, int column, int row) {
    const TableColumn& c = layout.columns[static_cast<std::size_t>(column)];
    return {c.cellLeft, layout.rowTop + layout.rowPitch * row, c.cellWidth, layout.rowHeight};
}

// Where a label stands on its page (a table's label stands in the table).
QRect onPage(const QWidget& label) {
    return {label.mapTo(label.window(), QPoint(0, 0)), label.size()};
}

TEST(ReportPages, LabelsStandWhereTheLayoutPutsThem) {
    ReportRig rig;
    rig.add(1, 30);
    auto page1 = rig.open();
    ASSERT_EQ(page1->logicalDpiX(), 96);
    EXPECT_EQ(page1->size(), QSize(844, 743));
    const PageLayout& first = screenFirstPage();
    EXPECT_EQ(page1->Label1->geometry(), at96(first.title));
    EXPECT_EQ(page1->lblPage->geometry(), at96(first.pageIndicator));
    EXPECT_EQ(page1->lblName[3]->geometry().topLeft(), at96(first.captions[3]).topLeft());
    EXPECT_EQ(page1->lblNameData[4]->geometry(), at96(first.values[4]));
    EXPECT_EQ(page1->lblNameData[6]->geometry(), at96(first.values[6]));
    EXPECT_EQ(onPage(*page1->lblTitle[2]), at96(heading(first, 2)));
    EXPECT_EQ(onPage(*page1->lblOkNg[19]), at96(cell(first, 5, 19)));
    EXPECT_EQ(page1->lblNameData[4]->palette().color(QPalette::Window), QColor(224, 224, 224));
    EXPECT_EQ(page1->lblNameData[0]->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_DOUBLE_EQ(page1->Label1->font().pointSizeF(), 15.75);
    EXPECT_DOUBLE_EQ(page1->lblTitle[0]->font().pointSizeF(), 14.25);
    EXPECT_DOUBLE_EQ(page1->lblDno[0]->font().pointSizeF(), 11.25);

    page1->BtnNext->click();
    frmSeiseki2* later = page1->page2();
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(later->size(), QSize(844, 743));
    const PageLayout& next = screenLaterPage();
    EXPECT_EQ(onPage(*later->lblTitle[3]), at96(heading(next, 3)));
    EXPECT_EQ(later->lblTitle[3]->text(), QStringLiteral("シリアルＮｏ．"));
    EXPECT_EQ(onPage(*later->lblDno[24]), at96(cell(next, 1, 24)));
    EXPECT_EQ(onPage(*later->lblKekkaData[0]), at96(cell(next, 4, 0)));

    // The rules: the double frame line under the headings and a thin rule between rows.
    const QImage sheet = later->grab().toImage();
    EXPECT_EQ(sheet.pixelColor(175, next.headingRule / 15), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(175, next.headingRule / 15 + 1), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(175, next.firstRowRule / 15), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(175, 1800 / 15 + 1), QColor(Qt::white));
}

// The report as the program opens it: from the main window's menu, over the running station.
class ReportWindowTest : public ::testing::Test {
protected:
    ReportWindowTest() {
        station.startUp();
        rig.goOnline();
    }
    void datw(int n) {
        rig.serve(QStringLiteral("DATW,A%1").arg(n).toLatin1(),
                  {(ReportRig::record(n) + u'\r').toLatin1()});
    }
    frmSeiseki* openReport() {
        form->cmdSeiseki->trigger();
        return form->seiseki();
    }

    fakes::StationRig rig;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(rig.state, rig.pump, rig.prompts,
                                                          rig.folders, rig.volumes, rig.display);
    Station& station = rig.build(*form);
};

// Each page counts the pages when it is filled, so none claims to lie beyond the last.
TEST_F(ReportWindowTest, MeasurementsArrivingWhileTheReportIsOpenShowAtTheNextFill) {
    for (int n = 1; n <= 21; ++n) datw(n);
    form->show();
    frmSeiseki* page1 = openReport();
    ASSERT_NE(page1, nullptr);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(page1->isVisible());
    EXPECT_EQ(page1->lblPage->text(), QStringLiteral("Page ( 1 / 2 )"));
    page1->BtnNext->click();
    ASSERT_NE(page1->page2(), nullptr);
    EXPECT_EQ(page1->page2()->lblPage->text(), QStringLiteral("Page ( 2 / 2 )"));
    EXPECT_FALSE(page1->page2()->BtnNext->isEnabled());

    for (int n = 22; n <= 46; ++n) datw(n);
    EXPECT_EQ(rig.state.history.historyCount, 46);
    page1->page2()->BtnPre->click();
    QApplication::processEvents();
    page1->BtnNext->click();
    frmSeiseki2* later = page1->page2();
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(numbers(*later), expectedNumbers(21, 45));
    EXPECT_EQ(later->lblPage->text(), QStringLiteral("Page ( 2 / 3 )"));
    ASSERT_TRUE(later->BtnNext->isEnabled());
    later->BtnNext->click();
    EXPECT_EQ(later->lblPage->text(), QStringLiteral("Page ( 3 / 3 )"));
    EXPECT_EQ(numbers(*later), QStringLiteral("046"));
    EXPECT_FALSE(later->BtnNext->isEnabled());
}

TEST_F(ReportWindowTest, TheReportReadsNameIniAgainAndWritesItWhenItEnds) {
    {
        QFile file(rig.state.nameIniPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(platform::toCp932(QStringLiteral("外で直した\r\n二行目\r\n")));
    }
    form->show();
    frmSeiseki* page1 = openReport();
    ASSERT_NE(page1, nullptr);
    EXPECT_EQ(page1->lblNameData[5]->text(), QStringLiteral("外で直した"));
    rig.state.reportHeader.nameLine2 = QStringLiteral("変更");
    // The window frame ends the report as BtnEnd does.
    page1->close();
    QApplication::processEvents();
    EXPECT_EQ(form->seiseki(), nullptr);
    EXPECT_TRUE(form->isVisible());
    QFile file(rig.state.nameIniPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), platform::toCp932(QStringLiteral("外で直した\r\n変更\r\n")));
}

TEST_F(ReportWindowTest, ANameFileThatCannotBeWrittenIsReportedAndTheMainWindowReturns) {
    form->show();
    frmSeiseki* page1 = openReport();
    ASSERT_NE(page1, nullptr);
    rig.state.nameIniPath = QDir(rig.dir.path()).filePath(QStringLiteral("gone/NAME.INI"));
    page1->BtnEnd->click();
    QApplication::processEvents();
    ASSERT_FALSE(rig.prompts.asked.isEmpty());
    EXPECT_TRUE(rig.prompts.asked.last().text.contains(native(rig.state.nameIniPath)));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ReportWindowTest, TheMergeDialogHidesPageOneWhileItIsOpen) {
    form->show();
    frmSeiseki* page1 = openReport();
    ASSERT_NE(page1, nullptr);
    EXPECT_TRUE(page1->BtnAllDataSave->isEnabled()) << "the main window gives the merge dialog";
    QPointer<QWidget> merge;
    page1->setMergeDialog([&] { return merge = new QWidget; });
    ASSERT_TRUE(page1->BtnAllDataSave->isEnabled());
    page1->BtnAllDataSave->click();
    ASSERT_FALSE(merge.isNull());
    EXPECT_TRUE(merge->isVisible());
    EXPECT_FALSE(page1->isVisible());
    merge->close();
    QApplication::processEvents();  // the closed window is deleted
    EXPECT_TRUE(merge.isNull());
    EXPECT_TRUE(page1->isVisible());
}

}  // namespace
}  // namespace pelmar::report
