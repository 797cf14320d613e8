#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "app/report/ReportDrawing.h"
#include "app/report/Temperture.h"
#include "app/report/frmHizukeR.h"
#include "app/report/frmNameInp.h"
#include "app/report/frmSeiseki.h"
#include "app/report/frmSeiseki2.h"
#include "tools/screens/Gallery.h"

namespace pelmar::screens {
namespace {

// The sample report: 30 results and a header filled in.
void sampleReport(Gallery& g) {
    g.fillHistory(30);
    report::ReportHeader& header = g.state.reportHeader;
    header.nameLine1 = QStringLiteral("株式会社ペルマー光学");
    header.nameLine2 = QStringLiteral("品質保証部　検査課");
    header.createYear = 2026;
    header.createMonth = 12;
    header.createDay = 7;
    header.temperature = 23.5;
    header.humidity = 45.0;
}

void type(QWidget* dialog, const char* box, const QString& text) {
    dialog->findChild<QLineEdit*>(QLatin1String(box))->setText(text);
}

// A printed page, drawn by the printing code into an A4 image at 150 dpi.
QWidget* printedPage(Gallery& g, int pageIndex) {
    sampleReport(g);
    constexpr int kDpi = 150;
    QImage paper(qRound(210 / 25.4 * kDpi), qRound(297 / 25.4 * kDpi), QImage::Format_RGB32);
    paper.setDotsPerMeterX(qRound(kDpi / 0.0254));
    paper.setDotsPerMeterY(qRound(kDpi / 0.0254));
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const auto pages = report::printedPages(g.state.history, g.state.reportHeader);
    report::drawPage(painter, pages[static_cast<std::size_t>(pageIndex)]);
    painter.end();
    auto* label = new QLabel;
    label->setPixmap(QPixmap::fromImage(paper));
    label->setFixedSize(paper.size());
    return label;
}

const AddShot page1(QStringLiteral("frmSeiseki"), [](Gallery& g) -> QWidget* {
    sampleReport(g);
    return new report::frmSeiseki(g.state.reportHeader, g.state.history, g.state.nameIniPath,
                                  g.state.settings.saveFolder, g.prompts);
});

const AddShot laterPage(QStringLiteral("frmSeiseki2"), [](Gallery& g) -> QWidget* {
    sampleReport(g);
    return new report::frmSeiseki2(g.state.history);
});

const AddShot names(QStringLiteral("frmNameInp"), [](Gallery& g) -> QWidget* {
    sampleReport(g);
    return new report::frmNameInp(g.state.reportHeader);
});

const AddShot creationDate(QStringLiteral("frmHizukeR"), [](Gallery& g) -> QWidget* {
    auto* dialog = new report::frmHizukeR(g.state.reportHeader, g.prompts);
    type(dialog, "txtYear", QStringLiteral("2026"));
    type(dialog, "txtMonth", QStringLiteral("12"));
    type(dialog, "txtDay", QStringLiteral("7"));
    return dialog;
});

const AddShot climate(QStringLiteral("Temperture"), [](Gallery& g) -> QWidget* {
    auto* dialog = new report::Temperture(g.state.reportHeader);
    type(dialog, "txtTemper", QStringLiteral("23.5"));
    type(dialog, "txtHumidity", QStringLiteral("45"));
    return dialog;
});

const AddShot printed1(QStringLiteral("report-page1"),
                       [](Gallery& g) -> QWidget* { return printedPage(g, 0); });
const AddShot printed2(QStringLiteral("report-page2"),
                       [](Gallery& g) -> QWidget* { return printedPage(g, 1); });

}  // namespace
}  // namespace pelmar::screens
