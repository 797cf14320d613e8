#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/gdi/windows.h"

// Colour tables of 8-bit DIBs and the conversion of colour indices into 32-bit pixels.
namespace gdi {

// The colours of an 8-bit DIB as pixels: its biClrUsed entries (all 256 when 0); indices past
// them are black. A gray ramp, clamped at both ends or not (entry i is gray level i, limited to
// low..high), is noted as such: it converts with arithmetic instead of a lookup per pixel.
struct Colours {
    std::array<std::uint32_t, 256> table{};
    bool ramp = false;
    std::uint8_t low = 0;
    std::uint8_t high = 0;
};

Colours coloursOf(const BITMAPINFO& info);

// out[k] = colours of in[k] for k < count.
void convert(const std::uint8_t* in, std::uint32_t* out, std::size_t count, const Colours& colours);

}  // namespace gdi
