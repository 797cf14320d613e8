#include "app/imaging/JpegFile.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <algorithm>

#include "app/text/SaveFile.h"

namespace pelmar::imaging {

int writeJpeg(const QImage* image, const QString& path, int quality, QString* failure) {
    const auto fail = [failure](JpegStatus status, const QString& reason) {
        if (failure != nullptr) *failure = reason;
        return status;
    };
    if (image == nullptr || image->isNull()) {
        return fail(JpegNoImage, QStringLiteral("表示された画像がありません"));
    }

    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, "jpg");
    writer.setQuality(std::min(quality, 100));
    // Baseline files are the form every JPEG reader understands.
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(*image)) return fail(JpegWriteFailed, writer.errorString());
    const QString reason = text::saveWhole(path, {encoded.data()});
    return reason.isEmpty() ? JpegOk : fail(JpegWriteFailed, reason);
}

}  // namespace pelmar::imaging
