/* tessio.h, tessio_gdi.h and the GDI stand-in's windows.h together in one strict C99 file, in
 * either order (HEADERS_REVERSED): each declares HDC under the same guard, so none clashes with
 * another. Built, not run: the build fails if they clash. */
#if defined(HEADERS_REVERSED)
#include "platform/gdi/tessio_gdi.h"

#include "platform/gdi/windows.h"

#include "tessio/include/tessio.h"
#else
#include "tessio/include/tessio.h"

#include "platform/gdi/windows.h"

#include "platform/gdi/tessio_gdi.h"
#endif

/* The display routines take the context that tessio_gdi_create_dc and CreateCompatibleDC give. */
int32_t drawBoth(void* pixels, const uint8_t* gray);
int32_t drawBoth(void* pixels, const uint8_t* gray) {
    HDC own = tessio_gdi_create_dc(pixels, 4, 1, 16);
    HDC memory = CreateCompatibleDC(own);
    const int32_t result = DDSdisplay(own, 0, 0, 4, 1, gray) + DDSdisplay(memory, 0, 0, 4, 1, gray);
    DeleteDC(memory);
    tessio_gdi_delete_dc(own);
    return result;
}
