#pragma once

#include <QString>

#include "app/imaging/ImageBuffers.h"
#include "app/seams/FileOutcome.h"

class QIODevice;

namespace pelmar::imaging {

// Pelmar's BMP files: a 14-byte file header, a 40-byte info header, for 8 bits per pixel the
// 1024-byte palette, then the pixel rows bottom row first, each exactly width × bytes per pixel
// bytes (rows are not padded to 4 bytes, as the DM's software has always stored them). A colour
// pixel is stored as plane 3, plane 2, plane 1 and read back into planes 1, 2, 3.

// Writes the image in the planes: gray (8 bits per pixel, plane 1) when bytesPerPixel is 1,
// colour (24 bits per pixel, planes 1 to 3) for any other value. Fills images.filePixels.
// Every 8-bit file carries `palette`; header fields Pelmar has no value for are zero. An existing
// file is replaced as a whole, and only once the new file is complete. A problem when a size is
// not positive or too large, a plane holds fewer than width × height bytes, or the file cannot be
// written.
[[nodiscard]] FileOutcome<> writeBmp(const QString& path, int bytesPerPixel, int width, int height,
                                     ImageBuffers& images, const Palette& palette);

// Reads an 8-bit or 24-bit file of the layout above: sets bytesPerPixel (1 or 3), width and
// height, fills the planes, the file pixel buffer and `header` (the headers as they stand in the
// file). The pixels are taken from right after the headers (and palette); bfOffBits, the "BM"
// signature and the compression field are not consulted. The file's own colour table is skipped:
// it never reaches the palette that later files are written with. A problem, with nothing
// changed, when the file cannot be read, its bit count is not 8 or 24, a size is not positive or
// too large, or the file is shorter than its sizes need.
FileOutcome<> readBmp(const QString& path, int& bytesPerPixel, int& width, int& height,
                      ImageBuffers& images, BmpHeader& header);

// The same from an open device, read from its current position; its problem has no path.
FileOutcome<> readBmp(QIODevice& device, int& bytesPerPixel, int& width, int& height,
                      ImageBuffers& images, BmpHeader& header);

}  // namespace pelmar::imaging
