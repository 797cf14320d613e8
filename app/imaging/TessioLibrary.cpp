#include "app/imaging/TessioLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace pelmar::imaging {

TessioLibrary::TessioLibrary(QString programFolder, QString installedLibrary)
    : programFolder_(std::move(programFolder)), installedLibrary_(std::move(installedLibrary)) {}

QString TessioLibrary::fileName() {
    return platform::SharedLibrary::fileName(QStringLiteral("Tessio"));
}

FileOutcome<void*> TessioLibrary::symbol(const char* name) {
    std::optional<FileProblem> unloaded;
    for (const QString& path : {QDir(programFolder_).filePath(fileName()), installedLibrary_}) {
        if (library_.loaded() || path.isEmpty()) continue;
        const auto loaded = library_.load(path);
        if (loaded) continue;
        // A library that is there but cannot be loaded says more than one that is missing.
        if (!unloaded || (QFileInfo::exists(path) && !QFileInfo::exists(unloaded->path))) {
            unloaded = loaded.problem();
        }
    }
    if (!library_.loaded()) return *unloaded;
    if (void* address = library_.symbol(name)) return address;
    return FileProblem{fileName(),
                       QStringLiteral("%1 がありません").arg(QString::fromLatin1(name))};
}

bool TessioLibrary::DDSdisplay(HDC dc, int x, int y, int width, int height,
                               const std::uint8_t* plane) {
    using Display = std::int32_t (*)(HDC, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                     const std::uint8_t*);
    const auto display = symbol("DDSdisplay");
    if (!display) return false;
    reinterpret_cast<Display> (*display)(dc, x, y, width, height, plane);
    return true;
}

FileOutcome<int> TessioLibrary::DDSopen_sys() {
    using OpenSys = int (*)();
    const auto open = symbol("DDSopen_sys");
    if (!open) return open.problem();
    return reinterpret_cast<OpenSys>(*open)();
}

}  // namespace pelmar::imaging
