// NAME.INI can be edited by hand outside the program and is read at every start and every time
// the report opens: whatever it holds, reading it must not crash, no line may hold a line end,
// and what the program has written once it reads back unchanged (a character that code page 932
// cannot hold is written as "?" the first time, and stays so).
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "app/report/NameIni.h"

namespace {

pelmar::report::ReportHeader reread(const QString& path) {
    pelmar::report::ReportHeader header;
    if (!pelmar::report::LoadNameIni(path, header)) std::abort();
    for (const QString* line : {&header.nameLine1, &header.nameLine2}) {
        if (line->contains(u'\r') || line->contains(u'\n')) std::abort();
    }
    return header;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("NAME.INI"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
                static_cast<qint64>(size)) {
            std::abort();
        }
    }
    if (!pelmar::report::SaveNameIni(path, reread(path))) std::abort();
    const pelmar::report::ReportHeader once = reread(path);
    if (!pelmar::report::SaveNameIni(path, once)) std::abort();
    const pelmar::report::ReportHeader twice = reread(path);
    if (twice.nameLine1 != once.nameLine1 || twice.nameLine2 != once.nameLine2) std::abort();
    return 0;
}
