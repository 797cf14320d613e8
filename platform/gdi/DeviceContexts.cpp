#include "platform/gdi/Objects.h"

using namespace gdi;

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
    // The selected bitmap belongs to the caller and outlives the context.
    if (!dc->selected->stock) dc->selected->selectedIn = nullptr;
    destroy(dc);
    return TRUE;
}
