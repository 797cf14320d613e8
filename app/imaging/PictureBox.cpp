#include "app/imaging/PictureBox.h"

#include <QPainter>
#include <algorithm>

#include "platform/gdi/tessio_gdi.h"

namespace pelmar::imaging {
namespace {

// 96 dots per inch, the resolution the box's positions and font sizes are given in.
constexpr int kDotsPerMeter = 3780;

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    allocate(kWidth, kHeight);
    image_.fill(Qt::black);
}

PictureBox::~PictureBox() {
    tessio_gdi_delete_dc(dc_);
}

void PictureBox::allocate(int width, int height) {
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.setDotsPerMeterX(kDotsPerMeter);
    image_.setDotsPerMeterY(kDotsPerMeter);
}

HDC PictureBox::clearFor(int width, int height) {
    // The last context may point at pixels that this call frees or moves.
    tessio_gdi_delete_dc(dc_);
    const int w = std::max(kWidth, width);
    const int h = std::max(kHeight, height);
    if (w != image_.width() || h != image_.height()) allocate(w, h);
    image_.fill(Qt::black);
    // A context of the GDI stand-in over the picture's pixels as they are now (the fill gives the
    // picture pixels of its own when a copy of it shared them).
    dc_ = tessio_gdi_create_dc(image_.bits(), image_.width(), image_.height(),
                               static_cast<int32_t>(image_.bytesPerLine()));
    extent_ = QSize(std::max(width, 0), std::max(height, 0));
    return dc_;
}

void PictureBox::drawPlane(const std::uint8_t* plane, int width, int height) {
    // The display library's palette shows the boards' video range: below 16 as 16, above 240
    // as 240.
    const int rows = std::min(height, image_.height());
    const int columns = std::min(width, image_.width());
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t* from = plane + static_cast<std::ptrdiff_t>(y) * width;
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = 0; x < columns; ++x) {
            const int level = std::clamp<int>(from[x], 16, 240);
            to[x] = qRgb(level, level, level);
        }
    }
}

void PictureBox::shown() {
    extentImage_ = QImage();
    update();
}

void PictureBox::setPicture(const QImage& picture) {
    clearFor(picture.width(), picture.height());
    QPainter painter(&image_);
    painter.drawImage(0, 0, picture);
    shown();
}

void PictureBox::drawLabel(const QString& text, int x, int y) {
    QPainter painter(&image_);
    QFont font = this->font();
    font.setPointSize(14);
    painter.setFont(font);
    painter.setPen(QColor(0, 255, 0));
    painter.drawText(QRect(x, y, image_.width() - x, image_.height() - y),
                     Qt::AlignLeft | Qt::AlignTop, text);
    extentImage_ = QImage();
    update();
}

const QImage* PictureBox::imageExtent() {
    if (extent_.isEmpty()) return nullptr;
    if (extentImage_.isNull()) extentImage_ = image_.copy(QRect(QPoint(0, 0), extent_));
    return &extentImage_;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

}  // namespace pelmar::imaging
