// PELMAR.INI can be edited by hand outside the program and is read at every start: whatever it
// holds, reading it must not crash, and what the program writes back from the values it read
// (設定保存) reads back complete and, from then on, as the same values (a byte that is no
// character of code page 932 is written as "?" the first time, and stays so).
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "app/IniFile.h"

namespace {

void write(const QString& path, const std::uint8_t* data, std::size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("PELMAR.INI"));
    write(path, data, size);
    // Read over the values the program starts with, as at start.
    const pelmar::AppSettings start{QStringLiteral("/srv/pelmar/data"), pelmar::kDefaultDmAddress,
                                    pelmar::kDefaultDmPort};
    pelmar::AppSettings read = start;
    if (!pelmar::LoadIniFile(path, read)) return 0;
    const auto saveAndRead = [&start](const pelmar::AppSettings& settings) {
        if (!pelmar::SaveIniFile(path, settings)) std::abort();
        pelmar::AppSettings reread = start;
        const auto outcome = pelmar::LoadIniFile(path, reread);
        if (!outcome || *outcome != pelmar::IniRead::Complete) std::abort();
        return reread;
    };
    const pelmar::AppSettings once = saveAndRead(read);
    if (!(saveAndRead(once) == once)) std::abort();
    return 0;
}
