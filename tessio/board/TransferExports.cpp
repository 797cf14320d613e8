// Block, image and string transfers.
#include <algorithm>
#include <cstring>

#include "tessio.h"
#include "tessio/board/BoardTable.h"
#include "tessio/board/Transfers.h"

using namespace tessio::board;

extern "C" {

TESSIO_API int32_t TESSIO_CALL DDMread(int32_t number, void* buffer, int32_t unit, int32_t count) {
    return onBoard(number, -1, [=](Board& board) { return readBlock(board, buffer, unit, count); });
}
TESSIO_API int32_t TESSIO_CALL DDSread(void* buffer, int32_t unit, int32_t count) {
    return DDMread(0, buffer, unit, count);
}

TESSIO_API int32_t TESSIO_CALL DDMwrite(int32_t number, const void* buffer, int32_t unit,
                                        int32_t count) {
    return onBoard(number, -1,
                   [=](Board& board) { return writeBlock(board, buffer, unit, count); });
}
TESSIO_API int32_t TESSIO_CALL DDSwrite(const void* buffer, int32_t unit, int32_t count) {
    return DDMwrite(0, buffer, unit, count);
}

TESSIO_API int32_t TESSIO_CALL DDMread_image(int32_t number, int32_t width, int32_t height,
                                             uint8_t* buffer) {
    return onBoard(number, -1,
                   [=](Board& board) { return readImage(board, buffer, 1, width, height); });
}
TESSIO_API int32_t TESSIO_CALL DDSread_image(int32_t width, int32_t height, uint8_t* buffer) {
    return DDMread_image(0, width, height, buffer);
}

TESSIO_API int32_t TESSIO_CALL DDMread_image16(int32_t number, int32_t width, int32_t height,
                                               uint16_t* buffer) {
    return onBoard(number, -1,
                   [=](Board& board) { return readImage(board, buffer, 2, width, height); });
}
TESSIO_API int32_t TESSIO_CALL DDSread_image16(int32_t width, int32_t height, uint16_t* buffer) {
    return DDMread_image16(0, width, height, buffer);
}

TESSIO_API int32_t TESSIO_CALL DDMwrite_image(int32_t number, int32_t width, int32_t height,
                                              const uint8_t* buffer) {
    return onBoard(number, -1,
                   [=](Board& board) { return writeImage(board, buffer, 1, width, height); });
}
TESSIO_API int32_t TESSIO_CALL DDSwrite_image(int32_t width, int32_t height,
                                              const uint8_t* buffer) {
    return DDMwrite_image(0, width, height, buffer);
}

TESSIO_API int32_t TESSIO_CALL DDMwrite_image16(int32_t number, int32_t width, int32_t height,
                                                const uint16_t* buffer) {
    return onBoard(number, -1,
                   [=](Board& board) { return writeImage(board, buffer, 2, width, height); });
}
TESSIO_API int32_t TESSIO_CALL DDSwrite_image16(int32_t width, int32_t height,
                                                const uint16_t* buffer) {
    return DDMwrite_image16(0, width, height, buffer);
}

TESSIO_API int32_t TESSIO_CALL DDMgets2(int32_t number, char* buffer) {
    return onBoard(number, -1, [buffer](Board& board) {
        const std::int32_t moved =
            readBlock(board, board.strings.data(), 1, static_cast<std::int32_t>(kStringBufferSize));
        if (isTransferError(moved)) return 0;
        const auto end = std::find(board.strings.begin(), board.strings.end(), '\0');
        const auto copied =
            std::min<std::size_t>(end - board.strings.begin() + 1, kStringBufferSize);
        std::memcpy(buffer, board.strings.data(), copied);
        return static_cast<std::int32_t>(copied);
    });
}
TESSIO_API int32_t TESSIO_CALL DDSgets2(char* buffer) {
    return DDMgets2(0, buffer);
}

TESSIO_API int32_t TESSIO_CALL DDMputs2(int32_t number, const char* text) {
    return onBoard(number, -1, [text](Board& board) {
        board.strings.fill('\0');
        std::size_t copied = 0;
        while (copied < kStringBufferSize) {
            const char c = text[copied];
            board.strings[copied++] = c;
            if (c == '\0') break;
            // A carriage return ends the text too; the board still gets its zero byte.
            if (c == '\r') {
                if (copied < kStringBufferSize) ++copied;
                break;
            }
        }
        const auto count = static_cast<std::int32_t>((copied + 3) & ~std::size_t{3});
        // A failed bulk transfer gives a positive error value; it is still a failure.
        const std::int32_t moved = writeBlock(board, board.strings.data(), 1, count);
        return isTransferError(moved) ? -1 : 0;
    });
}
TESSIO_API int32_t TESSIO_CALL DDSputs2(const char* text) {
    return DDMputs2(0, text);
}

}  // extern "C"
