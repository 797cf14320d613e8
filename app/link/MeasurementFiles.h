#pragma once

#include <QChar>
#include <QDate>
#include <QString>

#include "app/link/FolderOps.h"

namespace pelmar {

// Where a measurement's files go. The DM names each measurement; its CSV files and images are
// stored in the day folder under that name with their suffixes.

// The day folder: the save folder, the separator and the date as yyyymmdd.
QString dayFolder(const QString& saveFolder, const QDate& date, QChar separator);

// Today's day folder under the save folder, made to exist with every missing level. Throws
// FolderError when a level cannot be created.

QString makeDayFolder(const QString& saveFolder, FolderOps& folders);

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
