#pragma once

#include <QFont>
#include <QRectF>

#include "app/report/PageLayout.h"

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

// The black rules of a page: the frame, the heading rule, the column rules and the row rules.
void drawRules(QPainter& painter, const PageLayout& layout, const TwipScale& scale);

}  // namespace pelmar::report
