#include "tessio/board/BoardTable.h"

namespace tessio::board {

BoardTable& boardTable() {
    static BoardTable table;
    return table;
}

Board* findBoard(std::int32_t number) {
    const auto index = static_cast<std::int16_t>(static_cast<std::uint32_t>(number) & 0xFFFFu);
    if (index < 0 || index >= kBoardCount) return nullptr;
    return &boardTable()[static_cast<std::size_t>(index)];
}

}  // namespace tessio::board
