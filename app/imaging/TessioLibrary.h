#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "app/platform/SharedLibrary.h"
#include "platform/gdi/windows.h"

namespace pelmar::imaging {

// Tessio, loaded by file name from the program folder on the first call and bound by name, as
// the display library has always been used. Never linked. When there is none beside the program,
// the installed one (a path, if given) is loaded instead.
class TessioLibrary {
public:
    explicit TessioLibrary(QString programFolder, QString installedLibrary = {});
    TessioLibrary(const TessioLibrary&) = delete;
    TessioLibrary& operator=(const TessioLibrary&) = delete;

    static QString fileName();

    // DDSopen_sys: prepares Tessio's display state (and opens board 0 if there is one). Nothing
    // when the library or the entry point cannot be found.
    std::optional<int> DDSopen_sys();

    // DDSdisplay: draws the width × height 8-bit plane at (x, y) of the device context. False
    // when the library or the entry point cannot be found (nothing is drawn).
    bool DDSdisplay(HDC dc, int x, int y, int width, int height, const std::uint8_t* plane);

private:
    void* symbol(const char* name);

    QString programFolder_;
    QString installedLibrary_;
    platform::SharedLibrary library_;
};

}  // namespace pelmar::imaging
