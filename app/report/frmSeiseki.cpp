#include "app/report/frmSeiseki.h"

#include <QCloseEvent>
#include <QDate>
#include <QDir>

#include "app/widgets/PressableLabel.h"
#include "app/widgets/WindowSlot.h"
#include "app/report/NameIni.h"
#include "app/report/ReportDrawing.h"
#include "app/report/ReportPrinter.h"

namespace pelmar::report {
namespace {

constexpr int kClimateCell = 1;
constexpr int kDateCell = 4;
constexpr int kNameCell1 = 5;
constexpr int kNameCell2 = 6;

bool clickable(int cell) {
    return cell == kClimateCell || cell == kDateCell || cell == kNameCell1 || cell == kNameCell2;
}

// What a clickable cell holds, for a screen reader while it is empty: the caption beside it, or
// which of the name lines it is.
QString whatItHolds(int cell) {
    if (cell < kCaptions) return captionTexts()[static_cast<std::size_t>(cell)];
    return QStringLiteral("会社名など（%1行目）").arg(cell - kNameCell1 + 1);
}

QString tooltip(int cell) {
    switch (cell) {
        case 0:
            return QStringLiteral("クリックすると検査日が入力できます。");
        case kClimateCell:
            return QStringLiteral("クリックすると温度、湿度が入力できます。");
        case kDateCell:
            return QStringLiteral("クリックすると作成日が入力できます。");
        case kNameCell1:
        case kNameCell2:
            return QStringLiteral("クリックすると会社名などが入力できます。");
        default:
            return QString();
    }
}

}  // namespace

frmSeiseki::frmSeiseki(ReportHeader& header, const ResultHistory& history,
                       const QString& nameIniPath, const QString& saveFolder, Prompts& prompts)
    : ReportSheet(screenFirstPage()),
      openPrinter(defaultPrinter),
      header_(header),
      history_(history),
      nameIniPath_(nameIniPath),
      saveFolder_(saveFolder),
      prompts_(prompts) {
    setObjectName(QStringLiteral("frmSeiseki"));
    Label1 = placeLabel(QStringLiteral("Label1"), layout_.title, kTitlePoints, Qt::AlignHCenter);
    Label1->setText(reportTitle());
    for (int i = 0; i < kCaptions; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lblName[k] = placeLabel(QStringLiteral("lblName_%1").arg(i), layout_.captions[k],
                                kHeaderPoints, Qt::AlignLeft);
        lblName[k]->setText(captionTexts()[k]);
    }
    // The clickable cells take the focus after the table (they are made after it) and open
    // their dialogs on Enter or the space bar too. A screen reader reads each value with its
    // caption.
    for (int i = 0; i < kHeaderValues; ++i) {
        const auto k = static_cast<std::size_t>(i);
        QLabel* cell = clickable(i) ? new PressableLabel(whatItHolds(i), this) : new QLabel(this);
        placeLabel(cell, QStringLiteral("lblNameData_%1").arg(i), layout_.values[k], kHeaderPoints,
                   Qt::AlignLeft);
        if (auto* pressable = qobject_cast<PressableLabel*>(cell)) {
            connect(pressable, &PressableLabel::pressed, this, [this, i] { lblNameData_Click(i); });
        }
        cell->setAutoFillBackground(true);
        QPalette shade = cell->palette();
        shade.setColor(QPalette::Window, clickable(i) ? QColor(224, 224, 224) : QColor(Qt::white));
        cell->setPalette(shade);
        cell->setToolTip(tooltip(i));
        lblNameData[k] = cell;
        if (i < kCaptions) lblName[k]->setBuddy(cell);
    }

    BtnAllDataSave = placeButton("BtnAllDataSave", QStringLiteral("データ統合"));
    BtnNext = placeButton("BtnNext", QStringLiteral("次ページ"));
    BtnPrint = placeButton("BtnPrint", QStringLiteral("印　刷"));
    BtnEnd = placeButton("BtnEnd", QStringLiteral("終　了"));
    BtnAllDataSave->setEnabled(false);
    connect(BtnAllDataSave, &QPushButton::clicked, this, &frmSeiseki::BtnAllDataSave_Click);
    connect(BtnNext, &QPushButton::clicked, this, &frmSeiseki::BtnNext_Click);
    connect(BtnPrint, &QPushButton::clicked, this, &frmSeiseki::BtnPrint_Click);
    connect(BtnEnd, &QPushButton::clicked, this, &QWidget::close);
    setWindowKeys(*this, *BtnNext, *BtnEnd);

    load();
}

void frmSeiseki::load() {
    const int listed = listedCount(history_);
    reportPageCount = report::reportPageCount(listed);
    BtnNext->setEnabled(hasNextPage(listed, 0));
    showPageIndicator(pageIndicator(0, reportPageCount));
    const HeaderCells cells = headerCells(history_, header_);
    for (std::size_t i = 0; i < cells.size(); ++i) setFittedText(*lblNameData[i], cells[i]);
    fillRows(pageRows(history_, 0, DateTimeColumn::Reformatted));
}

void frmSeiseki::setMergeDialog(std::function<QWidget*()> make) {
    makeMergeDialog_ = std::move(make);
    BtnAllDataSave->setEnabled(static_cast<bool>(makeMergeDialog_));
}

void frmSeiseki::lblNameData_Click(int index) {
    switch (index) {
        case kClimateCell:
            temperature_.open(*this, [this] {
                auto* dialog = new Temperture(header_);
                connect(dialog, &Temperture::stored, this, [this] {
                    setFittedText(*lblNameData[kClimateCell],
                                  climateText(header_.temperature, header_.humidity));
                });
                return dialog;
            });
            break;
        case kDateCell:
            date_.open(*this, [this] {
                auto* dialog = new frmHizukeR(header_, prompts_);
                connect(dialog, &frmHizukeR::stored, this, [this] {
                    setFittedText(*lblNameData[kDateCell], creationDateText(header_));
                });
                return dialog;
            });
            break;
        case kNameCell1:
        case kNameCell2:
            names_.open(*this, [this] {
                auto* dialog = new frmNameInp(header_);
                connect(dialog, &frmNameInp::stored, this, [this] {
                    setFittedText(*lblNameData[kNameCell1], header_.nameLine1);
                    setFittedText(*lblNameData[kNameCell2], header_.nameLine2);
                });
                return dialog;
            });
            break;
        default:
            break;
    }
}

void frmSeiseki::BtnNext_Click() {
    page2_.openInPlaceOf(*this, [this] { return new frmSeiseki2(history_); });
}

// The printout reads the history as it is now, not as the screen pages show it.
void frmSeiseki::BtnPrint_Click() {
    BtnPrint->hide();
    BtnEnd->hide();
    const std::vector<PageContent> pages = printedPages(history_, header_);
    reportPageCount = pages.front().pageCount;
    std::unique_ptr<QPrinter> printer = openPrinter();
    const FileOutcome<> printed =
        printer ? printPages(*printer, pages)
                : FileProblem{QString(), QStringLiteral("既定のプリンタがありません。")};
    if (!printed) offerPdf(pages, printed.problem());
    BtnPrint->show();
    BtnEnd->show();
}

// A report that could not be printed can be kept as a PDF file of the same pages.
void frmSeiseki::offerPdf(const std::vector<PageContent>& pages, const FileProblem& why) {
    const Prompts::Button answer = prompts_.message(
        kProgramTitle,
        QStringLiteral("検査成績書を印刷できませんでした。\n%1\nPDFファイルとして保存しますか？")
            .arg(why.text()),
        Prompts::Icon::Warning, Prompts::Yes | Prompts::No);
    if (answer != Prompts::Yes) return;
    const QString proposed =
        QDir(saveFolder_)
            .filePath(QStringLiteral("検査成績書_%1.pdf")
                          .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))));
    const std::optional<QString> path =
        prompts_.saveFile(proposed, QStringLiteral("PDFファイル(*.pdf)|*.pdf"));
    if (!path) return;
    if (const auto written = writeReportPdf(*path, pages); !written) {
        prompts_.message(
            kProgramTitle,
            QStringLiteral("PDFファイルを書き込めません。\n%1").arg(written.problem().text()),
            Prompts::Icon::Warning, Prompts::Ok);
    }
}

void frmSeiseki::BtnAllDataSave_Click() {
    merge_.openInPlaceOf(*this, makeMergeDialog_);
}

// BtnEnd and the window frame end the report alike.
void frmSeiseki::closeEvent(QCloseEvent* event) {
    if (SaveNameIniTelling(nameIniPath_, header_, prompts_)) emit nameIniWritten();
    event->accept();
}

}  // namespace pelmar::report
