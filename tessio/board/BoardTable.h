#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "tessio/board/DeviceBackend.h"

namespace tessio::board {

inline constexpr int kBoardCount = 8;
inline constexpr std::size_t kStringBufferSize = 1024;

// What the library keeps for one board number.
struct Board {
    DeviceHandle device = kInvalidDevice;
    // Seconds to wait for the board to take a command before an image transfer.
    std::int32_t timeout = 3;
    // Tick count noted by DDMreset_timer.
    std::uint32_t timerStart = 0;
    // Last value written to the board's page register; unset until the first write.
    std::optional<std::uint32_t> page;
    // DDMgets2 and DDMputs2 stage their text here.
    std::array<char, kStringBufferSize> strings{};
};

using BoardTable = std::array<Board, kBoardCount>;

// The library-global table, one entry per board number, as it stands since the library loaded.
BoardTable& boardTable();

// The board of an export's first argument: only its low 16 bits count, read as a signed number;
// nullptr when that is outside 0..7.
Board* findBoard(std::int32_t number);

// Runs action on the board of number, or gives rejected for a bad number without doing anything.
template <typename Action>
std::int32_t onBoard(std::int32_t number, std::int32_t rejected, Action&& action) {
    Board* board = findBoard(number);
    return board != nullptr ? action(*board) : rejected;
}

}  // namespace tessio::board
