#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

#include "app/report/PageLayout.h"
#include "app/report/ReportPages.h"
#include "app/seams/FileOutcome.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace pelmar::report {

// Twips to the pixels of a paint device at its resolution (1440 twips to the inch).
class TwipScale {
public:
    explicit TwipScale(const QPaintDevice& device);
    TwipScale(double dotsPerInchX, double dotsPerInchY);

    double x(int twips) const { return twips * perTwipX_; }
    double y(int twips) const { return twips * perTwipY_; }
    QRectF rect(const TwipRect& r) const { return {x(r.left), y(r.top), x(r.width), y(r.height)}; }
    // A thin rule is about 1/96 inch wide (one pixel on a 96 dpi screen; a single device pixel
    // would vanish at a printer's 1200 dpi), a double rule twice that.
    double thinRule() const { return perTwipY_ * 15.0; }
    double doubleRule() const { return 2.0 * thinRule(); }

private:
    double perTwipX_;
    double perTwipY_;
};

// The report's font at a size in points: "ＭＳ Ｐゴシック" (its substitute where it is missing),
// normal weight.
QFont reportFont(double points);

// The font, narrowed just enough for the text to fit a width in the device's pixels. The pages
// are laid out for "ＭＳ Ｐゴシック"; its substitute runs wider, and a report must not lose the
// last digit of a time or a serial number at its cell's edge.
QFont fittedFont(QFont font, const QString& text, double width, const QPaintDevice* device);

// The black rules of a page: the frame, the heading rule, the column rules and the row rules.
void drawRules(QPainter& painter, const PageLayout& layout, const TwipScale& scale);

// A whole printed page on white: title, page indicator, header block, headings, rows and rules,
// at the resolution of the painter's device.
void drawPage(QPainter& painter, const PageContent& page);

// The pages onto a printer or a PDF writer, one device page each, A4 portrait whatever the
// device's paper, drawn from its top-left corner. The problem names the destination (a file's
// path, a printer's name) and why the pages did not all go out.
[[nodiscard]] FileOutcome<> renderPages(QPagedPaintDevice& device, const QString& destination,
                                        const std::vector<PageContent>& pages);

// The pages as a PDF file, written whole or not at all.
[[nodiscard]] FileOutcome<> writeReportPdf(const QString& path,
                                           const std::vector<PageContent>& pages);

}  // namespace pelmar::report
