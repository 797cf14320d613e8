#include "app/imaging/BmpFile.h"

#include <QFile>
#include <QIODevice>
#include <cstring>

#include "app/platform/WholeFile.h"

namespace pelmar::imaging {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kHeadersSize = kFileHeaderSize + kInfoHeaderSize;
constexpr int kPaletteSize = 256 * 4;

void put16(QByteArray& out, std::uint16_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void put32(QByteArray& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.append(static_cast<char>(value >> shift));
}

// Reads little-endian fields one after the other from a buffer the caller has sized.
class FieldReader {
public:
    explicit FieldReader(const char* data) : p_(reinterpret_cast<const unsigned char*>(data)) {}

    std::uint16_t u16() {
        const std::uint16_t v = static_cast<std::uint16_t>(p_[0] | p_[1] << 8);
        p_ += 2;
        return v;
    }
    std::uint32_t u32() {
        const std::uint32_t v = std::uint32_t{p_[0]} | std::uint32_t{p_[1]} << 8 |
                                std::uint32_t{p_[2]} << 16 | std::uint32_t{p_[3]} << 24;
        p_ += 4;
        return v;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

private:
    const unsigned char* p_;
};

QByteArray encodeHeaders(const BmpHeader& h) {
    QByteArray out;
    out.reserve(kHeadersSize);
    put16(out, h.bfType);
    put32(out, h.bfSize);
    put16(out, h.bfReserved1);
    put16(out, h.bfReserved2);
    put32(out, h.bfOffBits);
    put32(out, h.biSize);
    put32(out, static_cast<std::uint32_t>(h.biWidth));
    put32(out, static_cast<std::uint32_t>(h.biHeight));
    put16(out, h.biPlanes);
    put16(out, h.biBitCount);
    put32(out, h.biCompression);
    put32(out, h.biSizeImage);
    put32(out, static_cast<std::uint32_t>(h.biXPelsPerMeter));
    put32(out, static_cast<std::uint32_t>(h.biYPelsPerMeter));
    put32(out, h.biClrUsed);
    put32(out, h.biClrImportant);
    return out;
}

BmpHeader decodeHeaders(const char* data) {
    FieldReader in(data);
    BmpHeader h;
    h.bfType = in.u16();
    h.bfSize = in.u32();
    h.bfReserved1 = in.u16();
    h.bfReserved2 = in.u16();
    h.bfOffBits = in.u32();
    h.biSize = in.u32();
    h.biWidth = in.i32();
    h.biHeight = in.i32();
    h.biPlanes = in.u16();
    h.biBitCount = in.u16();
    h.biCompression = in.u32();
    h.biSizeImage = in.u32();
    h.biXPelsPerMeter = in.i32();
    h.biYPelsPerMeter = in.i32();
    h.biClrUsed = in.u32();
    h.biClrImportant = in.u32();
    return h;
}

QByteArray encodePalette(const Palette& palette) {
    QByteArray out;
    out.reserve(kPaletteSize);
    for (const PaletteEntry& e : palette) {
        out.append(static_cast<char>(e.blue));
        out.append(static_cast<char>(e.green));
        out.append(static_cast<char>(e.red));
        out.append(static_cast<char>(e.reserved));
    }
    return out;
}

}  // namespace

FileOutcome<> writeBmp(const QString& path, int bytesPerPixel, int width, int height,
                       ImageBuffers& images, const Palette& palette) {
    const bool gray = bytesPerPixel == kGrayImage;
    const int fileBytesPerPixel = gray ? 1 : 3;
    const auto pixelBytes = pixelByteCount(fileBytesPerPixel, width, height);
    const auto planeSize = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (!pixelBytes || images.plane1.size() < planeSize ||
        (!gray && (images.plane2.size() < planeSize || images.plane3.size() < planeSize))) {
        return FileProblem{path, QStringLiteral("画像の大きさが不正です")};
    }

    images.filePixels.resize(static_cast<std::size_t>(*pixelBytes));
    std::uint8_t* out = images.filePixels.data();
    const auto w = static_cast<std::size_t>(width);
    for (std::size_t row = static_cast<std::size_t>(height); row-- > 0;) {
        const std::size_t start = row * w;
        if (gray) {
            std::memcpy(out, images.plane1.data() + start, w);
            out += w;
            continue;
        }
        for (std::size_t i = start; i < start + w; ++i) {
            *out++ = images.plane3[i];
            *out++ = images.plane2[i];
            *out++ = images.plane1[i];
        }
    }

    const std::uint32_t offBits = gray ? kHeadersSize + kPaletteSize : kHeadersSize;
    BmpHeader header;  // fields without a value of Pelmar's stay zero
    header.bfType = 0x4D42;
    header.bfSize = offBits + static_cast<std::uint32_t>(*pixelBytes);
    header.bfOffBits = offBits;
    header.biSize = kInfoHeaderSize;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = gray ? 8 : 24;
    header.biSizeImage = static_cast<std::uint32_t>(*pixelBytes);

    // The old file is replaced only when the new one is complete, so neither a tail of a longer
    // older image nor a half-written file is ever left under the name.
    const QByteArray headers = encodeHeaders(header);
    const QByteArray table = gray ? encodePalette(palette) : QByteArray();
    const QByteArrayView pixels(reinterpret_cast<const char*>(images.filePixels.data()),
                                static_cast<qsizetype>(*pixelBytes));
    return platform::writeWhole(path, {headers, table, pixels});
}

FileOutcome<> readBmp(const QString& path, int& bytesPerPixel, int& width, int& height,
                      ImageBuffers& images, BmpHeader& header) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return FileProblem{path, file.errorString()};
    const auto read = readBmp(file, bytesPerPixel, width, height, images, header);
    if (!read) return FileProblem{path, read.problem().reason};
    return read;
}

FileOutcome<> readBmp(QIODevice& device, int& bytesPerPixel, int& width, int& height,
                      ImageBuffers& images, BmpHeader& header) {
    const auto problem = [](const char16_t* reason) {
        return FileProblem{QString(), QString::fromUtf16(reason)};
    };
    // Everything is checked against what the device actually holds before anything is
    // allocated, so a hostile header cannot ask for more memory than the file's own size.
    const std::int64_t available = device.size() - device.pos();
    if (device.isSequential() || available < kHeadersSize) return problem(u"ファイルが短すぎます");

    char headerBytes[kHeadersSize];
    if (device.read(headerBytes, kHeadersSize) != kHeadersSize) return problem(u"読み込めません");
    const BmpHeader read = decodeHeaders(headerBytes);

    int fileBytesPerPixel = 0;
    if (read.biBitCount == 8) {
        fileBytesPerPixel = 1;
    } else if (read.biBitCount == 24) {
        fileBytesPerPixel = 3;
    } else {
        return problem(u"8ビットでも24ビットでもありません");
    }
    const auto pixelBytes = pixelByteCount(fileBytesPerPixel, read.biWidth, read.biHeight);
    if (!pixelBytes) return problem(u"画像の大きさが不正です");
    const std::int64_t tableBytes = fileBytesPerPixel == 1 ? kPaletteSize : 0;
    if (kHeadersSize + tableBytes + *pixelBytes > available)
        return problem(u"ファイルが短すぎます");
    if (tableBytes > 0 && device.skip(tableBytes) != tableBytes) return problem(u"読み込めません");

    std::vector<std::uint8_t> filePixels(static_cast<std::size_t>(*pixelBytes));
    if (device.read(reinterpret_cast<char*>(filePixels.data()), *pixelBytes) != *pixelBytes) {
        return problem(u"読み込めません");
    }

    const auto w = static_cast<std::size_t>(read.biWidth);
    const auto planeSize = w * static_cast<std::size_t>(read.biHeight);
    std::vector<std::uint8_t> plane1(planeSize);
    std::vector<std::uint8_t> plane2;
    std::vector<std::uint8_t> plane3;
    if (fileBytesPerPixel == 3) {
        plane2.resize(planeSize);
        plane3.resize(planeSize);
    }
    const std::uint8_t* in = filePixels.data();
    for (std::size_t row = static_cast<std::size_t>(read.biHeight); row-- > 0;) {
        const std::size_t start = row * w;
        if (fileBytesPerPixel == 1) {
            std::memcpy(plane1.data() + start, in, w);
            in += w;
            continue;
        }
        for (std::size_t i = start; i < start + w; ++i) {
            plane1[i] = *in++;
            plane2[i] = *in++;
            plane3[i] = *in++;
        }
    }

    images.plane1 = std::move(plane1);
    images.plane2 = std::move(plane2);
    images.plane3 = std::move(plane3);
    images.filePixels = std::move(filePixels);
    header = read;
    bytesPerPixel = fileBytesPerPixel;
    width = read.biWidth;
    height = read.biHeight;
    return {};
}

}  // namespace pelmar::imaging
