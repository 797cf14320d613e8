#include "app/report/ReportDrawing.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace pelmar::report {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kPdfResolution = 1200;

// The text in its box, narrowed to fit a width in twips (the box's own unless given).
void drawText(QPainter& painter, const TwipScale& scale, const TwipRect& box, double points,
              Qt::Alignment alignment, const QString& text, int fitWidth = -1) {
    if (text.isEmpty()) return;
    const double width = scale.x(fitWidth < 0 ? box.width : fitWidth);
    painter.setFont(fittedFont(reportFont(points), text, width, painter.device()));
    painter.drawText(scale.rect(box), static_cast<int>(alignment | Qt::AlignTop), text);
}

// The layout a printed page is drawn by: page 1 or a later page.
const PageLayout& printedLayout(int pageIndex) {
    return pageIndex == 0 ? printedFirstPage() : printedLaterPage();
}

}  // namespace

TwipScale::TwipScale(const QPaintDevice& device)
    : TwipScale(device.logicalDpiX(), device.logicalDpiY()) {}

TwipScale::TwipScale(double dotsPerInchX, double dotsPerInchY)
    : perTwipX_(dotsPerInchX / kTwipsPerInch), perTwipY_(dotsPerInchY / kTwipsPerInch) {}

QFont reportFont(double points) {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

QFont fittedFont(QFont font, const QString& text, double width, const QPaintDevice* device) {
    font.setStretch(QFont::Unstretched);
    const double advance = QFontMetricsF(font, device).horizontalAdvance(text);
    if (advance <= width) return font;
    font.setStretch(std::max(1, static_cast<int>(std::floor(100.0 * width / advance))));
    return font;
}

void drawRules(QPainter& painter, const PageLayout& layout, const TwipScale& scale) {
    const double thin = scale.thinRule();
    const double wide = scale.doubleRule();
    const double left = scale.x(layout.frameLeft);
    const double right = scale.x(layout.frameRight);
    const double top = scale.y(layout.frameTop);
    const double bottom = scale.y(layout.frameBottom);
    // Each rule is a filled band whose top or left edge lies on its position.
    const auto across = [&](double y, double width) {
        painter.fillRect(QRectF(left, y, right + wide - left, width), Qt::black);
    };
    const auto down = [&](double x, double width) {
        painter.fillRect(QRectF(x, top, width, bottom + wide - top), Qt::black);
    };
    for (int k = 0; k < layout.rows - 1; ++k) {
        across(scale.y(layout.firstRowRule + layout.rowPitch * k), thin);
    }
    for (int x : layout.columnRules) down(scale.x(x), thin);
    for (int y : {layout.frameTop, layout.headingRule, layout.frameBottom})
        across(scale.y(y), wide);
    down(left, wide);
    down(right, wide);
}

void drawPage(QPainter& painter, const PageContent& page) {
    const PageLayout& layout = printedLayout(page.pageIndex);
    const TwipScale scale(*painter.device());
    painter.fillRect(scale.rect({0, 0, layout.width, layout.height}), Qt::white);
    painter.setPen(Qt::black);

    drawText(painter, scale, layout.pageIndicator, kPageIndicatorPoints, Qt::AlignLeft,
             pageIndicator(page.pageIndex, page.pageCount));
    if (layout.hasHeader) {
        drawText(painter, scale, layout.title, kTitlePoints, Qt::AlignHCenter, reportTitle());
        for (int i = 0; i < kCaptions; ++i) {
            drawText(painter, scale, layout.captions[static_cast<std::size_t>(i)], kHeaderPoints,
                     Qt::AlignLeft, captionTexts()[static_cast<std::size_t>(i)]);
        }
        for (int i = 0; i < kHeaderValues; ++i) {
            const auto k = static_cast<std::size_t>(i);
            drawText(painter, scale, layout.values[k], kHeaderPoints, Qt::AlignLeft,
                     page.header[k]);
        }
    }
    for (int c = 0; c < kColumns; ++c) {
        const TableColumn& column = layout.columns[static_cast<std::size_t>(c)];
        drawText(painter, scale,
                 {column.headingLeft, layout.headingTop, column.headingWidth, layout.headingHeight},
                 kHeadingPoints, Qt::AlignHCenter, layout.headings[static_cast<std::size_t>(c)]);
    }
    const int rows = std::min(static_cast<int>(page.rows.size()), layout.rows);
    for (int r = 0; r < rows; ++r) {
        const auto cells = page.rows[static_cast<std::size_t>(r)].cells();
        for (int c = 0; c < kColumns; ++c) {
            const TableColumn& column = layout.columns[static_cast<std::size_t>(c)];
            drawText(painter, scale,
                     {column.cellLeft, layout.rowTop + layout.rowPitch * r, column.cellWidth,
                      layout.rowHeight},
                     kRowPoints, Qt::AlignHCenter, *cells[static_cast<std::size_t>(c)],
                     clearCellWidth(layout, c));
        }
    }
    drawRules(painter, layout, scale);
}

FileOutcome<> renderPages(QPagedPaintDevice& device, const QString& destination,
                          const std::vector<PageContent>& pages) {
    // A printer that cannot take A4 prints on its own paper at the same scale.
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&device))
        return FileProblem{destination, QStringLiteral("出力先を開けません。")};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return FileProblem{destination,
                               QStringLiteral("%1ページ目を始められません。").arg(i + 1)};
        }
        drawPage(painter, pages[i]);
    }
    if (!painter.end()) return FileProblem{destination, QStringLiteral("出力を終えられません。")};
    return {};
}

FileOutcome<> writeReportPdf(const QString& path, const std::vector<PageContent>& pages) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return FileProblem{path, file.errorString()};
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(reportTitle());
        writer.setCreator(QStringLiteral("Pelmar"));
        if (const auto drawn = renderPages(writer, path, pages); !drawn) {
            file.cancelWriting();
            return drawn;
        }
    }
    if (!file.commit()) return FileProblem{path, file.errorString()};
    return {};
}

}  // namespace pelmar::report
