#include "tools/dmsim/ImageMaker.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace dmsim {

namespace {

// xorshift32: the same sequence on every platform and compiler, unlike the standard
// library's distributions.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {
        if (state_ == 0) state_ = 1;
    }
    int next(int range) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<int>(state_ % static_cast<std::uint32_t>(range));
    }

private:
    std::uint32_t state_;
};

struct Target {
    double cx, cy, radius;
};

// How strongly a pixel belongs to the ring (1 on its centre line) and to the cross-hair.
double ringWeight(const Target& t, int x, int y) {
    const double distance = std::hypot(x - t.cx, y - t.cy);
    const double off = std::abs(distance - t.radius);
    return std::max(0.0, 1.0 - off / 3.0);
}

double crossWeight(const Target& t, int x, int y) {
    const double reach = t.radius * 1.4;
    const double dx = std::abs(x - t.cx), dy = std::abs(y - t.cy);
    if (dx <= 1.0 && dy <= reach) return 1.0 - dx / 2.0;
    if (dy <= 1.0 && dx <= reach) return 1.0 - dy / 2.0;
    return 0.0;
}

}  // namespace

QList<QByteArray> makeImage(int type, int width, int height, std::uint32_t seed) {
    const int planeCount = type == 1 ? 1 : 3;
    width = std::max(width, 0);
    height = std::max(height, 0);
    Noise noise(seed);
    const Target target{width / 2.0 + noise.next(41) - 20, height / 2.0 + noise.next(31) - 15,
                        std::min(width, height) * 0.25};
    // Per plane: background level, ring level, cross-hair level. Colour shots show an amber
    // ring and a green cross-hair.
    constexpr std::array<std::array<int, 3>, 3> kColour{
        {{24, 250, 60}, {20, 180, 250}, {28, 40, 60}}};
    constexpr std::array<int, 3> kGray{22, 235, 200};

    QList<QByteArray> planes;
    for (int p = 0; p < planeCount; ++p) {
        const auto& level = planeCount == 1 ? kGray : kColour[static_cast<std::size_t>(p)];
        QByteArray plane(qsizetype(width) * height, '\0');
        auto* pixel = reinterpret_cast<unsigned char*>(plane.data());
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                double value = level[0] + noise.next(13);
                value += (level[1] - value) * ringWeight(target, x, y);
                value = std::max(value, level[2] * crossWeight(target, x, y));
                *pixel++ = static_cast<unsigned char>(std::clamp(value, 0.0, 255.0));
            }
        }
        planes.append(plane);
    }
    return planes;
}

}  // namespace dmsim
