#include "app/imaging/JpegFile.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <algorithm>

#include "app/text/SaveFile.h"

namespace pelmar::imaging {

text::FileOutcome<> writeJpeg(const QImage* image, const QString& path, int quality) {
    if (image == nullptr || image->isNull()) {
        return text::FileProblem{path, QStringLiteral("表示された画像がありません")};
    }

    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, "jpg");
    writer.setQuality(std::min(quality, 100));
    // Baseline files are the form every JPEG reader understands.
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(*image)) return text::FileProblem{path, writer.errorString()};
    return text::saveWhole(path, {encoded.data()});
}

}  // namespace pelmar::imaging
