#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

// Byte-level access to the files the image tests write and inspect.
namespace pelmar::imaging {

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

inline std::uint32_t le32(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

inline std::uint16_t le16(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

inline std::uint8_t byteAt(const QByteArray& b, int at) {
    return static_cast<std::uint8_t>(b[at]);
}

inline void setLe32(QByteArray& b, int at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(value >> (8 * i));
}

// The 54 header bytes of a file claiming the given size and depth; every other field zero.
inline QByteArray bmpHeaders(std::int32_t width, std::int32_t height, std::uint16_t bitCount) {
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    setLe32(b, 14, 40);
    setLe32(b, 18, static_cast<std::uint32_t>(width));
    setLe32(b, 22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = static_cast<char>(bitCount & 0xFF);
    b[29] = static_cast<char>(bitCount >> 8);
    return b;
}

}  // namespace pelmar::imaging
