// Message channel, typed values, texts, stopwatch and transfer timeout.
#include <cstring>

#include "tessio.h"
#include "tessio/board/BoardTable.h"
#include "tessio/board/Device.h"
#include "tessio/board/Mailbox.h"
#include "tessio/board/Transfers.h"

using namespace tessio::board;

namespace {

constexpr std::int32_t kShortestTimeout = 1;
constexpr std::int32_t kLongestTimeout = 100;
constexpr unsigned char kCarriageReturn = 13;

void sendData(Board& board, std::uint32_t value) {
    postData(board, value);
    waitDataTaken(board);
}

// Texts travel four bytes per word, the first byte most significant.
void sendText(Board& board, const char* text) {
    std::uint32_t word = 0;
    int shift = 24;
    for (const char* p = text;; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == 0) {
            sendData(board, word);
            return;
        }
        word |= static_cast<std::uint32_t>(c) << shift;
        if (c == kCarriageReturn) {
            sendData(board, word);
            // The board must still see the zero byte after the carriage return.
            if (shift == 0) sendData(board, 0);
            return;
        }
        if (shift == 0) {
            sendData(board, word);
            word = 0;
            shift = 24;
        } else {
            shift -= 8;
        }
    }
}

std::int32_t receiveText(Board& board, char* buffer) {
    std::int32_t stored = 0;
    for (;;) {
        const std::uint32_t word = receiveData(board);
        for (int shift = 24; shift >= 0; shift -= 8) {
            const auto c = static_cast<char>(word >> shift);
            buffer[stored++] = c;
            if (c == '\0') return stored;
        }
    }
}

}  // namespace

