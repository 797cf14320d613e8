#include "app/imaging/JpegFile.h"

#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <algorithm>

namespace pelmar::imaging {

int writeJpeg(const QImage* image, const QString& path, int quality) {
    if (image == nullptr || image->isNull()) return JpegNoImage;

    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return JpegWriteFailed;
    QImageWriter writer(&file, "jpg");
    writer.setQuality(std::min(quality, 100));
    // Baseline files are the form every JPEG reader understands.
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(*image)) return JpegWriteFailed;
    return file.commit() ? JpegOk : JpegWriteFailed;
}

}  // namespace pelmar::imaging
