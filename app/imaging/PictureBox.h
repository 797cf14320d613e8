#pragma once

#include <QImage>
#include <QWidget>

namespace pelmar {

// Picture1: shows the latest image. It keeps its picture as a persistent image and repaints
// from it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    // The box's drawing area: 9735 × 7335 twips, 649 × 489 pixels at 96 dpi, room for 640 × 480.
    static constexpr int kWidth = 649;
    static constexpr int kHeight = 489;

    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace pelmar
