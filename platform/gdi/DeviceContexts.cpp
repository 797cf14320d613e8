#include <cstdint>

#include "platform/gdi/Objects.h"
#include "platform/gdi/tessio_gdi.h"

using namespace gdi;

namespace {

// Deletes a context with the bitmap over a program's buffer that it holds, if any.
void deleteContext(DeviceContext* dc) {
    if (dc->buffer != nullptr) {
        destroy(dc->buffer);
    } else if (!dc->selected->stock) {
        // The selected bitmap belongs to the caller and outlives the context.
        dc->selected->selectedIn = nullptr;
    }
    destroy(dc);
}

}  // namespace

extern "C" HDC WINAPI CreateCompatibleDC(HDC hdc) {
    std::lock_guard guard(lock());
    // Every device context is a 32-bit memory context, so any valid one (or none, the screen)
    // gives the same kind of context.
    if (hdc != nullptr && findDeviceContext(hdc) == nullptr) return nullptr;
    return toHandle(newDeviceContext());
}

extern "C" HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    std::lock_guard guard(lock());
    DeviceContext* dc = findDeviceContext(hdc);
    Bitmap* bitmap = findBitmap(h);
    if (dc == nullptr || bitmap == nullptr) return nullptr;
    // A context over a program's buffer keeps drawing into that buffer.
    if (dc->buffer != nullptr) return nullptr;
    if (!bitmap->stock && bitmap->selectedIn != nullptr && bitmap->selectedIn != dc) return nullptr;
    Bitmap* previous = dc->selected;
    if (!previous->stock) previous->selectedIn = nullptr;
    if (!bitmap->stock) bitmap->selectedIn = dc;
    dc->selected = bitmap;
    return toHandle(previous);
}

extern "C" BOOL WINAPI DeleteDC(HDC hdc) {
    std::lock_guard guard(lock());
    DeviceContext* dc = findDeviceContext(hdc);
    if (dc == nullptr) return FALSE;
    deleteContext(dc);
    return TRUE;
}

extern "C" HDC tessio_gdi_create_dc(void* pixels, std::int32_t width, std::int32_t height,
                                    std::int32_t stride) {
    if (pixels == nullptr || reinterpret_cast<std::uintptr_t>(pixels) % 4 != 0 || width <= 0 ||
        height <= 0 || stride % 4 != 0 || stride / 4 < width)
        return nullptr;
    // Windows refuses bitmaps beyond what 32-bit sizes describe; so does the stand-in.
    const std::int64_t bytes = std::int64_t{height - 1} * stride + std::int64_t{width} * 4;
    if (bytes > INT32_MAX) return nullptr;
    std::lock_guard guard(lock());
    DeviceContext* dc = newDeviceContext();
    if (dc == nullptr) return nullptr;
    Bitmap* bitmap =
        newBufferBitmap(static_cast<std::uint32_t*>(pixels), width, height, stride / 4);
    if (bitmap == nullptr) {
        destroy(dc);
        return nullptr;
    }
    bitmap->selectedIn = dc;
    dc->selected = bitmap;
    dc->buffer = bitmap;
    return toHandle(dc);
}

extern "C" int tessio_gdi_delete_dc(HDC dc) {
    std::lock_guard guard(lock());
    DeviceContext* context = findDeviceContext(dc);
    if (context == nullptr || context->buffer == nullptr) return 0;
    deleteContext(context);
    return 1;
}
