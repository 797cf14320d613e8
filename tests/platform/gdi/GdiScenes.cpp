// The same GDI calls drawn through a real gdi32 (under Wine) and through the stand-in, each scene
// into a 32-bit surface of its own:
//   gdi_scenes --write FILE     draws every scene and writes the surfaces into FILE
//   gdi_scenes --compare FILE   draws every scene and compares it with FILE pixel for pixel;
//                               exit status 1 when any pixel differs
// The Windows build writes, the Linux build compares.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/gdi/windows.h"
#include "tests/support/GdiSurface.h"

namespace {

using gdi::test::Info;
using gdi::test::Surface;

constexpr std::uint32_t kBackground = 0x00A05A3C;

// Bytes the same on every system: the raw output of the standard's Mersenne twister.
std::vector<std::uint8_t> noise(std::size_t count, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(count);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random() >> 24);
    return bytes;
}

// An 8-bit DIB whose rows are padded to whole words, and its colours: the display's gray ramp
// (levels clamped to 16..240) or a table of arbitrary colours.
struct Dib {
    Info info;
    std::vector<std::uint8_t> bits;

    Dib(int width, int height, bool grayRamp, std::uint32_t seed)
        : info(width, height, 8),
          bits(
              noise(static_cast<std::size_t>((width + 3) / 4 * 4) * (height < 0 ? -height : height),
                    seed)) {
        const std::vector<std::uint8_t> colours = noise(3 * 256, seed + 1);
        for (int i = 0; i < 256; ++i) {
            const auto level = static_cast<BYTE>(i < 16 ? 16 : i > 240 ? 240 : i);
            info.bmiColors[i] =
                grayRamp ? RGBQUAD{level, level, level, 0}
                         : RGBQUAD{colours[3 * i], colours[3 * i + 1], colours[3 * i + 2], 0};
        }
    }
};

// A memory context holding a bitmap compatible with the surface, with dib set into it, as the
// display routines make their source.
struct Source {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;

    Source(HDC surface, int width, int height, const Dib& dib)
        : dc(CreateCompatibleDC(surface)), bitmap(CreateCompatibleBitmap(surface, width, height)) {
        previous = SelectObject(dc, bitmap);
        const LONG h = dib.info.bmiHeader.biHeight;
        SetDIBits(dc, bitmap, 0, static_cast<UINT>(h < 0 ? -h : h), dib.bits.data(), dib.info.get(),
                  DIB_RGB_COLORS);
    }
    ~Source() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;
};

struct Scene {
    const char* name;
    int width;
    int height;
    std::function<void(HDC)> draw;
};

// A DIB set into a bitmap of its own size and blitted to (x, y).
std::function<void(HDC)> setAndBlit(int width, int height, bool grayRamp, int x, int y) {
    return [=](HDC surface) {
        const Dib dib(width, height, grayRamp, static_cast<std::uint32_t>(width * 31 + height));
        const int rows = height < 0 ? -height : height;
        const Source source(surface, width, rows, dib);
        BitBlt(surface, x, y, width, rows, source.dc, 0, 0, SRCCOPY);
    };
}

// A gray DIB of sw x sh stretched from (sx, sy, sw', sh') of it onto (dx, dy, dw, dh) in a
// stretch mode (0: the context's own).
struct Stretch {
    int sw, sh, dx, dy, dw, dh, sx, sy, swRect, shRect, mode;
};
std::function<void(HDC)> stretch(Stretch s, bool grayRamp = true) {
    return [=](HDC surface) {
        const Dib dib(s.sw, -s.sh, grayRamp, static_cast<std::uint32_t>(s.sw * 7 + s.dw));
        const Source source(surface, s.sw, s.sh, dib);
        if (s.mode != 0) SetStretchBltMode(surface, s.mode);
        StretchBlt(surface, s.dx, s.dy, s.dw, s.dh, source.dc, s.sx, s.sy, s.swRect, s.shRect,
                   SRCCOPY);
    };
}

