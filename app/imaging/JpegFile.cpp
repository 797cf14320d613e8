#include "app/imaging/JpegFile.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <algorithm>

#include "app/platform/WholeFile.h"

namespace pelmar::imaging {

FileOutcome<> writeJpeg(const QImage* image, const QString& path, int quality) {
    if (image == nullptr || image->isNull()) {
        return FileProblem{path, QStringLiteral("表示された画像がありません")};
    }

    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, "jpg");
    writer.setQuality(std::min(quality, 100));
    // Baseline files are the form every JPEG reader understands.
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(*image)) return FileProblem{path, writer.errorString()};
    return platform::writeWhole(path, {encoded.data()});
}

}  // namespace pelmar::imaging
