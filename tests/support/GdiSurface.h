#pragma once

#include <cstdint>

#include "platform/gdi/windows.h"

namespace gdi::test {

// A BITMAPINFO with room for a full 256-entry colour table.
struct Info {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[256];

    Info(int width, int height, int bitCount) : bmiHeader{}, bmiColors{} {
        bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmiHeader.biWidth = width;
        bmiHeader.biHeight = height;
        bmiHeader.biPlanes = 1;
        bmiHeader.biBitCount = static_cast<WORD>(bitCount);
        bmiHeader.biCompression = BI_RGB;
    }
    const BITMAPINFO* get() const { return reinterpret_cast<const BITMAPINFO*>(this); }
};

// A memory context over a 32-bit DIB section whose pixels the test reads, as Pelmar makes its
// picture box: top-down for a negative height.
struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    std::uint32_t* bits = nullptr;
    HGDIOBJ previous = nullptr;

    Surface(int width, int height, std::uint32_t fill = 0) {
        Info info(width, height, 32);
        dc = CreateCompatibleDC(nullptr);
        void* p = nullptr;
        bitmap = CreateDIBSection(dc, info.get(), DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<std::uint32_t*>(p);
        previous = SelectObject(dc, bitmap);
        const int count = width * (height < 0 ? -height : height);
        for (int k = 0; k < count; ++k) bits[k] = fill;
    }
    ~Surface() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
};

}  // namespace gdi::test