const std::vector<Scene>& scenes() {
    static const std::vector<Scene> all = {
        {"SetDIBits bottom-up, BitBlt", 24, 16, setAndBlit(13, 7, true, 2, 3)},
        {"SetDIBits top-down, BitBlt", 24, 16, setAndBlit(13, -7, true, 2, 3)},
        {"SetDIBits odd width, other colours", 48, 12, setAndBlit(37, -9, false, 5, 1)},
        {"SetDIBits clipped at the surface's edges", 20, 10, setAndBlit(27, -15, true, -3, -2)},
        {"StretchBlt enlarging 37x23 to 80x50", 90, 60,
         stretch({37, 23, 4, 5, 80, 50, 0, 0, 37, 23, 0})},
        {"StretchBlt reducing 64x32 to 32x16", 40, 20,
         stretch({64, 32, 3, 2, 32, 16, 0, 0, 64, 32, 0})},
        {"StretchBlt odd ratio 20x20 to 47x31", 50, 35,
         stretch({20, 20, 1, 1, 47, 31, 0, 0, 20, 20, 0})},
        {"StretchBlt reducing by odd ratios, colours", 30, 20,
         stretch({61, 43, 2, 2, 23, 11, 0, 0, 61, 43, 0}, false)},
        {"StretchBlt reducing, COLORONCOLOR", 30, 20,
         stretch({61, 43, 2, 2, 23, 11, 0, 0, 61, 43, COLORONCOLOR})},
        {"StretchBlt reducing, WHITEONBLACK", 30, 20,
         stretch({61, 43, 2, 2, 23, 11, 0, 0, 61, 43, WHITEONBLACK})},
        {"StretchBlt wider and lower", 40, 12, stretch({10, 40, 2, 2, 33, 7, 0, 0, 10, 40, 0})},
        {"StretchBlt onto one column", 12, 12,
         stretch({9, 5, 1, 1, 1, 9, 0, 0, 9, 5, 0})},
        {"StretchBlt onto one pixel", 4, 4, stretch({9, 5, 1, 1, 1, 1, 0, 0, 9, 5, 0})},
        // The 95/98 path of the display: a source rectangle that starts inside the bitmap and
        // runs past it, into a rectangle that leaves the surface.
        {"StretchBlt source and destination beyond their surfaces", 60, 40,
         stretch({28, 20, -7, 9, 64, 40, 5, 3, 28, 20, 0})},
        {"StretchBlt reducing a source beyond its bitmap", 30, 20,
         stretch({28, 20, 2, 2, 17, 9, -3, 4, 28, 20, 0})},
    };
    return all;
}

std::vector<std::uint32_t> render(const Scene& scene) {
    const Surface surface(scene.width, -scene.height, kBackground);
    scene.draw(surface.dc);
    return {surface.bits, surface.bits + scene.width * scene.height};
}

std::string header(const Scene& scene) {
    return std::string(scene.name) + " " + std::to_string(scene.width) + "x" +
           std::to_string(scene.height) + "\n";
}

int write(const char* path) {
    std::ofstream out(path, std::ios::binary);
    for (const Scene& scene : scenes()) {
        const std::vector<std::uint32_t> pixels = render(scene);
        out << header(scene);
        for (const std::uint32_t p : pixels)
            for (int i = 0; i < 4; ++i) out.put(static_cast<char>(p >> (8 * i)));
    }
    return out.flush() ? 0 : 2;
}

int compare(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s cannot be read\n", path);
        return 2;
    }
    int differing = 0;
    for (const Scene& scene : scenes()) {
        std::string line;
        std::getline(in, line);
        if (line + "\n" != header(scene)) {
            std::fprintf(stderr, "%s: expected the scene \"%s\", found \"%s\"\n", path, scene.name,
                         line.c_str());
            return 2;
        }
        const std::vector<std::uint32_t> ours = render(scene);
        std::vector<char> bytes(ours.size() * 4);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        int count = 0;
        for (std::size_t k = 0; k < ours.size(); ++k) {
            std::uint32_t theirs = 0;
            std::memcpy(&theirs, &bytes[4 * k], 4);
            if (theirs == ours[k]) continue;
            if (count++ == 0)
                std::printf("%s: first at (%zu, %zu): stand-in %08X, Windows %08X\n", scene.name,
                            k % static_cast<std::size_t>(scene.width),
                            k / static_cast<std::size_t>(scene.width), ours[k], theirs);
        }
        std::printf("%-60s %5d of %5zu pixels differ\n", scene.name, count, ours.size());
        differing += count;
    }
    return differing == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0) return write(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--compare") == 0) return compare(argv[2]);
    std::fprintf(stderr, "usage: gdi_scenes --write FILE | --compare FILE\n");
    return 2;
}
