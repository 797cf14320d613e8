/* Tessio: display routines and access to up to eight USB image-processing boards.
 *
 * Every DDM export takes the board number as its first argument: only its low 16 bits count,
 * read as a signed number, valid 0 to 7. Every DDS export is its DDM twin for board 0.
 * Tessio never keeps a caller's buffer; it only reads or fills it during the call. */
#ifndef TESSIO_H
#define TESSIO_H

#include <stdint.h>

#if defined(_WIN32)
#include <windows.h>
#if defined(TESSIO_BUILD)
#define TESSIO_API __declspec(dllexport)
#else
#define TESSIO_API __declspec(dllimport)
#endif
#if defined(_M_IX86) || defined(__i386__)
#define TESSIO_CALL __stdcall
#else
#define TESSIO_CALL
#endif
#else
#include "platform/gdi/windows.h"
#define TESSIO_API __attribute__((visibility("default")))
#define TESSIO_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Display routines ---- */

/* Each routine draws an image buffer of the caller into the device context dc. Buffers stay the
 * caller's and are only read during the call; their rows are packed (no padding), top row first,
 * and they must hold exactly the sizes given below. Call DDSopen_sys once first: it prepares the
 * display state (headers and palette). Gray levels below 16 and above 240 show as 16 and 240.
 * Sizes are in pixels; (x, y) is the top-left corner in dc. */

/* Draws the width x height 8-bit image buffer at (x, y). A width that is not a multiple of 4 is
 * drawn rounded up to one, the added columns level 0 (the darkest level shown). Result: 0. */
TESSIO_API int32_t TESSIO_CALL DDSdisplay(HDC dc, int32_t x, int32_t y, int32_t width,
                                          int32_t height, const uint8_t* buffer);

/* Draws a width x height colour image given as three 8-bit planes. Result: 0. */
TESSIO_API int32_t TESSIO_CALL DDScolor_display(HDC dc, int32_t x, int32_t y, int32_t width,
                                                int32_t height, const uint8_t* red,
                                                const uint8_t* green, const uint8_t* blue);

/* Half-size drawing, exported as "_DDShalf_disp@24", a name C cannot spell: get it with
 * dlsym(library, "_DDShalf_disp@24") (GetProcAddress on Windows). Draws every second pixel of
 * every second row of the (2 * width) x (2 * height) 8-bit buffer as a width x height image.
 * Result: 0 when the work buffer cannot be had, nonzero otherwise. */
typedef int32_t(TESSIO_CALL* DDShalf_disp_function)(HDC dc, int32_t x, int32_t y, int32_t width,
                                                    int32_t height, const uint8_t* buffer);

/* Draws the window (windowLeft, windowTop, windowWidth x windowHeight) of the sourceWidth x
 * sourceHeight 8-bit source at (x, y), windowWidth rounded down to a multiple of 4. Where the
 * window leaves the source it shows level 0. Result: 0 when the work buffer cannot be had,
 * nonzero otherwise. */
TESSIO_API int32_t TESSIO_CALL DDSrect_disp(HDC dc, int32_t x, int32_t y, int32_t windowWidth,
                                            int32_t windowHeight, int32_t windowLeft,
                                            int32_t windowTop, int32_t sourceWidth,
                                            int32_t sourceHeight, const uint8_t* source);

/* Draws the sourceWidth x sourceHeight 8-bit source stretched to destWidth x destHeight at
 * (destX, destY). On NT-family systems it is resampled bilinearly to destWidth rounded down to a
 * multiple of 4 (sourceX and sourceY unused); on the 95/98 family GDI stretches the rectangle
 * (sourceX, sourceY) of it. Result: 0 when nothing was drawn (destWidth below 4, destHeight or a
 * source size below 1, an unknown system, no work buffer), nonzero otherwise. */
TESSIO_API int32_t TESSIO_CALL DDSstretch_disp(HDC dc, int32_t destX, int32_t destY,
                                               int32_t destWidth, int32_t destHeight,
                                               int32_t sourceX, int32_t sourceY,
                                               int32_t sourceWidth, int32_t sourceHeight,
                                               const uint8_t* source);

/* DDSstretch_disp of a 16-bit source, showing the eight bits from topBit (7 to 15) down; the
 * bits above are cut off. Result: 0, or -1 for a topBit outside 7..15 or no work buffer (nothing
 * drawn). */
TESSIO_API int32_t TESSIO_CALL DDSstretch_disp16(HDC dc, int32_t destX, int32_t destY,
                                                 int32_t destWidth, int32_t destHeight,
                                                 int32_t sourceX, int32_t sourceY,
                                                 int32_t sourceWidth, int32_t sourceHeight,
                                                 int32_t topBit, const uint16_t* source);

/* DDSstretch_disp's resampling for a colour image of three 8-bit planes, on every system
 * (sourceX and sourceY unused). Result: as DDSstretch_disp. */
TESSIO_API int32_t TESSIO_CALL DDSstretch_color_disp(HDC dc, int32_t destX, int32_t destY,
                                                     int32_t destWidth, int32_t destHeight,
                                                     int32_t sourceX, int32_t sourceY,
                                                     int32_t sourceWidth, int32_t sourceHeight,
                                                     const uint8_t* red, const uint8_t* green,
                                                     const uint8_t* blue);

/* ---- Board discovery, open and version ---- */

/* ---- Registers, mailbox, handshakes and block transfers ---- */

/* ---- Messages, typed values and timers ---- */

#ifdef __cplusplus
}
#endif

#endif
