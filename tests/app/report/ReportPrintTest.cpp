#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPrintEngine>
#include <functional>

#include "app/report/ReportDrawing.h"
#include "tests/app/report/PdfText.h"
#include "tests/app/report/ReportRig.h"

namespace pelmar::report {
namespace {

// Twips to PDF points.
constexpr double pt(int twips) {
    return twips / 20.0;
}

QStringList numbersFrom(int from, int to) {
    QStringList all;
    for (int n = from; n <= to; ++n) all.append(QStringLiteral("%1").arg(n, 3, 10, QChar(u'0')));
    return all;
}

// The report printed now, through the same drawing as on paper, into a PDF, and read back.
QList<PdfPage> printToPdf(ReportRig& rig) {
    const QString path = rig.dir.filePath(QStringLiteral("report.pdf"));
    const auto written = writeReportPdf(path, printedPages(rig.history, rig.header));
    EXPECT_TRUE(written) << written.problem().text().toStdString();
    return readPdf(path);
}

TEST(ReportPrint, PagesAndRowsFollowTheListedEntries) {
    struct Case {
        int listed;
        std::vector<int> rowsPerPage;
    } cases[] = {{0, {0}},       {20, {20}},        {21, {20, 1}},
                 {45, {20, 25}}, {46, {20, 25, 1}}, {99, {20, 25, 25, 25, 4}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listed);
        ReportRig rig;
        rig.add(1, c.listed);
        const QList<PdfPage> pages = printToPdf(rig);
        ASSERT_EQ(pages.size(), static_cast<qsizetype>(c.rowsPerPage.size()));
        int first = 1;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            SCOPED_TRACE(p + 1);
            EXPECT_NEAR(pages[p].size.width(), 595.3, 0.5);  // A4 portrait
            EXPECT_NEAR(pages[p].size.height(), 841.9, 0.5);
            EXPECT_TRUE(pages[p].text().contains(
                QStringLiteral("Page ( %1 / %2 )").arg(p + 1).arg(pages.size())));
            const int rows = c.rowsPerPage[static_cast<std::size_t>(p)];
            EXPECT_EQ(pages[p].rowNumbers(), numbersFrom(first, first + rows - 1));
            first += rows;
        }
        EXPECT_EQ(pages[0].find(QStringLiteral("検査成績書")) != nullptr, true);
        if (c.listed == 0) {
            EXPECT_NE(pages[0].find(QStringLiteral("年月日")), nullptr);
        }
    }
}

TEST(ReportPrint, CellsSayWhatTheHistoryAndHeaderHold) {
    ReportRig rig;
    rig.add(1, 21);
    rig.header.nameLine1 = QStringLiteral("株式会社髙橋光学");
    QList<PdfPage> pages = printToPdf(rig);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_FALSE(pages[0].text().contains(u'℃'));  // humidity never entered
    EXPECT_NE(pages[0].find(QStringLiteral("株式会社髙橋光学")), nullptr);
    EXPECT_NE(pages[0].find(QStringLiteral("2013年4月5日")), nullptr);
    EXPECT_NE(pages[0].find(QStringLiteral("2013年04月05日")), nullptr);
    // Page 1 shows the date and time reformatted, later pages the record's field as it stands.
    EXPECT_TRUE(pages[0].text().contains(QStringLiteral("2013.04.05 14:00:01")));
    EXPECT_FALSE(pages[0].text().contains(QStringLiteral("04/05/2013")));
    EXPECT_TRUE(pages[1].text().contains(QStringLiteral("04/05/2013 Fri. 14:00:21")));
    EXPECT_FALSE(pages[1].text().contains(QStringLiteral("2013.04.05")));

    // One decimal of the written value (23.45 lies just below it as a double); a humidity of 0.0
    // was entered.
    rig.header.temperature = 23.45;
    rig.header.humidity = 0.0;
    pages = printToPdf(rig);
    ASSERT_FALSE(pages.isEmpty());
    EXPECT_NE(pages[0].find(QStringLiteral("23.5℃：0.0％")), nullptr);
}

TEST(ReportPrint, TextsStandWhereTheLayoutPutsThem) {
    ReportRig rig;
    rig.add(1, 21);
    const QList<PdfPage> pages = printToPdf(rig);
    ASSERT_EQ(pages.size(), 2);
    constexpr double kTolerance = 3.0;  // points: the font's ascent above the glyphs
    const PdfWord* title = pages[0].find(QStringLiteral("検査成績書"));
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->box.center().x(), pt(4800 + 1755 / 2), kTolerance);
    EXPECT_NEAR(title->box.top(), pt(810), kTolerance);
    const PdfWord* row19 = pages[0].find(QStringLiteral("020"));
    ASSERT_NE(row19, nullptr);
    EXPECT_NEAR(row19->box.center().x(), pt(3600 + 720 / 2), kTolerance);
    EXPECT_NEAR(row19->box.top(), pt(4320 + 480 * 19), kTolerance);
    const PdfWord* lens = pages[0].find(QStringLiteral("L20"));
    ASSERT_NE(lens, nullptr);
    EXPECT_NEAR(lens->box.center().x(), pt(960 + 2535 / 2), kTolerance);
    const PdfWord* caption = pages[0].find(QStringLiteral("画像処理システム"));
    ASSERT_NE(caption, nullptr);
    EXPECT_NEAR(caption->box.left(), pt(960), kTolerance);
    EXPECT_NEAR(caption->box.top(), pt(2790), kTolerance);
    const PdfWord* page = pages[1].find(QStringLiteral("Page"));
    ASSERT_NE(page, nullptr);
    EXPECT_NEAR(page->box.left(), pt(9720), kTolerance);
    EXPECT_NEAR(page->box.top(), pt(360), kTolerance);
    const PdfWord* heading = pages[1].find(QStringLiteral("合否判定"));
    ASSERT_NE(heading, nullptr);
    EXPECT_NEAR(heading->box.center().x(), pt(9495 + 1320 / 2), kTolerance);
    EXPECT_NEAR(heading->box.top(), pt(1440), kTolerance);
}

