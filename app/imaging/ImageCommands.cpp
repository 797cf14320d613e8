#include "app/imaging/ImageCommands.h"

#include <QByteArrayView>
#include <span>

#include "app/imaging/BmpFile.h"
#include "app/imaging/JpegFile.h"
#include "app/link/MeasurementFiles.h"

namespace pelmar::imaging {
namespace {

const QString kBmpFilter = QStringLiteral("BMPファイル(*.bmp)|*.bmp");

QByteArrayView bytesOf(const std::vector<std::uint8_t>& plane) {
    return {reinterpret_cast<const char*>(plane.data()), static_cast<qsizetype>(plane.size())};
}

}  // namespace

void ImageCommands::registerWith(CommandLoop& loop, Measurement& measurement) {
    loop.addHandler(QStringLiteral("BMPW"),
                    [this, &measurement](CommandLine& command) { BMPW(command, measurement); });
    loop.addHandler(QStringLiteral("BMPR"), [this](CommandLine& command) { BMPR(command); });
}

bool ImageCommands::receivePlane(std::vector<std::uint8_t>& plane) {
    exchange_.reply(kReplyOk);
    const int count = static_cast<int>(plane.size());
    return exchange_.transport().ReceiveBlock(count, std::span(plane), kPlaneTimeoutMs) == count;
}

void ImageCommands::BMPW(CommandLine& command, Measurement& measurement) {
    screen_.enableTableButtons(false);
    appendStatus(screen_, QStringLiteral("BMPW受信"));
    // The day folder is made when the image is stored: a folder that cannot be made refuses
    // the store, after the image has come and been shown.
    measurement.folder = todaysFolder(settings_.saveFolder, folders_);

    std::int32_t type = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    QString name;
    command.next(type);
    command.next(width);
    command.next(height);
    // Without a name the image is shown but stored nowhere: the current measurement's files are
    // not written over, and the name stays what it was for the results that follow.
    const bool named = command.next(name);
    if (named) measurement.name = safeFileName(name);

    // Any type but gray travels as three planes.
    const bool gray = type == kGrayImage;
    const auto imageBytes = pixelByteCount(gray ? 1 : 3, width, height);
    if (!imageBytes || *imageBytes > kLargestImageBytes) {
        exchange_.reply(kReplyFailed);
        return;
    }

    const auto pixelCount = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    images_.release();
    images_.plane1.resize(pixelCount);
    if (!gray) {
        images_.plane2.resize(pixelCount);
        images_.plane3.resize(pixelCount);
    }
    for (auto* plane : {&images_.plane1, &images_.plane2, &images_.plane3}) {
        if (plane->empty()) continue;  // a gray image has plane 1 only
        if (!receivePlane(*plane)) {
            exchange_.reply(kReplyFailed);
            return;
        }
    }

    // The last "0," says the image is stored; an image that could not be stored is answered
    // "-1,", as one that did not come.
    screen_.showImage(named ? measurement.name : QString(), images_.plane1.data(), width, height);
    const bool stored = !named || storeImage(measurement, type, width, height);
    images_.release();
    screen_.enableTableButtons(true);
    exchange_.reply(stored ? kReplyOk : kReplyFailed);
}

bool ImageCommands::storeImage(const Measurement& measurement, int type, int width, int height) {
    const auto path = [&](const QString& suffix) {
        return measurementFile(measurement.folder, measurement.name, suffix, folders_.separator());
    };
    std::vector<std::function<FileOutcome<>()>> writes;
    if (settings_.saveMethod != SaveJpeg) {
        writes.emplace_back(
            [&] { return writeBmp(path(kBitmapSuffix), type, width, height, images_, palette_); });
    }
    if (settings_.saveMethod != SaveBitmap) {
        writes.emplace_back([&] {
            return writeJpeg(screen_.pictureImage(), path(kJpegSuffix), settings_.jpegQuality);
        });
    }
    return storeMeasurement(screen_, folders_, measurement.folder, writes);
}

void ImageCommands::BMPR(CommandLine& command) {
    appendStatus(screen_, QStringLiteral("BMPR受信"));

    // The line's type and size are read, but the file's own values are what is sent.
    std::int32_t type = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    command.next(type);
    command.next(width);
    command.next(height);

    const auto path = prompts_.openFile(settings_.saveFolder, kBmpFilter);
    if (!path) throw DialogCancelled();
    BmpHeader header;
    if (!readBmp(*path, type, width, height, images_, header)) {
        exchange_.reply(kReplyFailed);
        return;
    }

    Transport& transport = exchange_.transport();
    exchange_.reply(kReplyOk);
    transport.SendBytes(bytesOf(images_.plane1), 1);
    exchange_.reply(kReplyOk);
    if (type != kGrayImage) {
        transport.SendBytes(bytesOf(images_.plane2), 1);
        exchange_.reply(kReplyOk);
        transport.SendBytes(bytesOf(images_.plane3), 1);
        exchange_.reply(kReplyOk);
    }
    images_.release();
}

}  // namespace pelmar::imaging
