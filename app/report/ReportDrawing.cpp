#include "app/report/ReportDrawing.h"

#include <QPaintDevice>
#include <QPainter>

namespace pelmar::report {
namespace {

constexpr double kTwipsPerInch = 1440.0;

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

}  // namespace pelmar::report
