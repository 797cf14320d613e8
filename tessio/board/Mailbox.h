#pragma once

#include <cstdint>

#include "tessio/board/BoardTable.h"

namespace tessio::board {

// Board memory addresses of the mailbox, valid while the page register holds kMailboxPage.
namespace mailbox {
inline constexpr std::uint32_t kMailboxPage = 0x202;
inline constexpr std::uint32_t kCommandFlag = 0x152A80;
inline constexpr std::uint32_t kDataFlag = 0x152A84;
inline constexpr std::uint32_t kCommandWord = 0x152A88;
inline constexpr std::uint32_t kDataWord = 0x152A8C;
inline constexpr std::uint32_t kReplyFlag = 0x152A90;
inline constexpr std::uint32_t kBoardDataFlag = 0x152A94;
inline constexpr std::uint32_t kReplyWord = 0x152A98;
inline constexpr std::uint32_t kBoardDataWord = 0x152A9C;
}  // namespace mailbox

// Words with a fixed meaning on the mailbox.
namespace word {
inline constexpr std::uint32_t kReadRequest = 0xFC000000;   // also the board's "will receive"
inline constexpr std::uint32_t kWriteRequest = 0xF8000000;  // also the board's "will deliver"
inline constexpr std::uint32_t kFinished = 0xF0000000;      // count accepted / block finished
inline constexpr std::uint32_t kStartWork = 0xF0010000;
inline constexpr std::uint32_t kEndWork = 0xF0020000;
}  // namespace word

// One mailbox access: one control call, preceded by a page register write only when the page
// cache does not already hold the mailbox page.
std::uint32_t readMailbox(Board& board, std::uint32_t address);
void writeMailbox(Board& board, std::uint32_t address, std::uint32_t value);

void postCommand(Board& board, std::uint32_t value);
void postData(Board& board, std::uint32_t value);

// Spin until the board has taken the posted word (bit 0 of its flag clear). With a limit in
// seconds (0: none), false once the limit has passed.
bool waitCommandTaken(Board& board, std::int32_t limitSeconds = 0);
bool waitDataTaken(Board& board, std::int32_t limitSeconds = 0);

// Spin until the board has a word ready, read it and acknowledge it.
std::uint32_t receiveReply(Board& board);
std::uint32_t receiveData(Board& board);

}  // namespace tessio::board
