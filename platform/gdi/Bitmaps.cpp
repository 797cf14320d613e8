#include <algorithm>
#include <array>

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

// The colours of an 8-bit DIB as pixels: its biClrUsed entries (all 256 when 0); indices past
// them are black.
std::array<std::uint32_t, 256> palette(const BITMAPINFO* info) {
    const DWORD used = info->bmiHeader.biClrUsed == 0 ? 256 : info->bmiHeader.biClrUsed;
    std::array<std::uint32_t, 256> colours{};
    for (DWORD i = 0; i < std::min<DWORD>(used, 256); ++i) {
        const RGBQUAD q = info->bmiColors[i];
        colours[i] = std::uint32_t{q.rgbRed} << 16 | std::uint32_t{q.rgbGreen} << 8 | q.rgbBlue;
    }
    return colours;
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
    const auto colours = h.biBitCount == 8 ? palette(lpbmi) : std::array<std::uint32_t, 256>{};
    // Scan lines count from the top of a top-down DIB and from the bottom of a bottom-up one;
    // lpBits holds them in that order, beginning with line start.
    for (std::size_t k = 0; k < lines; ++k) {
        const std::size_t scan = start + k;
        const std::size_t y = topDown ? scan : dibHeight - 1 - scan;
        if (y >= static_cast<std::size_t>(bitmap->height)) continue;
        const BYTE* src = bits + k * stride;
        std::uint32_t* dst = bitmap->row(static_cast<int>(y));
        if (h.biBitCount == 8) {
            for (int x = 0; x < columns; ++x) dst[x] = colours[src[x]];
        } else {
            for (int x = 0; x < columns; ++x, src += 3)
                dst[x] = std::uint32_t{src[2]} << 16 | std::uint32_t{src[1]} << 8 | src[0];
        }
    }
    return static_cast<int>(lines);
}
