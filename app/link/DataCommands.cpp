#include "app/link/DataCommands.h"

#include <cmath>
#include <limits>

#include "app/link/MeasurementFiles.h"
#include "app/text/Fields.h"
#include "app/text/Numbers.h"
#include "app/text/TextFile.h"

namespace pelmar {

void DataCommands::registerWith(CommandLoop& loop) {
    loop.addHandler(QStringLiteral("DATW"), [this](CommandLine& command) { DATW(command); });
    loop.addHandler(QStringLiteral("XYDT"), [this](CommandLine& command) { XYDT(command); });
}

// The current measurement's file in the given folder.
QString DataCommands::file(const QString& folder, const QString& suffix) const {
    return measurementFile(folder, exchange_.context().measurementName, suffix,
                           folders_.separator());
}

void DataCommands::DATW(CommandLine& command) {
    LoopContext& loop = exchange_.context();
    screen_.enableTableButtons(false);
    appendStatus(screen_, QStringLiteral("DATW受信"));

    // The day folder is made when the result is stored: a folder that cannot be made refuses
    // the store, not the result.
    loop.measurementFolder = todaysFolder(settings_.saveFolder, folders_);
    QString name;
    if (command.next(name)) loop.measurementName = safeFileName(name);

    exchange_.reply(kReplyOk);
    const auto record = exchange_.receiveLine();
    if (!record) return;

    // The result was measured, so it is listed (and can be printed) even when its file cannot
    // be stored. A short data line leaves the missing fields empty; the file keeps the line as
    // received.
    const int i = history_.storeRecord(*record, file(loop.measurementFolder, kJpegSuffix),
                                       file(loop.measurementFolder, kBitmapSuffix));
    screen_.drawEntryNumber(i + 1);
    screen_.RedrawResults();
    history_.commitRecord();
    screen_.enableTableButtons(true);

    // The DM hears "0," only once the line is on disk; otherwise it sees its time-out.
    const QString path = file(loop.measurementFolder, kDataSuffix);
    if (storeMeasurement(screen_, folders_, loop.measurementFolder,
                         {[&] { text::writeLines(path, {*record}); }})) {
        exchange_.reply(kReplyOk);
    }
}

void DataCommands::XYDT(CommandLine& command) {
    LoopContext& loop = exchange_.context();
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
    const QString folder = loop.measurementFolder.isEmpty()
                               ? todaysFolder(settings_.saveFolder, folders_)
                               : loop.measurementFolder;
    const QString path = file(folder, kPointsSuffix);
    const bool stored =
        storeMeasurement(screen_, folders_, folder, {[&] { text::writeLines(path, points); }});
    screen_.enableTableButtons(true);
    if (stored) exchange_.reply(kReplyOk);
}

}  // namespace pelmar