extern "C" {

TESSIO_API int32_t TESSIO_CALL DDMset_msg(int32_t number, uint32_t word) {
    return onBoard(number, -1, [word](Board& board) {
        postCommand(board, word);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSset_msg(uint32_t word) {
    return DDMset_msg(0, word);
}

TESSIO_API int32_t TESSIO_CALL DDMread_msg(int32_t number) {
    return onBoard(number, kUnexpectedReply, [](Board& board) {
        std::uint32_t reply;
        do {
            reply = receiveReply(board);
        } while (reply == 0);
        return static_cast<std::int32_t>(reply);
    });
}
TESSIO_API int32_t TESSIO_CALL DDSread_msg(void) {
    return DDMread_msg(0);
}

TESSIO_API int32_t TESSIO_CALL DDMchk_msg(int32_t number) {
    return onBoard(number, 0, [](Board& board) {
        if ((readMailbox(board, mailbox::kReplyFlag) & 1u) == 0) return 0;
        const std::uint32_t reply = readMailbox(board, mailbox::kReplyWord);
        writeMailbox(board, mailbox::kReplyFlag, 0);
        return static_cast<std::int32_t>(reply & 0xFFFF0000u);
    });
}
TESSIO_API int32_t TESSIO_CALL DDSchk_msg(void) {
    return DDMchk_msg(0);
}

TESSIO_API int32_t TESSIO_CALL DDMstat(int32_t number) {
    return onBoard(number, 0, [](Board& board) {
        const std::uint32_t reply = readMailbox(board, mailbox::kReplyFlag);
        const std::uint32_t data = readMailbox(board, mailbox::kBoardDataFlag);
        return ((reply | data) & 1u) != 0 ? 1 : 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSstat(void) {
    return DDMstat(0);
}

TESSIO_API int32_t TESSIO_CALL DDMwrite_int(int32_t number, int32_t value) {
    return onBoard(number, kUnexpectedReply, [value](Board& board) {
        sendData(board, static_cast<std::uint32_t>(value) & 0xFFFFu);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSwrite_int(int32_t value) {
    return DDMwrite_int(0, value);
}

TESSIO_API int32_t TESSIO_CALL DDMwrite_byte(int32_t number, int32_t value) {
    return onBoard(number, kUnexpectedReply, [value](Board& board) {
        sendData(board, static_cast<std::uint32_t>(value) & 0xFFu);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSwrite_byte(int32_t value) {
    return DDMwrite_byte(0, value);
}

TESSIO_API int32_t TESSIO_CALL DDMwrite_long(int32_t number, int32_t value) {
    return onBoard(number, kUnexpectedReply, [value](Board& board) {
        sendData(board, static_cast<std::uint32_t>(value));
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSwrite_long(int32_t value) {
    return DDMwrite_long(0, value);
}

TESSIO_API int32_t TESSIO_CALL DDMwrite_double(int32_t number, const double* value) {
    return onBoard(number, kUnexpectedReply, [value](Board& board) {
        std::uint64_t bits;
        std::memcpy(&bits, value, sizeof bits);
        sendData(board, static_cast<std::uint32_t>(bits >> 32));
        sendData(board, static_cast<std::uint32_t>(bits));
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSwrite_double(const double* value) {
    return DDMwrite_double(0, value);
}

TESSIO_API int32_t TESSIO_CALL DDMputc(int32_t number, int32_t character) {
    return onBoard(number, -1, [character](Board& board) {
        sendData(board, static_cast<std::uint32_t>(character) & 0xFFu);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSputc(int32_t character) {
    return DDMputc(0, character);
}

TESSIO_API int32_t TESSIO_CALL DDMputs(int32_t number, const char* text) {
    return onBoard(number, -1, [text](Board& board) {
        sendText(board, text);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSputs(const char* text) {
    return DDMputs(0, text);
}

TESSIO_API int32_t TESSIO_CALL DDMread_int(int32_t number) {
    return onBoard(number, kUnexpectedReply, [](Board& board) {
        return static_cast<std::int32_t>(receiveData(board) & 0xFFFFu);
    });
}
TESSIO_API int32_t TESSIO_CALL DDSread_int(void) {
    return DDMread_int(0);
}
TESSIO_API int32_t TESSIO_CALL DDMgetc(int32_t number) {
    return DDMread_int(number);
}
TESSIO_API int32_t TESSIO_CALL DDSgetc(void) {
    return DDMread_int(0);
}

TESSIO_API int32_t TESSIO_CALL DDMread_byte(int32_t number) {
    return onBoard(number, kUnexpectedReply, [](Board& board) {
        return static_cast<std::int32_t>(receiveData(board) & 0xFFu);
    });
}
TESSIO_API int32_t TESSIO_CALL DDSread_byte(void) {
    return DDMread_byte(0);
}

TESSIO_API int32_t TESSIO_CALL DDMread_long(int32_t number, int32_t* value) {
    return onBoard(number, kUnexpectedReply, [value](Board& board) {
        *value = static_cast<std::int32_t>(receiveData(board));
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSread_long(int32_t* value) {
    return DDMread_long(0, value);
}

TESSIO_API int32_t TESSIO_CALL DDMread_intm(int32_t number, int32_t* value) {
    return onBoard(number, kUnexpectedReply, [value](Board& board) {
        *value = static_cast<std::int32_t>(receiveData(board) & 0xFFFFu);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSread_intm(int32_t* value) {
    return DDMread_intm(0, value);
}

TESSIO_API int32_t TESSIO_CALL DDMread_double(int32_t number, double* value) {
    return onBoard(number, kUnexpectedReply, [value](Board& board) {
        const std::uint64_t lower = receiveData(board);
        const std::uint64_t upper = receiveData(board);
        const std::uint64_t bits = upper << 32 | lower;
        std::memcpy(value, &bits, sizeof bits);
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSread_double(double* value) {
    return DDMread_double(0, value);
}

TESSIO_API int32_t TESSIO_CALL DDMgets(int32_t number, char* buffer) {
    return onBoard(number, 0, [buffer](Board& board) { return receiveText(board, buffer); });
}
TESSIO_API int32_t TESSIO_CALL DDSgets(char* buffer) {
    return DDMgets(0, buffer);
}

TESSIO_API int32_t TESSIO_CALL DDMreset_timer(int32_t number) {
    return onBoard(number, -1, [](Board& board) {
        board.timerStart = tessio::backend().tickCount();
        return 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSreset_timer(void) {
    return DDMreset_timer(0);
}

TESSIO_API int32_t TESSIO_CALL DDMlaptime(int32_t number) {
    return onBoard(number, -1, [](Board& board) {
        return static_cast<std::int32_t>(tessio::backend().tickCount() - board.timerStart);
    });
}
TESSIO_API int32_t TESSIO_CALL DDSlaptime(void) {
    return DDMlaptime(0);
}

TESSIO_API int32_t TESSIO_CALL DDMset_timeout(int32_t number, int32_t seconds) {
    return onBoard(number, -1, [seconds](Board& board) {
        if (seconds < kShortestTimeout || seconds > kLongestTimeout) return board.timeout;
        board.timeout = seconds;
        return static_cast<std::int32_t>(
            readWord(board, code::kSetTimeout, static_cast<std::uint32_t>(seconds)));
    });
}
TESSIO_API int32_t TESSIO_CALL DDSset_timeout(int32_t seconds) {
    return DDMset_timeout(0, seconds);
}

}  // extern "C"
