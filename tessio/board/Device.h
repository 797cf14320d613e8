#pragma once

#include <cstdint>

#include "tessio/board/BoardTable.h"

namespace tessio::board {

// Control codes of the board's driver (device type 0x22, buffered, functions 0x800..0x808).
namespace code {
inline constexpr std::uint32_t kReadMemory = 0x222000;
inline constexpr std::uint32_t kWriteMemory = 0x222004;
inline constexpr std::uint32_t kReadRegister = 0x222008;
inline constexpr std::uint32_t kWriteRegister = 0x22200C;
inline constexpr std::uint32_t kReadPci = 0x222010;
inline constexpr std::uint32_t kWritePci = 0x222014;
inline constexpr std::uint32_t kSetDmaAddress = 0x222018;
inline constexpr std::uint32_t kSetTimeout = 0x222020;
}  // namespace code

// Register offsets the library itself uses.
namespace reg {
inline constexpr std::uint32_t kPage = 0x41FFF8;
inline constexpr std::uint32_t kControl = 0x41FFF4;
inline constexpr std::uint32_t kResetCommand = 0x420000;
inline constexpr std::uint32_t kResetData = 0x420004;
inline constexpr std::uint32_t kResetControl = 0x420008;
}  // namespace reg

// The driver's and the bulk stream's words are 32-bit little-endian whatever the host.
inline std::uint32_t loadWord(const unsigned char* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}
inline void storeWord(unsigned char* bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

// One control call with a 4-byte argument and a 4-byte answer (reads memory, registers, PCI
// registers). The answer is 0 when the driver leaves the output untouched.
std::uint32_t readWord(const Board& board, std::uint32_t code, std::uint32_t where);
// One control call with an 8-byte input (where, value) and no output.
void writeWord(const Board& board, std::uint32_t code, std::uint32_t where, std::uint32_t value);
// One control call with a 4-byte input and no output.
void sendWord(const Board& board, std::uint32_t code, std::uint32_t value);

// Writes the page register and notes the value in the board's page cache.
void selectPage(Board& board, std::uint32_t page);

// Spins for the given milliseconds on the backend's tick count.
void busyWait(std::uint32_t milliseconds);

// A wait limit in whole seconds on the backend's wall clock; 0 waits without limit.
class Deadline {
public:
    explicit Deadline(std::int32_t seconds);
    // True once the current time is later than the start time plus the limit.
    bool passed() const;

private:
    std::int32_t seconds_;
    std::int64_t start_;
};

}  // namespace tessio::board
