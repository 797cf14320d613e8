#pragma once

#include <QString>
#include <cstdint>

namespace pelmar {

// How received images are stored. The setting keeps whatever number PELMAR.INI holds; every
// value but these two stores both files.
enum SaveMethod : std::int32_t { SaveBitmap = 0, SaveJpeg = 1, SaveBoth = 2 };

// The JPEG quality of a program without PELMAR.INI, and the one the quality button falls back to.
inline constexpr std::int32_t kDefaultJpegQuality = 80;

// The five persisted settings, kept in PELMAR.INI.
struct AppSettings {
    QString saveFolder;
    QString dmAddress;
    QString dmPort;
    std::int32_t saveMethod = SaveBitmap;
    std::int32_t jpegQuality = kDefaultJpegQuality;

    bool operator==(const AppSettings&) const = default;
};

// The built-in DM address: the DM's usual place on the station's private LAN. Every test and
// demo sets its own address in PELMAR.INI.
inline const QString kDefaultDmAddress = QStringLiteral("192.168.10.20");
inline const QString kDefaultDmPort = QStringLiteral("1001");

}  // namespace pelmar
