// The BMP reader gets files the operator picks from anywhere: it must never crash, read outside
// its input, or allocate beyond what the file holds.
#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "app/imaging/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);

    pelmar::imaging::ImageBuffers images;
    pelmar::imaging::BmpHeader header;
    int bytesPerPixel = 0, width = 0, height = 0;
    if (!pelmar::imaging::readBmp(device, bytesPerPixel, width, height, images, header)) return 0;

    // What a success promises the image commands, which send the planes by these sizes.
    const auto planeSize = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::size_t colourPlaneSize = bytesPerPixel == 3 ? planeSize : 0;
    if ((bytesPerPixel != 1 && bytesPerPixel != 3) || width <= 0 || height <= 0 ||
        images.plane1.size() != planeSize || images.plane2.size() != colourPlaneSize ||
        images.plane3.size() != colourPlaneSize ||
        images.filePixels.size() != planeSize * static_cast<std::size_t>(bytesPerPixel) ||
        images.filePixels.size() > size) {
        std::abort();
    }
    return 0;
}
