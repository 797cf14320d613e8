#include "app/imaging/TessioLibrary.h"

#include <dlfcn.h>

#include <QDir>
#include <QFile>

namespace pelmar::imaging {

TessioLibrary::TessioLibrary(QString programFolder, QString installedLibrary)
    : programFolder_(std::move(programFolder)), installedLibrary_(std::move(installedLibrary)) {}

TessioLibrary::~TessioLibrary() {
    if (handle_) dlclose(handle_);
}

QString TessioLibrary::fileName() {
    return QStringLiteral("libtessio.so");
}

void* TessioLibrary::symbol(const char* name) {
    if (!handle_) {
        for (const QString& path : {QDir(programFolder_).filePath(fileName()), installedLibrary_}) {
            if (path.isEmpty()) continue;
            handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
            if (handle_) break;
        }
        if (!handle_) return nullptr;
    }
    return dlsym(handle_, name);
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
