#include "platform/gdi/Objects.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <unordered_map>

namespace gdi {
namespace {

enum class Kind { bitmap, deviceContext };

std::unordered_map<const void*, Kind>& live() {
    static std::unordered_map<const void*, Kind> objects;
    return objects;
}

// Windows refuses bitmaps beyond what 32-bit sizes describe; so does the stand-in.
constexpr std::size_t kMaxBytes = std::numeric_limits<std::int32_t>::max();

}  // namespace

std::mutex& lock() {
    static std::mutex m;
    return m;
}

Bitmap* newBitmap(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (count > kMaxBytes / 4) return nullptr;
    auto bitmap = std::unique_ptr<Bitmap>(new (std::nothrow) Bitmap);
    if (!bitmap) return nullptr;
    bitmap->pixels.reset(new (std::nothrow) std::uint32_t[count]);
    if (!bitmap->pixels) return nullptr;
    bitmap->width = width;
    bitmap->height = height;
    bitmap->top = bitmap->pixels.get();
    bitmap->stride = width;
    live().emplace(bitmap.get(), Kind::bitmap);
    return bitmap.release();
}

Bitmap* newBufferBitmap(std::uint32_t* pixels, int width, int height, std::ptrdiff_t strideWords) {
    auto* bitmap = new (std::nothrow) Bitmap;
    if (!bitmap) return nullptr;
    bitmap->width = width;
    bitmap->height = height;
    bitmap->top = pixels;
    bitmap->stride = strideWords;
    // The caller sees these pixels at any time, as those of a DIB section.
    bitmap->content = Bitmap::Content::pixels;
    bitmap->section = true;
    live().emplace(bitmap, Kind::bitmap);
    return bitmap;
}

void Bitmap::realise() {
    if (content == Content::black) {
        for (int y = 0; y < height; ++y) std::fill_n(row(y), width, 0);
    } else if (content == Content::indexed) {
        for (int y = 0; y < height; ++y) read(0, y, width, row(y));
        indices.reset();
    }
    content = Content::pixels;
}

void Bitmap::read(int x, int y, int count, std::uint32_t* out) const {
    const auto n = static_cast<std::size_t>(count);
    switch (content) {
        case Content::pixels:
            std::memmove(out, row(y) + x, n * 4);
            break;
        case Content::black:
            std::fill_n(out, n, 0);
            break;
        case Content::indexed:
            convert(indices.get() + static_cast<std::size_t>(y) * width + x, out, n, colours);
            break;
    }
}

Bitmap* stockBitmap() {
    static Bitmap* stock = [] {
        Bitmap* b = newBitmap(1, 1);
        if (b) b->stock = true;
        return b;
    }();
    return stock;
}

DeviceContext* newDeviceContext() {
    Bitmap* stock = stockBitmap();
    if (!stock) return nullptr;
    auto* dc = new (std::nothrow) DeviceContext;
    if (!dc) return nullptr;
    dc->selected = stock;
    live().emplace(dc, Kind::deviceContext);
    return dc;
}

void destroy(Bitmap* bitmap) {
    live().erase(bitmap);
    delete bitmap;
}

void destroy(DeviceContext* dc) {
    live().erase(dc);
    delete dc;
}

Bitmap* findBitmap(const void* handle) {
    auto it = live().find(handle);
    if (it == live().end() || it->second != Kind::bitmap) return nullptr;
    return static_cast<Bitmap*>(const_cast<void*>(handle));
}

DeviceContext* findDeviceContext(const void* handle) {
    auto it = live().find(handle);
    if (it == live().end() || it->second != Kind::deviceContext) return nullptr;
    return static_cast<DeviceContext*>(const_cast<void*>(handle));
}

}  // namespace gdi
