#pragma once

#include <cstddef>
#include <cstdint>

namespace tessio::display {

// Bilinear resampling in 8.8 fixed point of a whole source plane (width x height bytes, rows
// packed) onto a width x height output grid. Output pixel (j, i) is written at
// out[j * rowStride + i * pixelStep], so one plane can fill one channel of an interleaved image.
// Neighbours past the last source row or column take the edge pixel itself; nothing outside the
// source is read. Expects every size to be at least 1.
void resample(const std::uint8_t* source, int sourceWidth, int sourceHeight, std::uint8_t* out,
              int width, int height, std::ptrdiff_t pixelStep, std::ptrdiff_t rowStride);

}  // namespace tessio::display
