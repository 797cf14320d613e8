#pragma once

#include <cstdint>

#include "tessio/board/BoardTable.h"

namespace tessio::board {

// Results of the board exports besides their counts.
inline constexpr std::int32_t kFailed = -1;
inline constexpr std::int32_t kUnexpectedReply = static_cast<std::int32_t>(0xFFFF0000u);
inline constexpr std::int32_t kNotTaken = 0x30000000;

// True for the error values a transfer may give instead of a count (any of bits 16..31 set).
inline bool isTransferError(std::int32_t result) {
    return (static_cast<std::uint32_t>(result) & 0xFFFF0000u) != 0;
}

// Block transfers of count units of 1, 2 or 4 bytes, negotiated over the mailbox and carried by
// one bulk call. Units 1 and 2 travel packed into the board's 32-bit words, first unit in the
// most significant position; the buffer holds exactly unit x count bytes. They give the device
// length or an error value.
std::int32_t readBlock(Board& board, void* buffer, std::int32_t unit, std::int32_t count);
std::int32_t writeBlock(Board& board, const void* buffer, std::int32_t unit, std::int32_t count);

// Image transfers of width x height pixels of 1 or 2 bytes (sizes read as signed 16-bit). They
// first wait, within the board's timeout, for the board to take any earlier command. The buffer
// holds the device length: the image size rounded up to whole words.
std::int32_t readImage(Board& board, void* buffer, std::int32_t pixelSize, std::int32_t width,
                       std::int32_t height);
std::int32_t writeImage(Board& board, const void* buffer, std::int32_t pixelSize,
                        std::int32_t width, std::int32_t height);

}  // namespace tessio::board
