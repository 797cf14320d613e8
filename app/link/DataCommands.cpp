#include "app/link/DataCommands.h"

#include <QDate>
#include <algorithm>
#include <limits>

#include "app/imaging/ImageBuffers.h"
#include "app/link/MakeFolderPath.h"
#include "app/text/Fields.h"
#include "app/text/Numbers.h"
#include "app/text/TextFile.h"

namespace pelmar {
namespace {

const QString kReplyOk = QStringLiteral("0,\r");

// The file of a measurement in its folder: folder, separator, name and suffix.
QString measurementFile(const QString& folder, QChar separator, const QString& name,
                        const QString& suffix) {
    return folder + separator + name + suffix;
}

}  // namespace

void DataCommands::registerWith(CommandLoop& loop) {
    loop.addHandler(QStringLiteral("DATW"), [this] { DATW(); });
    loop.addHandler(QStringLiteral("XYDT"), [this] { XYDT(); });
}

void DataCommands::reply() {
    state_.loop.replyText = kReplyOk;
    transport_.SendText(state_.loop.replyText, 0);
}

bool DataCommands::receiveLine() {
    state_.loop.lineBuffer = QString(256, u' ');
    return transport_.ReceiveLine(4, state_.loop.lineBuffer, 1000, kEndAtCr) != -1;
}

QString DataCommands::todaysFolder() const {
    return dayFolder(state_.settings.saveFolder, QDate::currentDate(), folders_.separator());
}

void DataCommands::DATW() {
    LoopContext& loop = state_.loop;
    screen_.enableTableButtons(false);
    appendStatus(screen_, QStringLiteral("DATW受信"));

    loop.measurementFolder = todaysFolder();
    MakeFolderPath(loop.measurementFolder, folders_);
    QString name;
    if (text::ReadField(loop.lineBuffer, loop.readPos, name, loop.readPos)) {
        loop.measurementName = safeFileName(name);
    }

    reply();
    if (!receiveLine()) return;
    reply();

    // A short data line leaves the missing fields empty; the file keeps the line as received.
    ResultHistory& history = state_.history;
    const int i =
        history.storeRecord(loop.lineBuffer,
                            imaging::imageFilePath(loop.measurementFolder, loop.measurementName,
                                                   QString::fromLatin1(imaging::kJpegExtension)),
                            imaging::imageFilePath(loop.measurementFolder, loop.measurementName,
                                                   QString::fromLatin1(imaging::kBmpExtension)));
    screen_.drawEntryNumber(i + 1);
    screen_.RedrawResults();
    history.commitRecord();
    screen_.enableTableButtons(true);

    text::writeLines(measurementFile(loop.measurementFolder, folders_.separator(),
                                     loop.measurementName, QStringLiteral(".csv")),
                     {loop.lineBuffer});
}

void DataCommands::XYDT() {
    LoopContext& loop = state_.loop;
    screen_.enableTableButtons(false);
    appendStatus(screen_, QStringLiteral("XYDT受信"));

    // A count that is missing or not a 16-bit number cannot be served: it is refused without a
    // reply, and the DM's exchange times out on its side.
    QString countText;
    const bool hasCount = text::ReadField(loop.lineBuffer, loop.readPos, countText, loop.readPos);
    const double count = text::roundHalfEven(text::leadingNumber(countText));
    if (!hasCount || count < std::numeric_limits<std::int16_t>::min() ||
        count > std::numeric_limits<std::int16_t>::max()) {
        appendStatus(screen_, QStringLiteral("XYDT点数不正（%1）").arg(countText));
        screen_.enableTableButtons(true);
        return;
    }
    const int n = static_cast<int>(count);

    reply();
    QStringList points;
    for (int k = 0; k < n; ++k) {
        if (!receiveLine()) return;
        reply();
        const QStringList fields = text::splitFields(loop.lineBuffer);
        points.append(fields[0] + u',' + (fields.size() > 1 ? fields[1] : QString()));
    }

    // Before any image or result there is no measurement folder: the points then go into
    // today's folder, never to the root of the disk. XYDT itself does not set the measurement.
    QString folder = loop.measurementFolder;
    if (folder.isEmpty()) {
        folder = todaysFolder();
        MakeFolderPath(folder, folders_);
    }
    text::writeLines(measurementFile(folder, folders_.separator(), loop.measurementName,
                                     QStringLiteral("_XY.csv")),
                     points);
    screen_.enableTableButtons(true);
}

}  // namespace pelmar
