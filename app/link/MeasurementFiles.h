#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <functional>
#include <vector>

#include "app/seams/FileOutcome.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Screen.h"

namespace pelmar {

// Where a measurement's files go. The DM names each measurement; its CSV files and images are
// stored in the day folder under that name with their suffixes.

// The current measurement: set by BMPW and DATW, kept from one command to the next, and shared
// by the data and image commands.
struct Measurement {
    QString folder;  // its day folder
    QString name;    // its file name stem, made safe
};

// The day folder: the save folder, the separator and the date as yyyymmdd.
QString dayFolder(const QString& saveFolder, const QDate& date, QChar separator);

// Today's day folder under the save folder (not made here: storeMeasurement makes it).
QString todaysFolder(const QString& saveFolder, FolderOps& folders);

// Stores the files of an exchange before its final reply: makes the folder exist with every
// missing level, then runs the writes in turn, each writing its file whole or not at all,
// stopping at the first that fails. A failure is told to the inspector in a status line that
// stands out until a store succeeds again. True when every file is on disk.
bool storeMeasurement(Screen& screen, FolderOps& folders, const QString& folder,
                      const std::vector<std::function<FileOutcome<>()>>& writes);

// A name from the DM made fit to be a file name inside the day folder, never empty or hidden:
// path separators and the characters Windows forbids in names become "_", an empty name or one
// that begins with a dot gets a leading "_", and a name too long for the file system is cut so
// that its longest file ("_XY.csv" added) can still be written.
QString safeFileName(const QString& name);

// The most bytes a file name may have (Linux and Windows allow 255). A file is written whole or
// not at all, through a temporary file beside it whose name adds ".XXXXXX": that name must fit.
inline constexpr int kLongestFileName = 255;
inline constexpr int kTemporarySuffixLength = 7;

// A measurement's file: folder, separator, the name made safe, and the suffix (".csv",
// "_XY.csv", ".bmp", ".jpg").
QString measurementFile(const QString& folder, const QString& name, const QString& suffix,
                        QChar separator);

inline const QString kDataSuffix = QStringLiteral(".csv");
inline const QString kPointsSuffix = QStringLiteral("_XY.csv");
inline const QString kBitmapSuffix = QStringLiteral(".bmp");
inline const QString kJpegSuffix = QStringLiteral(".jpg");

}  // namespace pelmar
