#include "tessio/board/Device.h"

#include <array>

namespace tessio::board {

std::uint32_t readWord(const Board& board, std::uint32_t code, std::uint32_t where) {
    std::array<unsigned char, 4> in{};
    std::array<unsigned char, 4> out{};
    storeWord(in.data(), where);
    backend().control(board.device, code, in.data(), in.size(), out.data(), out.size());
    return loadWord(out.data());
}

void writeWord(const Board& board, std::uint32_t code, std::uint32_t where, std::uint32_t value) {
    std::array<unsigned char, 8> in{};
    storeWord(in.data(), where);
    storeWord(in.data() + 4, value);
    backend().control(board.device, code, in.data(), in.size(), nullptr, 0);
}

void sendWord(const Board& board, std::uint32_t code, std::uint32_t value) {
    std::array<unsigned char, 4> in{};
    storeWord(in.data(), value);
    backend().control(board.device, code, in.data(), in.size(), nullptr, 0);
}

void selectPage(Board& board, std::uint32_t page) {
    writeWord(board, code::kWriteRegister, reg::kPage, page);
    board.page = page;
}

void busyWait(std::uint32_t milliseconds) {
    DeviceBackend& clock = backend();
    const std::uint32_t start = clock.tickCount();
    while (clock.tickCount() - start < milliseconds) {
    }
}

Deadline::Deadline(std::int32_t seconds) : seconds_(seconds), start_(backend().wallSeconds()) {}

bool Deadline::passed() const {
    return seconds_ != 0 && backend().wallSeconds() > start_ + seconds_;
}

}  // namespace tessio::board
