#include "tests/support/SimulatedBoard.h"

#include <algorithm>
#include <cstring>

#include "tessio/board/DiscoveryMessages.h"

namespace tessio::test {

namespace {

constexpr DeviceHandle kFirstHandle = 100;

constexpr std::uint32_t kCommandFlag = 0x152A80;
constexpr std::uint32_t kDataFlag = 0x152A84;
constexpr std::uint32_t kCommandWord = 0x152A88;
constexpr std::uint32_t kDataWord = 0x152A8C;
constexpr std::uint32_t kReplyFlag = 0x152A90;
constexpr std::uint32_t kBoardDataFlag = 0x152A94;
constexpr std::uint32_t kReplyWord = 0x152A98;
constexpr std::uint32_t kBoardDataWord = 0x152A9C;

constexpr std::uint32_t kResetCommand = 0x420000;
constexpr std::uint32_t kResetData = 0x420004;
constexpr std::uint32_t kResetControl = 0x420008;

struct Contract {
    std::uint32_t code;
    std::uint32_t inSize;
    std::uint32_t outSize;
};

// The driver's control codes and the buffers it expects with them.
constexpr Contract kContracts[] = {
    {0x222000, 4, 4}, {0x222004, 8, 0}, {0x222008, 4, 4}, {0x22200C, 8, 0},
    {0x222010, 4, 4}, {0x222014, 8, 0}, {0x222018, 4, 0}, {0x222020, 4, 4},
};

std::uint32_t wordAt(const unsigned char* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace

SimulatedBoard::SimulatedBoard(int boardsPresent) : boardsPresent_(boardsPresent) {}

DeviceHandle SimulatedBoard::openDevice(int n) {
    calls.push_back({Call::Kind::Open, kInvalidDevice, static_cast<std::uint32_t>(n), {}, 0});
    if (n >= boardsPresent_) {
        printNoMoreItems(boardsPresent_);
        return kInvalidDevice;
    }
    return kFirstHandle + n;
}

void SimulatedBoard::closeDevice(DeviceHandle device) {
    calls.push_back({Call::Kind::Close, device, 0, {}, 0});
}

bool SimulatedBoard::control(DeviceHandle device, std::uint32_t code, const void* in,
                             std::uint32_t inSize, void* out, std::uint32_t outSize) {
    Call call{Call::Kind::Control, device, code, {}, outSize, clockMs++};
    const auto* bytes = static_cast<const unsigned char*>(in);
    for (std::uint32_t i = 0; i + 4 <= inSize; i += 4) call.arguments.push_back(wordAt(bytes + i));
    calls.push_back(call);

    const auto* contract = std::find_if(std::begin(kContracts), std::end(kContracts),
                                        [code](const Contract& c) { return c.code == code; });
    if (contract == std::end(kContracts) || contract->inSize != inSize ||
        contract->outSize != outSize) {
        contractViolations.push_back("control " + std::to_string(code) + " in " +
                                     std::to_string(inSize) + " out " + std::to_string(outSize));
        return false;
    }
    if (device < kFirstHandle || device >= kFirstHandle + boardsPresent_) {
        contractViolations.push_back("control on a device that is not open");
        return false;
    }

    const std::vector<std::uint32_t>& a = call.arguments;
    std::optional<std::uint32_t> answer;
    switch (code) {
        case 0x222000:
            answer = readMemory(a[0]);
            break;
        case 0x222004:
            writeMemory(a[0], a[1]);
            break;
        case 0x222008:
            answer = readRegister(a[0]);
            break;
        case 0x22200C:
            writeRegister(a[0], a[1]);
            break;
        case 0x222010:
            answer = pciRegisters[a[0]];
            break;
        case 0x222014:
            pciRegisters[a[0]] = a[1];
            break;
        case 0x222018:
            dmaAddress = a[0];
            break;
        case 0x222020:
            answer = timeoutAnswer;
            break;
    }
    if (answer) {
        const std::vector<unsigned char> word = wordBytes({*answer});
        std::memcpy(out, word.data(), 4);
    }
    return true;
}

bool SimulatedBoard::bulkRead(DeviceHandle device, void* buffer, std::uint32_t length,
                              std::uint32_t* moved) {
    calls.push_back({Call::Kind::BulkRead, device, 0, {}, length});
    *moved = 0;
    if (bulkFails) return false;
    const std::uint32_t n = std::min(length, bulkLimit.value_or(length));
    const std::vector<unsigned char>& source = bulk[dmaAddress];
    auto* out = static_cast<unsigned char*>(buffer);
    const std::size_t available = std::min<std::size_t>(n, source.size());
    std::copy_n(source.begin(), available, out);
    std::fill(out + available, out + n, 0);
    *moved = n;
    return true;
}

bool SimulatedBoard::bulkWrite(DeviceHandle device, const void* buffer, std::uint32_t length,
                               std::uint32_t* moved) {
    calls.push_back({Call::Kind::BulkWrite, device, 0, {}, length});
    *moved = 0;
    if (bulkFails) return false;
    const std::uint32_t n = std::min(length, bulkLimit.value_or(length));
    const auto* in = static_cast<const unsigned char*>(buffer);
    bulk[dmaAddress].assign(in, in + n);
    *moved = n;
    return true;
}

std::uint32_t SimulatedBoard::tickCount() {
    return static_cast<std::uint32_t>(clockMs++);
}

std::int64_t SimulatedBoard::wallSeconds() {
    return wallStart + static_cast<std::int64_t>(clockMs / 1000);
}

std::size_t SimulatedBoard::countCalls(Call::Kind kind) const {
    return std::count_if(calls.begin(), calls.end(),
                         [kind](const Call& c) { return c.kind == kind; });
}

std::size_t SimulatedBoard::countControl(std::uint32_t code) const {
    return std::count_if(calls.begin(), calls.end(), [code](const Call& c) {
        return c.kind == Call::Kind::Control && c.code == code;
    });
}

std::vector<std::uint32_t> SimulatedBoard::registerWrites(std::uint32_t offset) const {
    std::vector<std::uint32_t> values;
    for (const Call& c : calls)
        if (c.kind == Call::Kind::Control && c.code == 0x22200C && c.arguments.size() == 2 &&
            c.arguments[0] == offset)
            values.push_back(c.arguments[1]);
    return values;
}

void SimulatedBoard::clearRecords() {
    calls.clear();
    commandsTaken.clear();
    dataTaken.clear();
    resetSteps.clear();
}

std::vector<unsigned char> SimulatedBoard::wordBytes(const std::vector<std::uint32_t>& words) {
    std::vector<unsigned char> bytes;
    for (std::uint32_t w : words)
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(w >> (8 * i)));
    return bytes;
}

std::uint32_t SimulatedBoard::page() const {
    return registerValue(kPageRegister);
}

std::uint32_t SimulatedBoard::readMemory(std::uint32_t address) {
    if (page() != kMailboxPage) return memory[{page(), address}];
    switch (address) {
        case kCommandFlag:
            if (commandFlag_ != 0 && takesCommands && commandDelay_-- <= 0) takeCommand();
            return commandFlag_;
        case kDataFlag:
            if (dataFlag_ != 0 && takesData && dataDelay_-- <= 0) takeData();
            return dataFlag_;
        case kCommandWord:
            return commandWord_;
        case kDataWord:
            return dataWord_;
        case kReplyFlag:
            return replyVisible() ? 1 : 0;
        case kBoardDataFlag:
            return boardData.empty() ? 0 : 1;
        case kReplyWord:
            return replyVisible() ? replies.front() : 0;
        case kBoardDataWord:
            return boardData.empty() ? 0 : boardData.front();
        default:
            return memory[{page(), address}];
    }
}

void SimulatedBoard::writeMemory(std::uint32_t address, std::uint32_t value) {
    if (page() != kMailboxPage) {
        memory[{page(), address}] = value;
        return;
    }
    switch (address) {
        case kCommandFlag:
            commandFlag_ = value;
            commandDelay_ = takeDelay;
            if (value != 0 && takesCommands && takeDelay == 0) takeCommand();
            break;
        case kDataFlag:
            dataFlag_ = value;
            dataDelay_ = takeDelay;
            if (value != 0 && takesData && takeDelay == 0) takeData();
            break;
        case kCommandWord:
            commandWord_ = value;
            break;
        case kDataWord:
            dataWord_ = value;
            break;
        case kReplyFlag:
            if (value == 0 && !replies.empty()) replies.pop_front();
            break;
        case kBoardDataFlag:
            if (value == 0 && !boardData.empty()) boardData.pop_front();
            break;
        default:
            memory[{page(), address}] = value;
    }
}

std::uint32_t SimulatedBoard::registerValue(std::uint32_t offset) const {
    const auto it = registers.find(offset);
    return it == registers.end() ? 0 : it->second;
}

std::uint32_t SimulatedBoard::readRegister(std::uint32_t offset) {
    const std::uint32_t value = registerValue(offset);
    if (offset != kResetControl) return value;
    // Bit 2 tells that the reset interface has finished the step.
    return resetBusy_-- > 0 ? value & ~4u : value | 4u;
}

void SimulatedBoard::writeRegister(std::uint32_t offset, std::uint32_t value) {
    registers[offset] = value;
    if (offset == kResetControl) {
        resetSteps.push_back({registers[kResetCommand], registers[kResetData], value});
        resetBusy_ = resetBusyReads;
    }
}

void SimulatedBoard::takeCommand() {
    commandFlag_ = 0;
    commandsTaken.push_back(commandWord_);
    switch (commandWord_) {
        case 0xFC000000:  // the library wants a block: the board will deliver
            reply(requestAnswer.value_or(0xF8000000));
            transfer_ = Transfer::AwaitingCount;
            break;
        case 0xF8000000:  // the library sends a block: the board will receive
            reply(requestAnswer.value_or(0xFC000000));
            transfer_ = Transfer::AwaitingCount;
            break;
        case 0xF0010000:
            if (startAnswer) reply(*startAnswer);
            break;
        case 0xF0000000:
            transfer_ = Transfer::None;
            break;
    }
}

void SimulatedBoard::takeData() {
    dataFlag_ = 0;
    dataTaken.push_back(dataWord_);
    if (transfer_ == Transfer::AwaitingCount) {
        reply(countAnswer);
        boardData.push_back(blockAddress);
        transfer_ = Transfer::Ready;
    }
}

void SimulatedBoard::reply(std::uint32_t word) {
    replies.push_back(word);
    repliesReadyAt_ = clockMs + answerDelayMs;
}

bool SimulatedBoard::replyVisible() const {
    return !replies.empty() && clockMs >= repliesReadyAt_;
}

}  // namespace tessio::test
