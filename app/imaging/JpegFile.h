#pragma once

#include <QString>

#include "app/seams/FileOutcome.h"

class QImage;

namespace pelmar::imaging {

// Writes `image` (the picture box's persistent image; nullptr when it has none) as a baseline
// JPEG file. Quality above 100 is written as 100; negative values reach the encoder unchanged and
// give its default quality, 75. An existing file is replaced only once the new one is complete.
// A problem when there is no image or an empty one, or the file cannot be written.
[[nodiscard]] FileOutcome<> writeJpeg(const QImage* image, const QString& path, int quality);

}  // namespace pelmar::imaging
