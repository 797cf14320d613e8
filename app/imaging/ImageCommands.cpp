#include "app/imaging/ImageCommands.h"

#include <QByteArrayView>
#include <QDate>
#include <span>

#include "app/imaging/BmpFile.h"
#include "app/imaging/JpegFile.h"
#include "app/text/Fields.h"
#include "app/link/MakeFolderPath.h"

namespace pelmar {
namespace {

constexpr char kReplyOk[] = "0,\r";
constexpr char kReplyFailed[] = "-1,\r";

constexpr int kSaveBitmap = 0;
constexpr int kSaveJpeg = 1;

const QString kBmpFilter = QStringLiteral("BMPファイル(*.bmp)|*.bmp");
constexpr int kExplorerDialog = 0x80000;

QByteArrayView bytesOf(const std::vector<std::uint8_t>& plane) {
    return {reinterpret_cast<const char*>(plane.data()), static_cast<qsizetype>(plane.size())};
}

}  // namespace

ImageCommands::ImageCommands(Transport& transport, Screen& screen, ProgramState& state,
                             FolderOps& folders)
    : transport_(transport), screen_(screen), state_(state), folders_(folders) {}

void ImageCommands::registerWith(CommandLoop& loop) {
    loop.addHandler(QStringLiteral("BMPW"), [this] { BMPW(); });
    loop.addHandler(QStringLiteral("BMPR"), [this] { BMPR(); });
}

void ImageCommands::reply(const char* text) {
    state_.loop.replyText = QString::fromLatin1(text);
    transport_.SendText(state_.loop.replyText, 0);
}

bool ImageCommands::receivePlane(std::vector<std::uint8_t>& plane) {
    reply(kReplyOk);
    const int count = static_cast<int>(plane.size());
    return transport_.ReceiveBlock(count, std::span(plane), kPlaneTimeoutMs) == count;
}

void ImageCommands::BMPW() {
    LoopContext& loop = state_.loop;
    screen_.enableTableButtons(false);
    appendStatus(screen_, QStringLiteral("BMPW受信"));
    loop.measurementFolder =
        dayFolder(state_.settings.saveFolder, QDate::currentDate(), folders_.separator());
    MakeFolderPath(loop.measurementFolder, folders_);

    std::int32_t type = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    QString name;
    text::ReadField(loop.lineBuffer, loop.readPos, type, loop.readPos);
    text::ReadField(loop.lineBuffer, loop.readPos, width, loop.readPos);
    text::ReadField(loop.lineBuffer, loop.readPos, height, loop.readPos);
    text::ReadField(loop.lineBuffer, loop.readPos, name, loop.readPos);
    // A missing name stays empty rather than reusing the previous one, so no earlier image is
    // written over; an empty name stores no file.
    loop.measurementName = safeFileName(name);

    // Any type but gray travels as three planes.
    const bool gray = type == 1;
    const auto imageBytes = imaging::pixelByteCount(gray ? 1 : 3, width, height);
    if (!imageBytes || *imageBytes > kLargestImageBytes) {
        reply(kReplyFailed);
        return;
    }

    imaging::ImageBuffers& images = state_.images;
    const auto pixelCount = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    images.release();
    images.plane1.resize(pixelCount);
    if (!gray) {
        images.plane2.resize(pixelCount);
        images.plane3.resize(pixelCount);
    }
    for (auto* plane : {&images.plane1, &images.plane2, &images.plane3}) {
        if (plane->empty()) continue;  // a gray image has plane 1 only
        if (!receivePlane(*plane)) {
            reply(kReplyFailed);
            return;
        }
    }
    reply(kReplyOk);

    screen_.showImage(images.plane1.data(), width, height);
    storeImage(type, width, height);
    images.release();
    screen_.enableTableButtons(true);
}

void ImageCommands::storeImage(int type, int width, int height) {
    const LoopContext& loop = state_.loop;
    const AppSettings& settings = state_.settings;
    // The writers' results are not acted on: the DM's replies never depend on the files.
    if (settings.saveMethod != kSaveJpeg) {
        imaging::writeBmp(imaging::imageFilePath(loop.measurementFolder, loop.measurementName,
                                                 imaging::kBmpExtension),
                          type, width, height, state_.images, state_.palette);
    }
    if (settings.saveMethod != kSaveBitmap) {
        imaging::writeJpeg(screen_.pictureImage(),
                           imaging::imageFilePath(loop.measurementFolder, loop.measurementName,
                                                  imaging::kJpegExtension),
                           settings.jpegQuality);
    }
}

void ImageCommands::BMPR() {
    LoopContext& loop = state_.loop;
    appendStatus(screen_, QStringLiteral("BMPR受信"));

    // The line's type and size are read, but the file's own values are what is sent.
    std::int32_t type = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    text::ReadField(loop.lineBuffer, loop.readPos, type, loop.readPos);
    text::ReadField(loop.lineBuffer, loop.readPos, width, loop.readPos);
    text::ReadField(loop.lineBuffer, loop.readPos, height, loop.readPos);

    const QString path =
        screen_.openFileDialog(state_.settings.saveFolder, kBmpFilter, kExplorerDialog);
    imaging::ImageBuffers& images = state_.images;
    if (!imaging::readBmp(path, type, width, height, images, state_.bmpHeader)) {
        reply(kReplyFailed);
        return;
    }

    reply(kReplyOk);
    transport_.SendBytes(bytesOf(images.plane1), 1);
    reply(kReplyOk);
    if (type != 1) {
        transport_.SendBytes(bytesOf(images.plane2), 1);
        reply(kReplyOk);
        transport_.SendBytes(bytesOf(images.plane3), 1);
        reply(kReplyOk);
    }
    images.release();
}

}  // namespace pelmar
