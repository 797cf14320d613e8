#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tessio/board/DeviceBackend.h"

namespace tessio::test {

// A model of the board's driver and of its processor, installed as the library's device
// backend. It holds the board's memory words (per page), registers, PCI registers, the mailbox,
// the reset interface, the DMA address and the bulk data, and records every device call and
// every word its processor took, in order.
//
// Time is virtual: every tick-count read and every control call advances the clock by one
// millisecond, and the wall clock follows it, so the library's 1000 ms busy waits and whole-second
// time-outs take no real time.
class SimulatedBoard final : public DeviceBackend {
public:
    static constexpr std::uint32_t kPageRegister = 0x41FFF8;
    static constexpr std::uint32_t kMailboxPage = 0x202;
    static constexpr std::uint32_t kIdentityPage = 0x240;

    struct Call {
        enum class Kind { Open, Close, Control, BulkRead, BulkWrite };
        Kind kind;
        DeviceHandle device = kInvalidDevice;
        std::uint32_t code = 0;                // control calls
        std::vector<std::uint32_t> arguments;  // control input words
        std::uint32_t length = 0;              // bulk length, or control output size
        std::uint64_t at = 0;                  // virtual clock when the call was made
    };

    // One step of the reset interface, noted when its control register is written.
    struct ResetStep {
        std::uint32_t command;
        std::uint32_t data;
        std::uint32_t control;
    };

    explicit SimulatedBoard(int boardsPresent = 1);

    // --- DeviceBackend ---
    DeviceHandle openDevice(int n) override;
    void closeDevice(DeviceHandle device) override;
    bool control(DeviceHandle device, std::uint32_t code, const void* in, std::uint32_t inSize,
                 void* out, std::uint32_t outSize) override;
    bool bulkRead(DeviceHandle device, void* buffer, std::uint32_t length,
                  std::uint32_t* moved) override;
    bool bulkWrite(DeviceHandle device, const void* buffer, std::uint32_t length,
                   std::uint32_t* moved) override;
    std::uint32_t tickCount() override;
    std::int64_t wallSeconds() override;

    // --- What the board holds (tests set and inspect it) ---
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::uint32_t> memory;  // (page, address)
    std::map<std::uint32_t, std::uint32_t> registers;                         // by offset
    std::map<std::uint32_t, std::uint32_t> pciRegisters;
    std::uint32_t dmaAddress = 0;
    // Bulk data by DMA address: a bulk read delivers from the block at the current DMA address
    // (zeros beyond it), a bulk write replaces it.
    std::map<std::uint32_t, std::vector<unsigned char>> bulk;
    // Words the processor has ready for the library: replies and data words, in order.
    std::deque<std::uint32_t> replies;
    std::deque<std::uint32_t> boardData;

    // --- How the processor behaves ---
    bool takesCommands = true;
    bool takesData = true;
    // Flag reads a posted word stays untaken for before the processor takes it.
    int takeDelay = 0;
    // Virtual milliseconds the processor takes to make its replies visible.
    std::uint64_t answerDelayMs = 0;
    // Its answer to the start word (nothing: no answer at all).
    std::optional<std::uint32_t> startAnswer = 0xF0010000;
    // Overrides its answer to a block request, and to the byte count.
    std::optional<std::uint32_t> requestAnswer;
    std::uint32_t countAnswer = 0xF0000000;
    // The DMA address it hands out for a block.
    std::uint32_t blockAddress = 0x00300000;
    // Bulk calls move at most this many bytes; a failing bulk call reports failure.
    std::optional<std::uint32_t> bulkLimit;
    bool bulkFails = false;
    // Reads of the reset interface's control register that still show a step as busy.
    int resetBusyReads = 0;
    // What the driver hands back for the timeout control call.
    std::uint32_t timeoutAnswer = 0;

    // --- What happened ---
    std::vector<Call> calls;
    std::vector<std::uint32_t> commandsTaken;
    std::vector<std::uint32_t> dataTaken;
    std::vector<ResetStep> resetSteps;
    // Control calls with buffers that do not match the driver's contract.
    std::vector<std::string> contractViolations;

    // The clock, in virtual milliseconds since the simulation began.
    std::uint64_t clockMs = 0;
    std::int64_t wallStart = 1'700'000'000;

    // Counts of recorded calls.
    std::size_t countCalls(Call::Kind kind) const;
    std::size_t countControl(std::uint32_t code) const;
    // The values written to one register, in order.
    std::vector<std::uint32_t> registerWrites(std::uint32_t offset) const;
    void clearRecords();

    // Bytes as the board's words carry them: little-endian 32-bit words.
    static std::vector<unsigned char> wordBytes(const std::vector<std::uint32_t>& words);

private:
    enum class Transfer { None, AwaitingCount, Ready };

    std::uint32_t page() const;
    std::uint32_t registerValue(std::uint32_t offset) const;
    std::uint32_t readMemory(std::uint32_t address);
    void writeMemory(std::uint32_t address, std::uint32_t value);
    std::uint32_t readRegister(std::uint32_t offset);
    void writeRegister(std::uint32_t offset, std::uint32_t value);
    void takeCommand();
    void takeData();
    void reply(std::uint32_t word);
    bool replyVisible() const;

    int boardsPresent_;
    std::uint32_t commandFlag_ = 0;
    std::uint32_t dataFlag_ = 0;
    std::uint32_t commandWord_ = 0;
    std::uint32_t dataWord_ = 0;
    int commandDelay_ = 0;
    int dataDelay_ = 0;
    std::uint64_t repliesReadyAt_ = 0;
    int resetBusy_ = 0;
    Transfer transfer_ = Transfer::None;
};

}  // namespace tessio::test
