#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/gdi/windows.h"

namespace tessio::display {

enum class Format { gray, colour };

// The drawing sequence every routine shares: a memory context and a bitmap compatible with the
// caller's context, the pixels copied in with SetDIBits through the header of the format (its
// width and height rewritten to width and -height, so the DIB is top-down), the bitmap blitted
// with blit(memoryContext), and everything created released again. GDI results are not checked,
// as the boards' display code never did. Returns the result of releasing the memory context.
template <class Blit>
BOOL draw(HDC dc, int width, int height, const void* bits, Format format, Blit blit);

// draw() with a BitBlt of the whole width x height to (x, y) of the caller's context.
BOOL drawAt(HDC dc, int x, int y, int width, int height, const void* bits, Format format);

// What a work buffer holds when it is handed out: zeros, or anything, for a caller that writes
// every byte itself (filling it would cost a pass over it for nothing).
enum class Fill { zeros, none };

// A work buffer, or null when it cannot be had. Sizes beyond what a DIB can describe (2 GiB) and
// negative sizes count as failed allocations.
std::unique_ptr<std::uint8_t[]> workBuffer(std::int64_t bytes, Fill fill = Fill::zeros);

// Bytes in a DIB row of width pixels of one byte: rounded up to whole 32-bit words.
inline std::int64_t alignedRow(std::int64_t width) {
    return (width + 3) / 4 * 4;
}

BITMAPINFOHEADER& header(Format format);
const BITMAPINFO* info(Format format);

template <class Blit>
BOOL draw(HDC dc, int width, int height, const void* bits, Format format, Blit blit) {
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    BITMAPINFOHEADER& h = header(format);
    h.biWidth = width;
    h.biHeight = -height;
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SetDIBits(memory, bitmap, 0, static_cast<UINT>(height), bits, info(format), DIB_RGB_COLORS);
    blit(memory);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    return DeleteDC(memory);
}

}  // namespace tessio::display
