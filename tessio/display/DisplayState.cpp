#include "tessio/display/DisplayState.h"

namespace tessio::display {
namespace {

constexpr LONG kPelsPerMeter = 3780;  // 96 dots per inch

void fillHeader(BITMAPINFOHEADER& h, WORD bitCount, DWORD coloursUsed) {
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = 640;
    h.biHeight = -480;
    h.biPlanes = 1;
    h.biBitCount = bitCount;
    h.biCompression = BI_RGB;
    h.biSizeImage = 0;
    h.biXPelsPerMeter = kPelsPerMeter;
    h.biYPelsPerMeter = kPelsPerMeter;
    h.biClrUsed = coloursUsed;
    h.biClrImportant = 0;
}

}  // namespace

DisplayState& state() {
    static DisplayState s{};
    return s;
}

void prepare() {
    DisplayState& s = state();
    if (!s.initialised) {
        fillHeader(s.gray.bmiHeader, 8, 256);
        // Levels below 16 and above 240 are shown as 16 and 240: the video range of the boards.
        for (int i = 0; i < 256; ++i) {
            const BYTE v = static_cast<BYTE>(i < 16 ? 16 : i > 240 ? 240 : i);
            s.gray.bmiColors[i] = RGBQUAD{v, v, v, 0};
        }
        fillHeader(s.colour, 24, 0);
        s.initialised = true;
    }
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    s.platformId = version.dwPlatformId;
}

}  // namespace tessio::display
