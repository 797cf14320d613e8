#include "app/imaging/TessioLibrary.h"

#include <QDir>

namespace pelmar::imaging {

TessioLibrary::TessioLibrary(QString programFolder, QString installedLibrary)
    : programFolder_(std::move(programFolder)), installedLibrary_(std::move(installedLibrary)) {}

QString TessioLibrary::fileName() {
    return platform::SharedLibrary::fileName(QStringLiteral("Tessio"));
}

void* TessioLibrary::symbol(const char* name) {
    for (const QString& path : {QDir(programFolder_).filePath(fileName()), installedLibrary_}) {
        if (library_.loaded() || path.isEmpty()) continue;
        library_.load(path);
    }
    return library_.symbol(name);
}

bool TessioLibrary::DDSdisplay(HDC dc, int x, int y, int width, int height,
                               const std::uint8_t* plane) {
    using Display = std::int32_t (*)(HDC, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                     const std::uint8_t*);
    auto* display = reinterpret_cast<Display>(symbol("DDSdisplay"));
    if (!display) return false;
    display(dc, x, y, width, height, plane);
    return true;
}

std::optional<int> TessioLibrary::DDSopen_sys() {
    using OpenSys = int (*)();
    auto* open = reinterpret_cast<OpenSys>(symbol("DDSopen_sys"));
    if (!open) return std::nullopt;
    return open();
}

}  // namespace pelmar::imaging
