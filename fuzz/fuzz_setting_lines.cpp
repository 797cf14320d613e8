// The DM's record and worker lines after the receive routine (bytes 32 to 126 only): a parse
// must never crash, and a line it accepts must come out of Pelmar's own formatting the same.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "app/settings/SettingLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString line;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] >= 32 && data[i] <= 126) line += QLatin1Char(static_cast<char>(data[i]));
    }

    using pelmar::settings::SettingData;
    SettingData record;
    if (pelmar::settings::ParseRecordLine(line, record)) {
        SettingData again;
        if (!pelmar::settings::ParseRecordLine(
                pelmar::settings::FormatRecordLine(record).chopped(1), again) ||
            !(again == record)) {
            std::abort();
        }
    }
    SettingData workers;
    if (pelmar::settings::ParseWorkerLine(line, workers)) {
        SettingData again;
        if (!pelmar::settings::ParseWorkerLine(
                pelmar::settings::FormatWorkerLine(workers).chopped(1), again) ||
            !(again == workers)) {
            std::abort();
        }
    }
    return 0;
}
