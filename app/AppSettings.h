#pragma once

#include <QString>
#include <cstdint>

namespace pelmar {

// The five persisted settings, kept in PELMAR.INI.
struct AppSettings {
    QString saveFolder;
    QString dmAddress;
    QString dmPort;
    std::int32_t saveMethod = 0;  // 0 Bitmap, 1 JPEG, 2 both
    std::int32_t jpegQuality = 80;
};

// The built-in DM address: the DM's usual place on the station's private LAN. Every test and
// demo sets its own address in PELMAR.INI.
inline const QString kDefaultDmAddress = QStringLiteral("192.168.10.20");
inline const QString kDefaultDmPort = QStringLiteral("1001");

}  // namespace pelmar
