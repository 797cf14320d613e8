// An application's session with a board, through the exported functions only.
#include <vector>

#include "tests/tessio/board/BoardTest.h"

namespace {

class ApplicationTest : public BoardTest {};

TEST_F(ApplicationTest, OpenResetWriteAnImageReadItBackAndClose) {
    board.memory[{0x240, 0xF000C}] = 8u << 20;
    ASSERT_EQ(DDSopen_sys(), 0);
    EXPECT_EQ(DDSgetver(), 120);
    EXPECT_EQ(DDSgetid(), 7110);
    ASSERT_EQ(DDSreset(4), 0);
    ASSERT_EQ(DDSopen(5), 0);

    const int32_t width = 63;
    const int32_t height = 5;
    const std::size_t deviceLength = (width * height + 3) & ~3;
    std::vector<uint8_t> image(deviceLength);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7 + 1);
    ASSERT_EQ(DDSwrite_image(width, height, image.data()), static_cast<int32_t>(deviceLength));

    std::vector<uint8_t> back(deviceLength);
    ASSERT_EQ(DDSread_image(width, height, back.data()), static_cast<int32_t>(deviceLength));
    EXPECT_EQ(back, image);

    EXPECT_EQ(DDSclose(5), 0);
    EXPECT_EQ(board.commandsTaken.front(), 0xF0010000u);
    EXPECT_EQ(board.commandsTaken.back(), 0xF0020000u);
    EXPECT_EQ(board.countCalls(tessio::test::SimulatedBoard::Call::Kind::Close), 1u);
}

}  // namespace
