#pragma once

#include "platform/gdi/windows.h"

namespace tessio::display {

// The display side of opening a board: fills the 8-bit header, the display palette and the
// 24-bit header once (640 x 480) and records the platform identifier read with GetVersionExA.
// DDMopen_sys calls it for a board that is not yet open, before it looks for the board.
void prepare();

// An 8-bit DIB description: the header and its full colour table.
struct GrayInfo {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[256];
};

// The library-global display state. All zero until prepare() has run; every drawing call
// rewrites the width and height of the header it uses.
struct DisplayState {
    GrayInfo gray;
    BITMAPINFOHEADER colour;
    bool initialised;
    DWORD platformId;
};

DisplayState& state();

// The header pointers in the form SetDIBits takes.
inline const BITMAPINFO* grayInfo() {
    return reinterpret_cast<const BITMAPINFO*>(&state().gray);
}
inline const BITMAPINFO* colourInfo() {
    return reinterpret_cast<const BITMAPINFO*>(&state().colour);
}

}  // namespace tessio::display
