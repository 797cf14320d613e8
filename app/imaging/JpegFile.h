#pragma once

#include <QString>

class QImage;

namespace pelmar::imaging {

// The JPEG writer's results, numbered as the Windows build's imaging library (GDI+) numbers its
// status codes, so that both builds report the same values.
enum JpegStatus : int {
    JpegOk = 0,
    JpegWriteFailed = 7,  // GDI+'s Win32Error: the file could not be created or written
    JpegNoImage = 13,     // GDI+'s UnknownImageFormat: no image, or an empty one, was given
};

// Writes `image` (the picture box's persistent image; nullptr when it has none) as a baseline
// JPEG file. Quality above 100 is written as 100; negative values reach the encoder unchanged and
// give its default quality, 75. An existing file is replaced only once the new one is complete.
// `failure`, when given, receives the reason of any result but JpegOk.
int writeJpeg(const QImage* image, const QString& path, int quality, QString* failure = nullptr);

}  // namespace pelmar::imaging
