#pragma once

#include <QString>
#include <cstdint>

#include "app/platform/SharedLibrary.h"
#include "app/seams/FileOutcome.h"
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

    // DDSopen_sys: prepares Tessio's display state (and opens board 0 if there is one) and
    // answers its result. When the library cannot be loaded, the problem names it and gives the
    // system's reason (of the one that is there, if one is); when it has no such entry point,
    // the entry's name.
    FileOutcome<int> DDSopen_sys();

    // DDSdisplay: draws the width × height 8-bit plane at (x, y) of the device context. False
    // when the library or the entry point cannot be found (nothing is drawn).
    bool DDSdisplay(HDC dc, int x, int y, int width, int height, const std::uint8_t* plane);

private:
    FileOutcome<void*> symbol(const char* name);

    QString programFolder_;
    QString installedLibrary_;
    platform::SharedLibrary library_;
};

}  // namespace pelmar::imaging