// The cells are sized for "ＭＳ Ｐゴシック" and its substitute runs wider: a text too wide for
// its cell is narrowed to stay whole between the cell's rules, on paper and on the screen page.
TEST(ReportPrint, TextsTooWideForTheirCellsStayWholeBetweenTheRules) {
    ReportRig rig;
    rig.history.storeRecord(QStringLiteral("04/05/2013 Fri. 14:00:01,V,0.0137,OK,0.0200,0.0010,"
                                           "PL-35F2-ASPHERIC-XL-2026,S26120700000001,DM-7200,"
                                           "SATO,EC-500"),
                            QString(), QString());
    rig.history.commitRecord();
    const QList<PdfPage> pages = printToPdf(rig);
    ASSERT_EQ(pages.size(), 1);
    const struct {
        const char* word;
        int leftRule;
        int rightRule;
    } cells[] = {{"PL-35F2-ASPHERIC-XL-2026", 960, 3480},
                 {"2013.04.05", 4320, 6600},
                 {"14:00:01", 4320, 6600},
                 {"S26120700000001", 6600, 7800},
                 {"0.0137", 7800, 9480}};
    for (const auto& cell : cells) {
        SCOPED_TRACE(cell.word);
        const PdfWord* word = pages[0].find(QString::fromUtf8(cell.word));
        ASSERT_NE(word, nullptr);
        EXPECT_GE(word->box.left(), pt(cell.leftRule));
        EXPECT_LE(word->box.right(), pt(cell.rightRule));
    }

    const std::unique_ptr<frmSeiseki> page1 = rig.open();
    for (const QLabel* label : {page1->lblLens[0], page1->lblDateTime[0], page1->lblGno[0]}) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_LE(QFontMetricsF(label->font(), label).horizontalAdvance(label->text()),
                  label->contentsRect().width());
    }
}

// A printer that takes every page and then reports the job failed, as one that jams or runs out
// of paper does.
class FailingPrinter : public QPrinter {
public:
    FailingPrinter() { setEngines(&engine_, &engine_); }

private:
    class Engine : public QPaintEngine, public QPrintEngine {
    public:
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override {
            state_ = QPrinter::Active;
            return true;
        }
        bool end() override {
            state_ = QPrinter::Error;
            return true;
        }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        Type type() const override { return User; }

        void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
        QVariant property(PrintEnginePropertyKey key) const override {
            return key == PPK_PrinterName ? QVariant(QStringLiteral("jammed")) : QVariant();
        }
        bool newPage() override { return true; }
        bool abort() override { return false; }
        int metric(QPaintDevice::PaintDeviceMetric metric) const override {
            constexpr int kDpi = 600;
            switch (metric) {
                case QPaintDevice::PdmWidth:
                    return 210 * kDpi * 10 / 254;
                case QPaintDevice::PdmHeight:
                    return 297 * kDpi * 10 / 254;
                case QPaintDevice::PdmWidthMM:
                    return 210;
                case QPaintDevice::PdmHeightMM:
                    return 297;
                case QPaintDevice::PdmDevicePixelRatio:
                    return 1;
                case QPaintDevice::PdmDevicePixelRatioScaled:
                    return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
                case QPaintDevice::PdmNumColors:
                    return 256;
                case QPaintDevice::PdmDepth:
                    return 8;
                default:
                    return kDpi;
            }
        }
        QPrinter::PrinterState printerState() const override { return state_; }

    private:
        QPrinter::PrinterState state_ = QPrinter::Idle;
    };

    Engine engine_;
};

