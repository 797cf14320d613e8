/* A Windows program of the boards' kind: loads Tessio.dll by name, finds every export by name,
 * asks for the version (also through the import library), gives a bad board number, and draws a
 * half-size image through the DLL into a device context of its own. Exit status 0 when everything
 * answered as it should. */
#include <stdint.h>
#include <stdio.h>
#include <windows.h>

#include "exports.h"
#include "tessio.h"

typedef int32_t(TESSIO_CALL* Query)(int32_t);
typedef int32_t(TESSIO_CALL* Open)(void);

static int failures = 0;

/* An export as a generic function pointer: void (*)(void) converts to any other function type. */
typedef void (*Function)(void);
static Function find(HMODULE dll, const char* name) {
    return (Function)GetProcAddress(dll, name);
}

static void expect(int ok, const char* what) {
    if (!ok) {
        printf("FAILED: %s\n", what);
        ++failures;
    }
}

int main(void) {
    HMODULE dll = LoadLibraryA("Tessio.dll");
    if (dll == NULL) {
        printf("FAILED: LoadLibraryA(\"Tessio.dll\"): error %lu\n", GetLastError());
        return 1;
    }
    for (size_t i = 0; i < sizeof kExports / sizeof kExports[0]; ++i)
        if (find(dll, kExports[i]) == NULL) {
            printf("FAILED: no export %s\n", kExports[i]);
            ++failures;
        }
    printf("%u exports found by name\n", (unsigned)(sizeof kExports / sizeof kExports[0]));

    Query getver = (Query)find(dll, "DDMgetver");
    Query readInt = (Query)find(dll, "DDMread_int");
    Open openSys = (Open)find(dll, "DDSopen_sys");
    DDShalf_disp_function half = (DDShalf_disp_function)find(dll, "_DDShalf_disp@24");
    if (getver == NULL || readInt == NULL || openSys == NULL || half == NULL) return 1;
    expect(getver(3) == 120, "DDMgetver(3) is 120");
    expect(DDSgetver() == 120, "DDSgetver() through the import library is 120");
    expect(getver(0) == TESSIO_VERSION_NUMBER, "DDMgetver(0) is tessio.h's TESSIO_VERSION_NUMBER");
    expect(getver(8) == -1, "DDMgetver(8) is -1");
    expect(readInt(-1) == (int32_t)0xFFFF0000u, "DDMread_int(-1) is 0xFFFF0000");
    /* Without a board the open prints why and still prepares the display. */
    expect(openSys() == -1, "DDSopen_sys() without a board is -1");

    BITMAPINFO info;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = -2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP surface = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ previous = SelectObject(dc, surface);
    const uint8_t image[8 * 4] = {100, 0, 5, 0, 250, 0, 60, 0, [16] = 30, 0, 40, 0, 50, 0, 70};
    expect(half(dc, 0, 0, 4, 2, image) != 0, "_DDShalf_disp@24 draws");
    const uint32_t* pixels = (const uint32_t*)bits;
    expect(pixels[0] == 0x646464 && pixels[1] == 0x101010 && pixels[2] == 0xF0F0F0 &&
               pixels[3] == 0x3C3C3C && pixels[4] == 0x1E1E1E && pixels[7] == 0x464646,
           "the half-size image shows every second pixel of every second row, levels 16..240");
    SelectObject(dc, previous);
    DeleteObject(surface);
    DeleteDC(dc);
    FreeLibrary(dll);
    return failures == 0 ? 0 : 1;
}
