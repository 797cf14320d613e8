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

// Nearest-neighbour source coordinate of each destination coordinate in [0, dstSize) that the
// stretch reaches, or -1 where it falls outside the stretch or the source surface.
std::vector<int> stretchMap(int dstPos, int dstLen, int srcPos, int srcLen, int dstSize,
                            int srcSize) {
    std::vector<int> map(static_cast<std::size_t>(dstSize), -1);
    for (int d = std::max(0, dstPos); d < dstSize; ++d) {
        const std::int64_t offset = std::int64_t{d} - dstPos;
        if (offset >= dstLen) break;
        const std::int64_t s = srcPos + offset * srcLen / dstLen;
        if (s >= 0 && s < srcSize) map[static_cast<std::size_t>(d)] = static_cast<int>(s);
    }
    return map;
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
    const std::vector<int> colMap = stretchMap(xDest, wDest, xSrc, wSrc, dst.width, src.width);
    const std::vector<int> rowMap = stretchMap(yDest, hDest, ySrc, hSrc, dst.height, src.height);
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
    for (int y = 0; y < dst.height; ++y) {
        const int sy = rowMap[static_cast<std::size_t>(y)];
        if (sy < 0) continue;
        const std::uint32_t* from = srcTop + srcStride * sy;
        std::uint32_t* to = dst.row(y);
        for (int x = 0; x < dst.width; ++x) {
            const int sx = colMap[static_cast<std::size_t>(x)];
            if (sx >= 0) to[x] = from[sx];
        }
    }
    return TRUE;
}
