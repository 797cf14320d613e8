/* The part of <windows.h> that the display routines, Pelmar and the GDI tests use, with the
 * names, types and values of Windows, so that code drawing through GDI reads the same on both
 * systems. The functions come from the stand-in library gdi32 (platform/gdi); docs/gdi.md says
 * what each one does and what is left out. Private to this tree, never installed: programs built
 * against the development package get HDC from tessio.h and a device context over their own
 * pixels from tessio_gdi.h. Plain C. */
#ifndef PELMAR_PLATFORM_GDI_WINDOWS_H
#define PELMAR_PLATFORM_GDI_WINDOWS_H

#if defined(_WIN32)
/* On Windows the code draws through the system's own gdi32. */
#include <windows.h>
#else

#include <stdint.h>

#define GDI_API __attribute__((visibility("default")))
#define WINAPI

#ifdef __cplusplus
extern "C" {
#endif

typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef int BOOL;
typedef unsigned int UINT;
typedef char CHAR;
typedef void* LPVOID;
typedef void* HANDLE;
typedef void* HGDIOBJ;

/* Distinct pointer types, as Windows declares them with DECLARE_HANDLE. HDC is also declared by
 * tessio.h and tessio_gdi.h, with the same guarded line, so any of them may come first. */
#ifndef TESSIO_HDC_DECLARED
#define TESSIO_HDC_DECLARED
typedef struct HDC__* HDC;
#endif
typedef struct HBITMAP__* HBITMAP;

#define FALSE 0
#define TRUE 1

#define BI_RGB 0L
#define DIB_RGB_COLORS 0
#define DIB_PAL_COLORS 1
#define SRCCOPY ((DWORD)0x00CC0020)

#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4

#define VER_PLATFORM_WIN32s 0
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT 2

typedef struct tagBITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER;

typedef struct tagRGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD;

typedef struct tagBITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
} BITMAPINFO;

typedef struct _OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
} OSVERSIONINFOA;

/* A memory device context: compatible with the 32-bit screen when hdc is null. */
GDI_API HDC WINAPI CreateCompatibleDC(HDC hdc);
/* A cx x cy bitmap in the format of the bitmap selected into hdc (always 32 bits here). */
GDI_API HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy);
/* A 32-bit DIB section whose pixels live at *ppvBits (zero-filled, owned by the bitmap, freed by
 * DeleteObject). Rows are biWidth * 4 bytes; top-down when biHeight is negative. hSection must be
 * null. */
GDI_API HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, void** ppvBits,
                                        HANDLE hSection, DWORD offset);
/* Selects a bitmap into a memory device context; returns the one selected before, or null. */
GDI_API HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
/* Copies cLines scan lines (from start) of an 8-bit or 24-bit DIB into a bitmap; returns the
 * number of lines copied, 0 on failure. */
GDI_API int WINAPI SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const void* lpBits,
                             const BITMAPINFO* lpbmi, UINT ColorUse);
GDI_API BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1,
                           DWORD rop);
GDI_API BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc,
                               int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop);
/* The stretch mode of a context (BLACKONWHITE when made), and setting it (BLACKONWHITE,
 * WHITEONBLACK or COLORONCOLOR): the previous mode, 0 on failure. */
GDI_API int WINAPI GetStretchBltMode(HDC hdc);
GDI_API int WINAPI SetStretchBltMode(HDC hdc, int mode);
GDI_API BOOL WINAPI DeleteObject(HGDIOBJ ho);
GDI_API BOOL WINAPI DeleteDC(HDC hdc);
/* Fills the version record of an NT-family system; dwOSVersionInfoSize must be 148. */
GDI_API BOOL WINAPI GetVersionExA(OSVERSIONINFOA* lpVersionInformation);

#ifdef __cplusplus
}
#endif

#endif /* _WIN32 */

#endif
