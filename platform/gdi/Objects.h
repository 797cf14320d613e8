#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/gdi/Pixels.h"
#include "platform/gdi/windows.h"

// The objects behind the handles. A handle is the address of its object; every call looks it up
// among the live objects first, so a stale or foreign handle fails as it does on Windows instead
// of touching freed memory.
namespace gdi {

struct DeviceContext;

// A 32-bit surface: one 0x00RRGGBB word per pixel (bytes blue, green, red, 0 in memory).
//
// The pixels of a DIB section are the caller's to read at any time. Those of any other bitmap
// are seen only through the calls, so such a bitmap may hold its content in a form that costs
// less to fill: black (nothing drawn into it yet), or the colour indices of the 8-bit DIB last
// set into it whole, with that DIB's colours. Every call that reads it produces the pixels the
// indices stand for; one that writes into it otherwise turns it into pixels first (realise).
struct Bitmap {
    enum class Content { pixels, black, indexed };

    int width = 0;
    int height = 0;
    // The pixels the bitmap owns; null for a bitmap over a program's buffer (tessio_gdi.h).
    std::unique_ptr<std::uint32_t[]> pixels;
    // The top row and the distance in words from one row to the next below it: negative for a
    // bottom-up DIB section, whose top row is the last one in memory.
    std::uint32_t* top = nullptr;
    std::ptrdiff_t stride = 0;
    Content content = Content::black;
    bool section = false;
    // With Content::indexed: width x height indices, rows packed, top row first.
    std::unique_ptr<std::uint8_t[]> indices;
    Colours colours;
    // A bitmap is selected into at most one device context at a time; the stock bitmap into any.
    DeviceContext* selectedIn = nullptr;
    bool stock = false;

    std::uint32_t* row(int y) const { return top + stride * y; }
    // Makes the pixels hold the content, so that they can be written.
    void realise();
    // The count pixels of row y from column x on, written to out (which may lie in this
    // bitmap's own pixels: rows of pixels are moved as with memmove).
    void read(int x, int y, int count, std::uint32_t* out) const;
};

// A memory device context. It always holds a bitmap: the stock 1 x 1 bitmap until another is
// selected. StretchBlt into it combines the pixels a reduction drops as its stretch mode says.
// A context made over a program's buffer (tessio_gdi_create_dc) holds the bitmap over that buffer
// for its whole life: nothing else can be selected into it, and deleting it deletes the bitmap.
struct DeviceContext {
    Bitmap* selected = nullptr;
    int stretchMode = BLACKONWHITE;
    Bitmap* buffer = nullptr;
};

// Every call holds this lock: Pelmar and Tessio share the one handle space.
std::mutex& lock();

// A black bitmap whose pixels are not yet filled in: realise() zeroes them when needed.
Bitmap* newBitmap(int width, int height);
// A bitmap over width x height pixels of the caller's, rows strideWords words apart; the caller
// keeps them.
Bitmap* newBufferBitmap(std::uint32_t* pixels, int width, int height, std::ptrdiff_t strideWords);
// The 1 x 1 bitmap that a new device context holds; never deleted.
Bitmap* stockBitmap();
DeviceContext* newDeviceContext();
void destroy(Bitmap* bitmap);
void destroy(DeviceContext* dc);

// The live object behind a handle, or null when the handle is not one of that kind.
Bitmap* findBitmap(const void* handle);
DeviceContext* findDeviceContext(const void* handle);

inline HBITMAP toHandle(Bitmap* b) {
    return reinterpret_cast<HBITMAP>(b);
}
inline HDC toHandle(DeviceContext* dc) {
    return reinterpret_cast<HDC>(dc);
}

}  // namespace gdi
