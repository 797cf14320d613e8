// A setting-data file is whatever file the inspector picks for SETR: taking its bytes apart must
// never crash, a refused file must change nothing, and an accepted record must come back
// unchanged from the bytes Pelmar's own writer makes of it.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "app/settings/SettingFile.h"
#include "app/platform/CodePage932.h"
#include "app/text/TextFile.h"

namespace {

using pelmar::settings::SettingData;
using pelmar::text::LineEnds;

SettingData fromBytes(const QByteArray& bytes, bool& accepted) {
    SettingData data;
    accepted = static_cast<bool>(pelmar::settings::settingDataFromLines(
        pelmar::text::splitLines(bytes, LineEnds::crLfOrCr), data));
    return data;
}

// Texts survive a write and a read unless they hold bytes code page 932 could not decode.
bool sameText(const QString& read, const QString& again) {
    return read.contains(QChar::ReplacementCharacter) || read == again;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bool accepted = false;
    const SettingData read = fromBytes(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), accepted);
    if (!accepted) {
        if (!(read == SettingData{})) std::abort();
        return 0;
    }

    // The bytes writeLines puts into the file.
    QByteArray written;
    for (const QString& line : pelmar::settings::settingFileLines(read)) {
        written += pelmar::platform::toCp932(line) + "\r\n";
    }
    const SettingData again = fromBytes(written, accepted);
    if (!accepted) std::abort();
    for (const auto& number : pelmar::settings::kSettingNumbers) {
        if (read.*number.field != again.*number.field) std::abort();
    }
    if (!sameText(read.lensName, again.lensName)) std::abort();
    for (std::size_t n = 0; n < read.workerNames.size(); ++n) {
        if (!sameText(read.workerNames[n], again.workerNames[n])) std::abort();
    }
    return 0;
}
