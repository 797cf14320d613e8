/* tessio_gdi.h: a device context over a program's own pixels, for Tessio's display routines on
 * systems without GDI.
 *
 * libtessio.so draws through a GDI stand-in, libgdi32.so (installed beside it in Tessio's private
 * folder, /usr/lib/<multiarch>/tessio/); `pkg-config --libs tessio` links both. A program hands
 * the display routines (DDSdisplay and the rest, tessio.h) a device context made here over a
 * buffer of its own, and finds the drawing in that buffer when the call returns.
 *
 * The buffer holds width x height pixels of 32 bits, 0x00RRGGBB as a native 32-bit word (bytes
 * blue, green, red, 0 in memory on a little-endian machine: the layout of a 32-bit DIB section
 * on Windows), top row first, each row stride bytes after the one above it. Drawing writes 0 into
 * the fourth byte of each pixel it draws; pixels it does not draw keep what the program put there.
 * The buffer stays the program's: it must stay valid, and not be moved, until the context is
 * deleted; the program may read and write it whenever no drawing call into the context is running.
 *
 * Any thread may make and delete contexts; a context is drawn into by one thread at a time.
 * docs/gdi.md describes the stand-in. On Windows there is no stand-in: make a memory device
 * context with CreateCompatibleDC and select a 32-bit DIB section made with CreateDIBSection
 * into it. */
#ifndef TESSIO_GDI_H
#define TESSIO_GDI_H

#if defined(_WIN32)
#error "tessio_gdi.h is for systems without GDI: on Windows use CreateDIBSection"
#endif

#define TESSIO_GDI_API __attribute__((visibility("default")))

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The device-context handle, as tessio.h and the stand-in's windows.h declare it. */
#ifndef TESSIO_HDC_DECLARED
#define TESSIO_HDC_DECLARED
typedef struct HDC__* HDC;
#endif

/* A device context that draws into the width x height pixels at pixels, rows stride bytes apart.
 * pixels must be aligned to 4 bytes; width and height at least 1; stride a multiple of 4, at
 * least width * 4; the buffer under 2 GiB ((height - 1) * stride + width * 4 bytes). Null when
 * any of that does not hold or memory runs out. Drawing is clipped to the buffer. */
TESSIO_GDI_API HDC tessio_gdi_create_dc(void* pixels, int32_t width, int32_t height,
                                        int32_t stride);

/* Deletes a context made by tessio_gdi_create_dc; the pixels stay the program's. Nonzero when it
 * was deleted; 0 (nothing done) for a null handle, a context already deleted or any other. */
TESSIO_GDI_API int tessio_gdi_delete_dc(HDC dc);

#ifdef __cplusplus
}
#endif

#endif
