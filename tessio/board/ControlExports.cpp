// Identity, start and end handshakes, reset, and word access to memory and registers.
#include <optional>

#include "tessio.h"
#include "tessio/board/BoardTable.h"
#include "tessio/board/Device.h"
#include "tessio/board/Mailbox.h"

using namespace tessio::board;

namespace {

constexpr std::uint32_t kIdentityPage = 0x240;
constexpr std::uint32_t kIdentityAddress = 0xF000C;
// Register addresses as applications know them start here; the driver takes offsets from it.
constexpr std::uint32_t kRegisterBase = 0x1800000;
// The handshakes and the reset give the board's processor this long to settle.
constexpr std::uint32_t kSettleMilliseconds = 1000;

std::int32_t modelOf(std::uint32_t identity) {
    switch ((identity >> 20) & 0xFu) {
        case 1:
            return 7100;
        case 8:
            return 7110;
        default:
            return 0;
    }
}

std::int32_t lowHalf(std::int32_t value) {
    return static_cast<std::int16_t>(value & 0xFFFF);
}

// Polls the reset interface's control register until the board reports the step done (bit 2).
void waitResetStep(const Board& board) {
    while ((readWord(board, code::kReadRegister, reg::kResetControl) & 4u) == 0) {
    }
}

void resetStep(const Board& board, std::uint32_t command, std::optional<std::uint32_t> data,
               std::uint32_t control) {
    writeWord(board, code::kWriteRegister, reg::kResetCommand, command);
    if (data) writeWord(board, code::kWriteRegister, reg::kResetData, *data);
    writeWord(board, code::kWriteRegister, reg::kResetControl, control);
    waitResetStep(board);
}

}  // namespace

extern "C" {

TESSIO_API int32_t TESSIO_CALL DDMgetid(int32_t number) {
    return onBoard(number, -1, [](Board& board) {
        selectPage(board, kIdentityPage);
        return modelOf(readWord(board, code::kReadMemory, kIdentityAddress));
    });
}
TESSIO_API int32_t TESSIO_CALL DDSgetid(void) {
    return DDMgetid(0);
}

TESSIO_API int32_t TESSIO_CALL DDMopen(int32_t number, int32_t timeout) {
    return onBoard(number, -1, [timeout](Board& board) {
        const std::int32_t limit = lowHalf(timeout);
        busyWait(kSettleMilliseconds);
        postCommand(board, word::kStartWork);
        if (!waitCommandTaken(board, limit)) return -1;
        const Deadline deadline(limit);
        for (;;) {
            const std::uint32_t flag = readMailbox(board, mailbox::kReplyFlag);
            const std::uint32_t reply = readMailbox(board, mailbox::kReplyWord);
            if ((flag & 1u) != 0 && reply != 0) {
                writeMailbox(board, mailbox::kReplyFlag, 0);
                // The processor may have moved the page register while starting up.
                board.page.reset();
                return reply == word::kStartWork ? 0 : -1;
            }
            if (deadline.passed()) return -1;
        }
    });
}
TESSIO_API int32_t TESSIO_CALL DDSopen(int32_t timeout) {
    return DDMopen(0, timeout);
}

TESSIO_API int32_t TESSIO_CALL DDMclose(int32_t number, int32_t timeout) {
    return onBoard(number, -1, [timeout](Board& board) {
        if (!waitCommandTaken(board, lowHalf(timeout))) return -1;
        postCommand(board, word::kEndWork);
        tessio::backend().closeDevice(board.device);
        board.device = tessio::kInvalidDevice;
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSclose(int32_t timeout) {
    return DDMclose(0, timeout);
}

TESSIO_API int32_t TESSIO_CALL DDMreset(int32_t number, int32_t mode) {
    return onBoard(number, -1, [mode](Board& board) {
        resetStep(board, 0xC0, std::nullopt, 0);
        resetStep(board, 0x10, lowHalf(mode) == 4 ? 4u : 0u, 1);
        resetStep(board, 0, std::nullopt, 0);
        const std::uint32_t control = readWord(board, code::kReadRegister, reg::kControl);
        writeWord(board, code::kWriteRegister, reg::kControl, control | 1u);
        busyWait(kSettleMilliseconds);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSreset(int32_t mode) {
    return DDMreset(0, mode);
}

TESSIO_API int32_t TESSIO_CALL DDMread_mem(int32_t number, uint32_t address, uint32_t* value) {
    return onBoard(number, -1, [=](Board& board) {
        *value = readWord(board, code::kReadMemory, address);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSread_mem(uint32_t address, uint32_t* value) {
    return DDMread_mem(0, address, value);
}

TESSIO_API int32_t TESSIO_CALL DDMwrite_mem(int32_t number, uint32_t address, uint32_t value) {
    return onBoard(number, -1, [=](Board& board) {
        writeWord(board, code::kWriteMemory, address, value);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSwrite_mem(uint32_t address, uint32_t value) {
    return DDMwrite_mem(0, address, value);
}

TESSIO_API int32_t TESSIO_CALL DDMread_reg(int32_t number, uint32_t address, uint32_t* value) {
    return onBoard(number, -1, [=](Board& board) {
        *value = readWord(board, code::kReadRegister, address - kRegisterBase);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSread_reg(uint32_t address, uint32_t* value) {
    return DDMread_reg(0, address, value);
}

TESSIO_API int32_t TESSIO_CALL DDMwrite_reg(int32_t number, uint32_t address, uint32_t value) {
    return onBoard(number, -1, [=](Board& board) {
        const std::uint32_t offset = address - kRegisterBase;
        writeWord(board, code::kWriteRegister, offset, value);
        // Keeps the mailbox on its page when an application moves the page register itself.
        if (offset == reg::kPage) board.page = value;
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSwrite_reg(uint32_t address, uint32_t value) {
    return DDMwrite_reg(0, address, value);
}

TESSIO_API int32_t TESSIO_CALL DDMread_pci_reg(int32_t number, uint32_t offset, uint32_t* value) {
    return onBoard(number, -1, [=](Board& board) {
        *value = readWord(board, code::kReadPci, offset);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSread_pci_reg(uint32_t offset, uint32_t* value) {
    return DDMread_pci_reg(0, offset, value);
}

TESSIO_API int32_t TESSIO_CALL DDMwrite_pci_reg(int32_t number, uint32_t offset, uint32_t value) {
    return onBoard(number, -1, [=](Board& board) {
        writeWord(board, code::kWritePci, offset, value);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSwrite_pci_reg(uint32_t offset, uint32_t value) {
    return DDMwrite_pci_reg(0, offset, value);
}

TESSIO_API int32_t TESSIO_CALL DDMdspdmaadr(int32_t number, uint32_t address) {
    return onBoard(number, -1, [=](Board& board) {
        sendWord(board, code::kSetDmaAddress, address);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSdspdmaadr(uint32_t address) {
    return DDMdspdmaadr(0, address);
}

}  // extern "C"