class PrintButtonTest : public ::testing::Test {
protected:
    PrintButtonTest() {
        rig.add(1, 3);
        page1->show();
    }
    // The printer BtnPrint finds; whether the buttons were hidden when it asked is noted.
    void printerIs(std::function<std::unique_ptr<QPrinter>()> printer) {
        page1->openPrinter = [this, printer] {
            buttonsHiddenWhilePrinting = page1->BtnPrint->isHidden() && page1->BtnEnd->isHidden();
            return printer();
        };
    }
    // A printer that writes a PDF file (the path of one that cannot be made fails to open).
    void printerTo(const QString& path) {
        printerIs([path] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            return printer;
        });
    }
    void expectButtonsBack() {
        EXPECT_TRUE(buttonsHiddenWhilePrinting);
        EXPECT_TRUE(page1->BtnPrint->isVisible());
        EXPECT_TRUE(page1->BtnEnd->isVisible());
    }
    QString file(const QString& name) { return rig.dir.filePath(name); }

    ReportRig rig;
    std::unique_ptr<frmSeiseki> page1 = rig.open();
    bool buttonsHiddenWhilePrinting = false;
};

TEST_F(PrintButtonTest, PrintsTheHistoryAsItIsWhenPrinting) {
    const QString printed = file(QStringLiteral("printed.pdf"));
    printerTo(printed);
    rig.add(4, 4);  // arrived after the report was opened
    page1->BtnPrint->click();
    expectButtonsBack();
    EXPECT_TRUE(rig.prompts.asked.isEmpty());
    const QList<PdfPage> pages = readPdf(printed);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].rowNumbers(), numbersFrom(1, 4));
    EXPECT_EQ(page1->lblDno[3]->text(), QString());  // the screen page is not refilled
}

TEST_F(PrintButtonTest, AReportThatCannotBePrintedCanBeSavedAsPdf) {
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    enum class Printer { None, Unopenable, FailsTheJob };
    struct Case {
        const char* name;
        Printer printer;
        Prompts::Button answer;
        std::optional<QString> saveAs;  // nothing: the file dialog is cancelled
        bool written;
        const char* lastMessage;  // the message after the question, if any
    } cases[] = {
        {"no printer, yes", Printer::None, Prompts::Yes, QStringLiteral("a.pdf"), true, nullptr},
        {"broken printer, yes", Printer::Unopenable, Prompts::Yes, QStringLiteral("b.pdf"), true,
         nullptr},
        {"failed job, yes", Printer::FailsTheJob, Prompts::Yes, QStringLiteral("c.pdf"), true,
         nullptr},
        {"no printer, no", Printer::None, Prompts::No, std::nullopt, false, nullptr},
        {"yes, then cancelled", Printer::None, Prompts::Yes, std::nullopt, false, nullptr},
        {"yes, unwritable", Printer::None, Prompts::Yes, QStringLiteral("gone/d.pdf"), false,
         "PDFファイルを書き込めません。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rig.prompts.asked.clear();
        rig.prompts.fileQuestions.clear();
        rig.prompts.answers = {c.answer};
        const std::optional<QString> target =
            c.saveAs ? std::optional<QString>(file(*c.saveAs)) : std::nullopt;
        rig.prompts.filesToSave = {target};
        QString why;
        switch (c.printer) {
            case Printer::None:
                why = QStringLiteral("既定のプリンタがありません。");
                printerIs([] { return std::unique_ptr<QPrinter>(); });
                break;
            case Printer::Unopenable:
                why = file(QStringLiteral("missing/printer.pdf"));
                printerTo(why);
                break;
            case Printer::FailsTheJob:
                why = QStringLiteral("jammed: 印刷中にエラーが起きました。");
                printerIs([] { return std::make_unique<FailingPrinter>(); });
                break;
        }
        page1->BtnPrint->click();
        expectButtonsBack();

        ASSERT_GE(rig.prompts.asked.size(), 1);
        const auto& question = rig.prompts.asked[0];
        EXPECT_TRUE(question.text.startsWith(QStringLiteral("検査成績書を印刷できませんでした。")));
        EXPECT_TRUE(question.text.contains(why)) << question.text.toStdString();
        EXPECT_EQ(question.buttons, Prompts::Yes | Prompts::No);
        if (c.answer == Prompts::Yes) {
            EXPECT_EQ(rig.prompts.fileQuestions,
                      QStringList{QStringLiteral("save|%1|PDFファイル(*.pdf)|*.pdf")
                                      .arg(file(QStringLiteral("検査成績書_%1.pdf").arg(today)))});
        } else {
            EXPECT_TRUE(rig.prompts.fileQuestions.isEmpty());
        }
        if (target) {
            EXPECT_EQ(QFile::exists(*target), c.written);
            if (c.written) {
                EXPECT_EQ(readPdf(*target).value(0).rowNumbers(), numbersFrom(1, 3));
            }
        }
        if (c.lastMessage) {
            ASSERT_EQ(rig.prompts.asked.size(), 2);
            EXPECT_TRUE(rig.prompts.asked[1].text.startsWith(QString::fromUtf8(c.lastMessage)));
            EXPECT_TRUE(rig.prompts.asked[1].text.contains(*target));
        } else {
            EXPECT_EQ(rig.prompts.asked.size(), 1);
        }
    }
    EXPECT_TRUE(QDir(rig.dir.path()).entryList({QStringLiteral("*.pdf")}).size() == 3);
}

}  // namespace
}  // namespace pelmar::report
