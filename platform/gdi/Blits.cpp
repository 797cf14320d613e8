#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/Objects.h"

using namespace gdi;

namespace {

struct Span {
    int dst;  // first destination coordinate
    int src;  // matching source coordinate
    int length;
};

// One axis of a 1:1 copy, clipped to both the destination and the source surface.
Span clip(int dst, int src, int length, int dstSize, int srcSize) {
    std::int64_t d = dst, s = src, n = length;
    const std::int64_t skip = std::max<std::int64_t>({0, -d, -s});
    d += skip;
    s += skip;
    n -= skip;
    n = std::min({n, dstSize - d, srcSize - s});
    if (n <= 0) return {0, 0, 0};
    return {static_cast<int>(d), static_cast<int>(s), static_cast<int>(n)};
}

// The source coordinates that make one destination coordinate of a stretch, clipped to the
// source surface: none when first > last.
struct Sources {
    int first;
    int last;
};

// One axis of a stretch of srcLen source pixels from srcPos onto dstLen destination pixels from
// dstPos, for every coordinate of the destination surface (dstSize): GDI's sampling. Pixel i of
// the source lies at (i + 1/2) * dstLen / srcLen in the destination. An enlargement gives each
// destination pixel the source pixel whose span holds the destination pixel's centre; a reduction
// gives it every source pixel whose centre falls in its span. A centre exactly on the border
// between two pixels belongs to the one before. Onto a single pixel GDI stretches one source
// pixel less: the last one is dropped.
std::vector<Sources> stretchAxis(int dstPos, int dstLen, int srcPos, int srcLen, int dstSize,
                                 int srcSize) {
    std::vector<Sources> axis(static_cast<std::size_t>(dstSize), Sources{0, -1});
    const std::int64_t n = dstLen == 1 && srcLen > 1 ? srcLen - 1 : srcLen;
    const std::int64_t m = dstLen;
    // The first source pixel of destination pixel d in a reduction: the smallest i whose centre
    // lies beyond the border before d, (2i + 1) m > 2 n d.
    const auto firstOf = [&](std::int64_t d) {
        return std::max<std::int64_t>(0, (2 * n * d + m) / (2 * m));
    };
    for (int x = std::max(0, dstPos); x < dstSize; ++x) {
        const std::int64_t d = std::int64_t{x} - dstPos;
        if (d >= m) break;
        std::int64_t first, last;
        if (m >= n) {
            first = last = ((2 * d + 1) * n - 1) / (2 * m);
        } else {
            first = firstOf(d);
            last = firstOf(d + 1) - 1;
        }
        first = std::max<std::int64_t>(first + srcPos, 0);
        last = std::min<std::int64_t>(last + srcPos, srcSize - 1);
        if (first <= last)
            axis[static_cast<std::size_t>(x)] = {static_cast<int>(first), static_cast<int>(last)};
    }
    return axis;
}

}  // namespace

extern "C" BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1,
                              DWORD rop) {
    std::lock_guard guard(lock());
    DeviceContext* dstDc = findDeviceContext(hdc);
    DeviceContext* srcDc = findDeviceContext(hdcSrc);
    if (dstDc == nullptr || srcDc == nullptr || rop != SRCCOPY) return FALSE;
    Bitmap& dst = *dstDc->selected;
    const Bitmap& src = *srcDc->selected;
    const Span cols = clip(x, x1, cx, dst.width, src.width);
    const Span rows = clip(y, y1, cy, dst.height, src.height);
    if (cols.length == 0 || rows.length == 0) return TRUE;
    dst.realise();
    // Within one surface the rectangles may overlap: copy the rows in an order that reads each
    // before it is overwritten (each row is moved as with memmove).
    const bool upward = &dst == &src && rows.dst > rows.src;
    for (int k = 0; k < rows.length; ++k) {
        const int r = upward ? rows.length - 1 - k : k;
        src.read(cols.src, rows.src + r, cols.length, dst.row(rows.dst + r) + cols.dst);
    }
    return TRUE;
}

extern "C" BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest,
                                  HDC hdcSrc, int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop) {
    std::lock_guard guard(lock());
    DeviceContext* dstDc = findDeviceContext(hdcDest);
    DeviceContext* srcDc = findDeviceContext(hdcSrc);
    if (dstDc == nullptr || srcDc == nullptr || rop != SRCCOPY) return FALSE;
    if (wDest <= 0 || hDest <= 0 || wSrc <= 0 || hSrc <= 0) return FALSE;
    Bitmap& dst = *dstDc->selected;
    Bitmap& src = *srcDc->selected;
    dst.realise();
    src.realise();
    const std::vector<Sources> columns =
        stretchAxis(xDest, wDest, xSrc, wSrc, dst.width, src.width);
    const std::vector<Sources> rows = stretchAxis(yDest, hDest, ySrc, hSrc, dst.height, src.height);
    // Reading from a copy keeps the result right when source and destination are one surface.
    std::vector<std::uint32_t> copy;
    const std::uint32_t* srcTop = src.top;
    std::ptrdiff_t srcStride = src.stride;
    if (&dst == &src) {
        copy.resize(static_cast<std::size_t>(src.width) * static_cast<std::size_t>(src.height));
        for (int r = 0; r < src.height; ++r)
            std::memcpy(copy.data() + static_cast<std::size_t>(r) * src.width, src.row(r),
                        static_cast<std::size_t>(src.width) * 4);
        srcTop = copy.data();
        srcStride = src.width;
    }
    const auto at = [&](int x, int y) { return srcTop[srcStride * y + x]; };
    // What a reduction keeps of the pixels it joins: COLORONCOLOR the last column's pixel of the
    // first row, BLACKONWHITE the AND of their colour values (bitwise, so per channel),
    // WHITEONBLACK their OR.
    const int mode = dstDc->stretchMode;
    for (int y = 0; y < dst.height; ++y) {
        const Sources r = rows[static_cast<std::size_t>(y)];
        if (r.first > r.last) continue;
        std::uint32_t* to = dst.row(y);
        for (int x = 0; x < dst.width; ++x) {
            const Sources c = columns[static_cast<std::size_t>(x)];
            if (c.first > c.last) continue;
            if (mode == COLORONCOLOR) {
                to[x] = at(c.last, r.first);
                continue;
            }
            std::uint32_t pixel = mode == BLACKONWHITE ? 0xFFFFFFFFu : 0u;
            for (int sy = r.first; sy <= r.last; ++sy)
                for (int sx = c.first; sx <= c.last; ++sx)
                    pixel = mode == BLACKONWHITE ? pixel & at(sx, sy) : pixel | at(sx, sy);
            to[x] = pixel;
        }
    }
    return TRUE;
}

extern "C" int WINAPI GetStretchBltMode(HDC hdc) {
    std::lock_guard guard(lock());
    const DeviceContext* dc = findDeviceContext(hdc);
    return dc != nullptr ? dc->stretchMode : 0;
}

extern "C" int WINAPI SetStretchBltMode(HDC hdc, int mode) {
    std::lock_guard guard(lock());
    DeviceContext* dc = findDeviceContext(hdc);
    // HALFTONE is not in the stand-in: it is refused rather than drawn otherwise.
    if (dc == nullptr || mode < BLACKONWHITE || mode > COLORONCOLOR) return 0;
    const int previous = dc->stretchMode;
    dc->stretchMode = mode;
    return previous;
}
