#include "app/link/DataCommands.h"

#include <cmath>
#include <limits>

#include "app/link/MeasurementFiles.h"
#include "app/text/Fields.h"
#include "app/text/Numbers.h"
#include "app/text/TextFile.h"

namespace pelmar {

void DataCommands::registerWith(CommandLoop& loop, Measurement& measurement) {
    loop.addHandler(QStringLiteral("DATW"),
                    [this, &measurement](CommandLine& command) { DATW(command, measurement); });
    loop.addHandler(QStringLiteral("XYDT"),
                    [this, &measurement](CommandLine& command) { XYDT(command, measurement); });
}

QString DataCommands::file(const QString& folder, const QString& name,
                           const QString& suffix) const {
    return measurementFile(folder, name, suffix, folders_.separator());
}

void DataCommands::DATW(CommandLine& command, Measurement& measurement) {
    screen_.enableTableButtons(false);
    appendStatus(screen_, QStringLiteral("DATW受信"));

    // The day folder is made when the result is stored: a folder that cannot be made refuses
    // the store, not the result.
    measurement.folder = todaysFolder(settings_.saveFolder, folders_);
    QString name;
    if (command.next(name)) measurement.name = safeFileName(name);

    exchange_.reply(kReplyOk);
    const auto record = exchange_.receiveLine();
    if (!record) return;

    // The result was measured, so it is listed (and can be printed) even when its file cannot
    // be stored. A short data line leaves the missing fields empty; the file keeps the line as
    // received.
    const auto [folder, stem] = measurement;
    const int i = history_.storeRecord(*record, file(folder, stem, kJpegSuffix),
                                       file(folder, stem, kBitmapSuffix));
    screen_.drawEntryNumber(i + 1);
    screen_.RedrawResults();
    history_.commitRecord();
    screen_.enableTableButtons(true);

    // The DM hears "0," only once the line is on disk; otherwise it sees its time-out.
    const QString path = file(folder, stem, kDataSuffix);
    if (storeMeasurement(screen_, folders_, folder,
                         {[&] { return text::writeLines(path, {*record}); }})) {
        exchange_.reply(kReplyOk);
    }
}

void DataCommands::XYDT(CommandLine& command, const Measurement& measurement) {
    screen_.enableTableButtons(false);
    appendStatus(screen_, QStringLiteral("XYDT受信"));

    // A count that is missing, not a number or not a 16-bit number cannot be served: it is
    // refused without a reply, and the DM's exchange times out on its side.
    QString countText;
    command.next(countText);
    const double count = text::roundHalfEven(text::leadingNumberIfAny(countText).value_or(NAN));
    if (!(count >= std::numeric_limits<std::int16_t>::min() &&
          count <= std::numeric_limits<std::int16_t>::max())) {
        appendStatus(screen_, QStringLiteral("XYDT点数不正（%1）").arg(countText));
        screen_.enableTableButtons(true);
        return;
    }
    const int n = static_cast<int>(count);

    // Each "0," asks for the next point; the last one says the points are stored.
    QStringList points;
    for (int k = 0; k < n; ++k) {
        exchange_.reply(kReplyOk);
        const auto point = exchange_.receiveLine();
        if (!point) return;
        const QStringList fields = text::splitFields(*point);
        points.append(fields[0] + u',' + (fields.size() > 1 ? fields[1] : QString()));
    }

    // Before any image or result there is no measurement folder: the points then go into
    // today's folder, never to the root of the disk. XYDT itself does not set the measurement.
    const QString folder = measurement.folder.isEmpty()
                               ? todaysFolder(settings_.saveFolder, folders_)
                               : measurement.folder;
    const QString path = file(folder, measurement.name, kPointsSuffix);
    const bool stored = storeMeasurement(screen_, folders_, folder,
                                         {[&] { return text::writeLines(path, points); }});
    screen_.enableTableButtons(true);
    if (stored) exchange_.reply(kReplyOk);
}

}  // namespace pelmar
