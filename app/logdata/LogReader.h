#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>

#include "app/records/ResultHistory.h"
#include "app/logdata/GetFilesMostDeep.h"

namespace pelmar::logdata {

// The most of a measurement file that is read: a longer first line is cut there.
inline constexpr qsizetype kMaxRecordBytes = 64 * 1024;

// The measurement record at the start of a stored measurement file: the bytes up to the first
// CR, LF or the end, in code page 932.
QString recordFromBytes(QByteArrayView start);

// What reading the logs of a folder found, for the window to tell the inspector.
struct LogReadResult {
    int filesRead = 0;     // records stored into the history
    int filesSkipped = 0;  // measurement files that were empty or could not be read
    QList<SkippedFolder> skippedFolders;
};

// Loads the measurement files (*.csv, in any case) of a folder and of every folder below it into
// the history, in search order (GetFilesMostDeep). Point lists (*_XY.csv) are not measurements
// and are passed over. Only the first line of a file is read; a file with nothing before its first
// line end, or one that cannot be read, holds no record and is counted in filesSkipped. The
// history is emptied just before the first record goes in, so it is replaced as a whole when at
// least one record is found and left untouched when none is. Each record fills a slot as a
// received one does (ResultHistory::storeRecord), with the images of the same name beside the
// file; past the 99th file each further one overwrites slot 99. redrawTable (when given) is called
// once, with the last record stored and historyCount not yet moved past it: the table then shows
// what a redraw after each file would have left, without the cost of one redraw per file.
LogReadResult ReadLogData(const QString& folder, ResultHistory& history,
                          const std::function<void()>& redrawTable = {});

}  // namespace pelmar::logdata
