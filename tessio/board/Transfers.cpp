#include "tessio/board/Transfers.h"

#include <cstring>
#include <memory>
#include <new>
#include <optional>

#include "tessio/board/Device.h"
#include "tessio/board/Mailbox.h"

namespace tessio::board {

namespace {

// The largest byte count whose device length still reads as a count, not as an error value.
constexpr std::int64_t kLargestBlock = 0x7FFFFFFC;

std::uint32_t roundUpToWord(std::uint32_t bytes) {
    return (bytes + 3u) & ~3u;
}

// How one transfer looks on the mailbox and on the bus.
struct Block {
    std::int32_t unit;     // bytes per unit in the caller's buffer
    std::uint32_t units;   // units the caller's buffer holds
    std::uint32_t posted;  // byte count posted to the board
};

std::uint32_t deviceLength(const Block& block) {
    const std::uint32_t bytes = block.units * static_cast<std::uint32_t>(block.unit);
    return block.unit == 4 ? bytes : roundUpToWord(bytes);
}

// Request, answer, byte count, answer, DMA address. 0 when the board is ready for the data.
std::int32_t negotiate(Board& board, std::uint32_t request, std::uint32_t answer,
                       std::uint32_t count) {
    postCommand(board, request);
    waitCommandTaken(board);
    if (receiveReply(board) != answer) return kUnexpectedReply;
    postData(board, count);
    waitDataTaken(board);
    if (receiveReply(board) != word::kFinished) return kUnexpectedReply;
    sendWord(board, code::kSetDmaAddress, receiveData(board));
    return 0;
}

void finish(Board& board) {
    postCommand(board, word::kFinished);
    waitCommandTaken(board);
}

std::unique_ptr<unsigned char[]> workBuffer(std::uint32_t length) {
    return std::unique_ptr<unsigned char[]>(new (std::nothrow) unsigned char[length]);
}

// Board words to the caller's units, first unit from the most significant end.
void unpack(const unsigned char* words, const Block& block, void* buffer) {
    auto* out = static_cast<unsigned char*>(buffer);
    const std::uint32_t perWord = 4u / static_cast<std::uint32_t>(block.unit);
    for (std::uint32_t i = 0; i < block.units; ++i) {
        const std::uint32_t shift = 8u * block.unit * (perWord - 1u - i % perWord);
        const std::uint32_t value = loadWord(words + 4u * (i / perWord)) >> shift;
        if (block.unit == 1) {
            out[i] = static_cast<unsigned char>(value);
        } else {
            const auto half = static_cast<std::uint16_t>(value);
            std::memcpy(out + 2u * i, &half, sizeof half);
        }
    }
}

// The caller's units to board words; padding beyond the caller's units is zero.
void pack(const void* buffer, const Block& block, unsigned char* words, std::uint32_t length) {
    const auto* in = static_cast<const unsigned char*>(buffer);
    const std::uint32_t perWord = 4u / static_cast<std::uint32_t>(block.unit);
    std::memset(words, 0, length);
    for (std::uint32_t i = 0; i < block.units; ++i) {
        std::uint16_t half = 0;
        if (block.unit == 2) std::memcpy(&half, in + 2u * i, sizeof half);
        const std::uint32_t value = block.unit == 1 ? in[i] : half;
        const std::uint32_t shift = 8u * block.unit * (perWord - 1u - i % perWord);
        unsigned char* word = words + 4u * (i / perWord);
        storeWord(word, loadWord(word) | value << shift);
    }
}

std::int32_t receiveBlock(Board& board, void* buffer, const Block& block) {
    if (const std::int32_t refused =
            negotiate(board, word::kReadRequest, word::kWriteRequest, block.posted))
        return refused;
    const std::uint32_t length = deviceLength(block);
    std::uint32_t moved = 0;
    bool complete;
    if (block.unit == 4) {
        complete = backend().bulkRead(board.device, buffer, length, &moved) && moved == length;
    } else if (block.unit == 1 || block.unit == 2) {
        const auto words = workBuffer(length);
        if (!words) return kFailed;
        complete = backend().bulkRead(board.device, words.get(), length, &moved) && moved == length;
        if (complete) unpack(words.get(), block, buffer);
    } else {
        return kFailed;
    }
    finish(board);
    return complete ? static_cast<std::int32_t>(length) : kNotTaken;
}

std::int32_t sendBlock(Board& board, const void* buffer, const Block& block) {
    if (const std::int32_t refused =
            negotiate(board, word::kWriteRequest, word::kReadRequest, block.posted))
        return refused;
    const std::uint32_t length = deviceLength(block);
    std::uint32_t moved = 0;
    bool complete;
    if (block.unit == 4) {
        complete = backend().bulkWrite(board.device, buffer, length, &moved) && moved == length;
    } else if (block.unit == 1 || block.unit == 2) {
        const auto words = workBuffer(length);
        if (!words) return kFailed;
        pack(buffer, block, words.get(), length);
        complete =
            backend().bulkWrite(board.device, words.get(), length, &moved) && moved == length;
    } else {
        return kFailed;
    }
    finish(board);
    return complete ? static_cast<std::int32_t>(length) : kNotTaken;
}

// A block of count units, or nothing when its byte count cannot be a device length.
std::optional<Block> unitBlock(std::int32_t unit, std::int32_t count) {
    const std::int64_t bytes = static_cast<std::int64_t>(unit) * count;
    if (count < 0 || bytes < 0 || bytes > kLargestBlock) return std::nullopt;
    return Block{unit, static_cast<std::uint32_t>(count), static_cast<std::uint32_t>(bytes)};
}

std::optional<Block> imageBlock(std::int32_t pixelSize, std::int32_t width, std::int32_t height) {
    const std::int64_t bytes = static_cast<std::int64_t>(static_cast<std::int16_t>(width)) *
                               static_cast<std::int16_t>(height) * pixelSize;
    if (bytes < 0 || bytes > kLargestBlock) return std::nullopt;
    const std::uint32_t length = roundUpToWord(static_cast<std::uint32_t>(bytes));
    return Block{pixelSize, length / static_cast<std::uint32_t>(pixelSize), length};
}

}  // namespace

std::int32_t readBlock(Board& board, void* buffer, std::int32_t unit, std::int32_t count) {
    const auto block = unitBlock(unit, count);
    return block ? receiveBlock(board, buffer, *block) : kFailed;
}

std::int32_t writeBlock(Board& board, const void* buffer, std::int32_t unit, std::int32_t count) {
    const auto block = unitBlock(unit, count);
    return block ? sendBlock(board, buffer, *block) : kFailed;
}

std::int32_t readImage(Board& board, void* buffer, std::int32_t pixelSize, std::int32_t width,
                       std::int32_t height) {
    const auto block = imageBlock(pixelSize, width, height);
    if (!block) return kFailed;
    if (!waitCommandTaken(board, board.timeout)) return kNotTaken;
    return receiveBlock(board, buffer, *block);
}

std::int32_t writeImage(Board& board, const void* buffer, std::int32_t pixelSize,
                        std::int32_t width, std::int32_t height) {
    const auto block = imageBlock(pixelSize, width, height);
    if (!block) return kFailed;
    if (!waitCommandTaken(board, board.timeout)) return kNotTaken;
    return sendBlock(board, buffer, *block);
}

}  // namespace tessio::board
