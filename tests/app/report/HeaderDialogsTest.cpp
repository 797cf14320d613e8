#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <stdexcept>
#include <string>

#include "app/platform/CodePage932.h"
#include "tests/app/report/ReportRig.h"

namespace pelmar::report {
namespace {

constexpr int kClimateCell = 1;
constexpr int kDateCell = 4;

// A control of a dialog by its name. A dialog or control that is not there ends the test with
// its failure, never with a crash that would take the tests after it along.
template <class Control = QLineEdit>
Control* in(QWidget* dialog, const char* name) {
    Control* control = dialog ? dialog->findChild<Control*>(QLatin1String(name)) : nullptr;
    if (!control) throw std::runtime_error(std::string("no control ") + name);
    return control;
}

class HeaderDialogsTest : public ::testing::Test {
protected:
    void click(int cell) {
        QTest::mouseClick(page1->lblNameData[static_cast<std::size_t>(cell)], Qt::LeftButton);
    }
    QString cell(int i) const { return page1->lblNameData[static_cast<std::size_t>(i)]->text(); }

    // Opens the creation-date dialog, types the three boxes and presses OK.
    void enterDate(const QString& year, const QString& month, const QString& day) {
        click(kDateCell);
        frmHizukeR* dialog = page1->dateDialog();
        ASSERT_NE(dialog, nullptr);
        in(dialog, "txtYear")->setText(year);
        in(dialog, "txtMonth")->setText(month);
        in(dialog, "txtDay")->setText(day);
        in<QPushButton>(dialog, "btnKettei")->click();
        QApplication::processEvents();
    }
    void enterClimate(const QString& temperature, const QString& humidity) {
        click(kClimateCell);
        Temperture* dialog = page1->temperatureDialog();
        ASSERT_NE(dialog, nullptr);
        in(dialog, "txtTemper")->setText(temperature);
        in(dialog, "txtHumidity")->setText(humidity);
        in<QPushButton>(dialog, "btnKettei")->click();
        QApplication::processEvents();
    }

    ReportRig rig;
    std::unique_ptr<frmSeiseki> page1 = rig.open();
};

TEST_F(HeaderDialogsTest, CreationDateIsCheckedYearMonthDayInTurn) {
    const QString year = QStringLiteral("2012年から2099年を半角で入力して下さい。");
    const QString month = QStringLiteral("1月から12月を半角で入力して下さい。");
    const QString day = QStringLiteral("1日から31日を半角で入力して下さい。");
    const QString huge(400, u'9');  // beyond every integer and, read digit by digit, any double
    struct Case {
        QString y, m, d;
        QString message;  // empty: accepted
        QString cell;
    } cases[] = {
        {"2011", "4", "5", year, {}},
        {"2012", "1", "1", {}, QStringLiteral("2012年1月1日")},
        {"2099", "12", "31", {}, QStringLiteral("2099年12月31日")},
        {"2100", "4", "5", year, {}},
        {QStringLiteral("２０１３"), "4", "5", year, {}},
        {"", "4", "5", year, {}},
        {"4294969308", "4", "5", year, {}},  // 2012 beyond 2^32
        {huge, "4", "5", year, {}},
        {"2013", "0", "5", month, {}},
        {"2013", "13", "5", month, {}},
        {"2013", "4", "0", day, {}},
        {"2013", "4", "32", day, {}},
        {"2013", "2", "31", {}, QStringLiteral("2013年2月31日")},
        {" 2014.5", "02abc", "+7", {}, QStringLiteral("2014年2月7日")},
        {"20 13", "4", "5", year, {}},  // reading stops at the blank
        {"2.0135e3", "4e0", "5", {}, QStringLiteral("2014年4月5日")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.y + u'/' + c.m + u'/' + c.d));
        const ReportHeader before = rig.header;
        const QString cellBefore = cell(kDateCell);
        rig.prompts.asked.clear();
        enterDate(c.y, c.m, c.d);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(rig.prompts.asked.isEmpty());
            EXPECT_EQ(cell(kDateCell), c.cell);
            EXPECT_EQ(page1->dateDialog(), nullptr);
        } else {
            ASSERT_EQ(rig.prompts.asked.size(), 1);
            EXPECT_EQ(rig.prompts.asked[0].title, QStringLiteral("エラー"));
            EXPECT_EQ(rig.prompts.asked[0].text, c.message);
            EXPECT_EQ(rig.prompts.asked[0].buttons, Prompts::Buttons(Prompts::Ok));
            EXPECT_EQ(rig.header.createYear, before.createYear);
            EXPECT_EQ(rig.header.createMonth, before.createMonth);
            EXPECT_EQ(rig.header.createDay, before.createDay);
            EXPECT_EQ(cell(kDateCell), cellBefore);
            ASSERT_NE(page1->dateDialog(), nullptr);
            EXPECT_TRUE(page1->dateDialog()->isVisible());
            page1->dateDialog()->close();
            QApplication::processEvents();
        }
    }
}

