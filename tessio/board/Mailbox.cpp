#include "tessio/board/Mailbox.h"

#include "tessio/board/Device.h"

namespace tessio::board {

namespace {

void selectMailbox(Board& board) {
    if (board.page != mailbox::kMailboxPage) selectPage(board, mailbox::kMailboxPage);
}

bool waitClear(Board& board, std::uint32_t flag, std::int32_t limitSeconds) {
    const Deadline deadline(limitSeconds);
    while ((readMailbox(board, flag) & 1u) != 0) {
        if (deadline.passed()) return false;
    }
    return true;
}

std::uint32_t receive(Board& board, std::uint32_t flag, std::uint32_t address) {
    while ((readMailbox(board, flag) & 1u) == 0) {
    }
    const std::uint32_t value = readMailbox(board, address);
    writeMailbox(board, flag, 0);
    return value;
}

}  // namespace

std::uint32_t readMailbox(Board& board, std::uint32_t address) {
    selectMailbox(board);
    return readWord(board, code::kReadMemory, address);
}

void writeMailbox(Board& board, std::uint32_t address, std::uint32_t value) {
    selectMailbox(board);
    writeWord(board, code::kWriteMemory, address, value);
}

void postCommand(Board& board, std::uint32_t value) {
    writeMailbox(board, mailbox::kCommandWord, value);
    writeMailbox(board, mailbox::kCommandFlag, 1);
}

void postData(Board& board, std::uint32_t value) {
    writeMailbox(board, mailbox::kDataWord, value);
    writeMailbox(board, mailbox::kDataFlag, 1);
}

bool waitCommandTaken(Board& board, std::int32_t limitSeconds) {
    return waitClear(board, mailbox::kCommandFlag, limitSeconds);
}

bool waitDataTaken(Board& board, std::int32_t limitSeconds) {
    return waitClear(board, mailbox::kDataFlag, limitSeconds);
}

std::uint32_t receiveReply(Board& board) {
    return receive(board, mailbox::kReplyFlag, mailbox::kReplyWord);
}

std::uint32_t receiveData(Board& board) {
    return receive(board, mailbox::kBoardDataFlag, mailbox::kBoardDataWord);
}

}  // namespace tessio::board
