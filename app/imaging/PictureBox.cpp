#include "app/imaging/PictureBox.h"

#include <QPainter>

namespace pelmar {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), image_(kWidth, kHeight, QImage::Format_RGB32) {
    image_.fill(Qt::black);
    setFixedSize(kWidth, kHeight);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

}  // namespace pelmar