TEST_F(HeaderDialogsTest, TemperatureAndHumidityShowOneDecimalAsWrittenAtOnce) {
    EXPECT_EQ(cell(kClimateCell), QString());  // not entered since start
    const struct {
        const char16_t* temperature;
        const char16_t* humidity;
        const char16_t* shown;     // at once
        const char16_t* reopened;  // once the report is built again
    } cases[] = {
        {u"23.45", u"", u"23.5℃：0.0％", u"23.5℃：0.0％"},  // half of the written decimal
        {u"0", u"0.0", u"0.0℃：0.0％", u"0.0℃：0.0％"},     // 0.0 is a value entered
        {u"-0.25", u" 45.04", u"-0.3℃：45.0％", u"-0.3℃：45.0％"},
        {u"1e999", u"-3", u"0.0℃：-3.0％", u""},  // not finite; negative: not entered
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.temperature).toStdString());
        enterClimate(QString::fromUtf16(c.temperature), QString::fromUtf16(c.humidity));
        EXPECT_EQ(cell(kClimateCell), QString::fromUtf16(c.shown));
        EXPECT_EQ(page1->temperatureDialog(), nullptr);
        page1 = rig.open();
        EXPECT_EQ(cell(kClimateCell), QString::fromUtf16(c.reopened));
    }
}

TEST_F(HeaderDialogsTest, NameLinesReachTheFileOnlyWhenTheReportEnds) {
    rig.header.nameLine1 = QStringLiteral("旧一");
    page1 = rig.open();
    click(5);
    frmNameInp* dialog = page1->nameDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(in(dialog, "Text1_0")->text(), QStringLiteral("旧一"));
    in(dialog, "Text1_0")->setText(QStringLiteral("新一, 株式会社"));
    in(dialog, "Text1_1")->setText(QString());
    in<QPushButton>(dialog, "btnKettei")->click();
    EXPECT_EQ(cell(5), QStringLiteral("新一, 株式会社"));
    EXPECT_EQ(cell(6), QString());
    EXPECT_FALSE(QFile::exists(rig.nameIniPath));

    page1->BtnEnd->click();
    QFile file(rig.nameIniPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), platform::toCp932(QStringLiteral("新一, 株式会社\r\n\r\n")));
}

TEST_F(HeaderDialogsTest, CancelChangesNothingAndASecondClickRaisesTheSameDialog) {
    rig.header.temperature = 20.0;
    rig.header.humidity = 50.0;
    page1 = rig.open();
    const std::array<QString, kHeaderCells> before = {cell(0), cell(1), cell(2), cell(3),
                                                      cell(4), cell(5), cell(6)};
    click(kClimateCell);
    Temperture* climate = page1->temperatureDialog();
    ASSERT_NE(climate, nullptr);
    click(kClimateCell);
    EXPECT_EQ(page1->temperatureDialog(), climate);
    in(climate, "txtTemper")->setText(QStringLiteral("30"));
    in<QPushButton>(climate, "btnCancel")->click();
    click(kDateCell);
    in(page1->dateDialog(), "txtYear")->setText(QStringLiteral("2020"));
    in<QPushButton>(page1->dateDialog(), "btnCancel")->click();
    click(6);
    in(page1->nameDialog(), "Text1_1")->setText(QStringLiteral("x"));
    in<QPushButton>(page1->nameDialog(), "btnCancel")->click();
    click(0);  // the inspection date opens nothing
    QApplication::processEvents();

    EXPECT_EQ(page1->temperatureDialog(), nullptr);
    EXPECT_EQ(page1->dateDialog(), nullptr);
    EXPECT_EQ(page1->nameDialog(), nullptr);
    for (int i = 0; i < kHeaderCells; ++i) EXPECT_EQ(cell(i), before[static_cast<std::size_t>(i)]);
    EXPECT_EQ(rig.header.temperature, 20.0);
    EXPECT_EQ(rig.header.createYear, 2013);
    EXPECT_EQ(page1->lblNameData[0]->toolTip(),
              QStringLiteral("クリックすると検査日が入力できます。"));
}

// Without a mouse: the cells that open a dialog take the focus after the table and before the
// buttons, and open it on Enter, on the space bar and on a screen reader's Press, as on a click.
TEST_F(HeaderDialogsTest, TheClickableCellsOpenTheirDialogsFromTheKeyboardAndAScreenReader) {
    QStringList tabOrder;
    for (QWidget* w = page1->nextInFocusChain(); w != page1.get(); w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus) tabOrder.append(w->objectName());
    }
    EXPECT_EQ(tabOrder.join(u' '), QStringLiteral("lblNameData_1 lblNameData_4 lblNameData_5 "
                                                  "lblNameData_6 BtnAllDataSave BtnNext BtnPrint "
                                                  "BtnEnd"));

    const auto cellOf = [this](int i) { return page1->lblNameData[static_cast<std::size_t>(i)]; };
    const auto press = [](QWidget* cell) {
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(cell)->actionInterface();
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
    };
    QTest::keyClick(cellOf(kClimateCell), Qt::Key_Return);
    EXPECT_NE(page1->temperatureDialog(), nullptr);
    QTest::keyClick(cellOf(kDateCell), Qt::Key_Space);
    EXPECT_NE(page1->dateDialog(), nullptr);
    press(cellOf(6));
    EXPECT_NE(page1->nameDialog(), nullptr);

    // An empty cell says what it holds; one with a value reads it, with its caption as label.
    QAccessibleInterface* climate = QAccessible::queryAccessibleInterface(cellOf(kClimateCell));
    EXPECT_EQ(climate->role(), QAccessible::Button);
    EXPECT_EQ(climate->text(QAccessible::Name), QStringLiteral("温度：湿度（空欄）"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(cellOf(5))->text(QAccessible::Name),
              QStringLiteral("会社名など（1行目）（空欄）"));
    enterClimate(QStringLiteral("23.46"), QString());
    EXPECT_EQ(climate->text(QAccessible::Name), QStringLiteral("23.5℃：0.0％"));
    EXPECT_EQ(climate->relations(QAccessible::Label).value(0).first->text(QAccessible::Name),
              QStringLiteral("温度：湿度"));
}

}  // namespace
}  // namespace pelmar::report
