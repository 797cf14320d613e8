#include <algorithm>
#include <cstring>
#include <new>

#include "platform/gdi/Objects.h"

using namespace gdi;

static_assert(sizeof(BITMAPINFOHEADER) == 40);
static_assert(sizeof(RGBQUAD) == 4);
static_assert(sizeof(OSVERSIONINFOA) == 148);

namespace {

// Bytes per DIB row: rows are padded to whole 32-bit words.
std::size_t dibStride(LONG width, WORD bitCount) {
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

// The 8-bit DIB's indices become the bitmap's content as they are, when the bitmap's pixels are
// not the caller's and the scan lines cover it whole: the pixels are then produced once, by
// whatever reads them.
bool keepsIndices(Bitmap& bitmap, std::size_t firstRow, std::size_t lines, LONG dibWidth) {
    if (bitmap.section || firstRow != 0 || lines < static_cast<std::size_t>(bitmap.height) ||
        dibWidth < bitmap.width)
        return false;
    if (!bitmap.indices) {
        const std::size_t count =
            static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height);
        bitmap.indices.reset(new (std::nothrow) std::uint8_t[count]);
    }
    return bitmap.indices != nullptr;
}

}  // namespace

extern "C" HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    std::lock_guard guard(lock());
    if (findDeviceContext(hdc) == nullptr) return nullptr;
    // Windows answers an empty size with a 1 x 1 bitmap.
    if (cx == 0 || cy == 0) cx = cy = 1;
    return toHandle(newBitmap(cx, cy));
}

extern "C" HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage,
                                           void** ppvBits, HANDLE hSection,
                                           [[maybe_unused]] DWORD offset) {
    std::lock_guard guard(lock());
    if (ppvBits != nullptr) *ppvBits = nullptr;
    if (hdc != nullptr && findDeviceContext(hdc) == nullptr) return nullptr;
    if (pbmi == nullptr || usage != DIB_RGB_COLORS || hSection != nullptr) return nullptr;
    const BITMAPINFOHEADER& h = pbmi->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || h.biBitCount != 32 ||
        h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN)
        return nullptr;
    const bool topDown = h.biHeight < 0;
    Bitmap* bitmap = newBitmap(h.biWidth, topDown ? -h.biHeight : h.biHeight);
    if (bitmap == nullptr) return nullptr;
    if (!topDown) {
        bitmap->top = bitmap->pixels.get() + bitmap->stride * (bitmap->height - 1);
        bitmap->stride = -bitmap->stride;
    }
    // The caller sees these pixels from the start: they are always kept as pixels.
    bitmap->section = true;
    bitmap->realise();
    if (ppvBits != nullptr) *ppvBits = bitmap->pixels.get();
    return toHandle(bitmap);
}

extern "C" BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    std::lock_guard guard(lock());
    Bitmap* bitmap = findBitmap(ho);
    if (bitmap == nullptr) return FALSE;
    if (bitmap->stock) return TRUE;
    // Windows keeps a bitmap that is still selected into a device context.
    if (bitmap->selectedIn != nullptr) return FALSE;
    destroy(bitmap);
    return TRUE;
}

// hdc only matters on Windows for DIB_PAL_COLORS, which the stand-in does not take.
extern "C" int WINAPI SetDIBits([[maybe_unused]] HDC hdc, HBITMAP hbm, UINT start, UINT cLines,
                                const void* lpBits, const BITMAPINFO* lpbmi, UINT ColorUse) {
    std::lock_guard guard(lock());
    Bitmap* bitmap = findBitmap(hbm);
    if (bitmap == nullptr || bitmap->stock || lpBits == nullptr || lpbmi == nullptr ||
        ColorUse != DIB_RGB_COLORS)
        return 0;
    const BITMAPINFOHEADER& h = lpbmi->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 ||
        (h.biBitCount != 8 && h.biBitCount != 24) || h.biCompression != BI_RGB || h.biWidth <= 0 ||
        h.biHeight == 0 || h.biHeight == INT32_MIN)
        return 0;
    const bool topDown = h.biHeight < 0;
    const std::size_t dibHeight = topDown ? -static_cast<std::int64_t>(h.biHeight) : h.biHeight;
    if (start >= dibHeight) return 0;
    const std::size_t lines = std::min<std::size_t>(cLines, dibHeight - start);
    const std::size_t stride = dibStride(h.biWidth, h.biBitCount);
    const int columns = std::min<int>(h.biWidth, bitmap->width);
    const auto* bits = static_cast<const BYTE*>(lpBits);
    // Scan lines count from the top of a top-down DIB and from the bottom of a bottom-up one;
    // lpBits holds them in that order, beginning with line start. firstRow is the top one of the
    // bitmap rows they reach.
    const std::size_t firstRow = topDown ? start : dibHeight - start - lines;
    const auto rowOf = [&](std::size_t k) {
        return topDown ? start + k : dibHeight - 1 - start - k;
    };
    if (h.biBitCount == 8) {
        const Colours colours = coloursOf(*lpbmi);
        if (keepsIndices(*bitmap, firstRow, lines, h.biWidth)) {
            const auto width = static_cast<std::size_t>(bitmap->width);
            for (std::size_t k = 0; k < lines; ++k)
                if (const std::size_t y = rowOf(k); y < static_cast<std::size_t>(bitmap->height))
                    std::memcpy(bitmap->indices.get() + y * width, bits + k * stride, width);
            bitmap->colours = colours;
            bitmap->content = Bitmap::Content::indexed;
            return static_cast<int>(lines);
        }
        bitmap->realise();
        for (std::size_t k = 0; k < lines; ++k)
            if (const std::size_t y = rowOf(k); y < static_cast<std::size_t>(bitmap->height))
                convert(bits + k * stride, bitmap->row(static_cast<int>(y)),
                        static_cast<std::size_t>(columns), colours);
        return static_cast<int>(lines);
    }
    bitmap->realise();
    for (std::size_t k = 0; k < lines; ++k) {
        const std::size_t y = rowOf(k);
        if (y >= static_cast<std::size_t>(bitmap->height)) continue;
        const BYTE* src = bits + k * stride;
        std::uint32_t* dst = bitmap->row(static_cast<int>(y));
        for (int x = 0; x < columns; ++x, src += 3)
            dst[x] = std::uint32_t{src[2]} << 16 | std::uint32_t{src[1]} << 8 | src[0];
    }
    return static_cast<int>(lines);
}
