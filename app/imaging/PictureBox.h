#pragma once

#include <QImage>
#include <QWidget>

#include "platform/gdi/windows.h"

namespace pelmar::imaging {

// Picture1: shows the latest image. Its picture is a persistent 32-bit image, and the display
// library draws into its pixels through a device context of the GDI stand-in over them
// (tessio_gdi.h); the box repaints from it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    // The box's drawing area: 9735 × 7335 twips, 649 × 489 pixels at 96 dpi, room for 640 × 480.
    static constexpr int kWidth = 649;
    static constexpr int kHeight = 489;

    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // Clears the picture for a new width × height image (the picture grows to hold a larger
    // one) and returns the device context that draws into it, valid until the next call. Call
    // shown() after drawing.
    HDC clearFor(int width, int height);
    // Draws an 8-bit plane at the top left as the display library would, with its palette's
    // levels: for when the library is not there. Call after clearFor().
    void drawPlane(const std::uint8_t* plane, int width, int height);
    void shown();

    // Makes a picture loaded from a file the box's picture.
    void setPicture(const QImage& picture);

    // Writes a text in light green, 14 points, with its top-left corner at (x, y) in pixels.
    void drawLabel(const QString& text, int x, int y);

    // The picture over the extent of the last image shown; nullptr before the first.
    const QImage* imageExtent();

    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void allocate(int width, int height);

    HDC dc_ = nullptr;  // over image_'s pixels
    QImage image_;
    QSize extent_;
    QImage extentImage_;
};

}  // namespace pelmar::imaging
