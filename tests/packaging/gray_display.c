/* Draws a gray image with DDSdisplay into a device context over the program's own pixels, and
 * checks two of them. Built against the development package with
 *     cc gray_display.c $(pkg-config --cflags --libs tessio)
 */
#include <stdint.h>
#include <stdio.h>
#include <tessio.h>
#include <tessio_gdi.h>

enum { WIDTH = 64, HEIGHT = 48 };

int main(void) {
    static uint8_t gray[WIDTH * HEIGHT];    /* 8-bit levels, rows packed, top row first */
    static uint32_t pixels[WIDTH * HEIGHT]; /* the program's own: 0x00RRGGBB, top row first */
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < WIDTH; ++x) gray[y * WIDTH + x] = (uint8_t)(4 * x); /* 0 to 252 */

    /* Prepares the display routines. It also opens board 0: without one it prints why
     * ("**Error: ...") and returns -1, and the display routines work all the same. */
    DDSopen_sys();
    HDC dc = tessio_gdi_create_dc(pixels, WIDTH, HEIGHT, WIDTH * 4);
    if (dc == NULL) return 1;
    DDSdisplay(dc, 0, 0, WIDTH, HEIGHT, gray);
    tessio_gdi_delete_dc(dc);

    /* Level 160 in column 40; level 0 in column 0 shows as 16, the darkest level drawn. */
    const uint32_t middle = pixels[10 * WIDTH + 40], left = pixels[10 * WIDTH];
    printf("pixel (40, 10) 0x%08X, pixel (0, 10) 0x%08X\n", (unsigned)middle, (unsigned)left);
    return middle == 0x00A0A0A0 && left == 0x00101010 ? 0 : 1;
}
