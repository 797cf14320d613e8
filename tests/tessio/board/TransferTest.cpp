// Block, image and string transfers: the words posted, the bytes on the bus, the bytes stored.
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "tests/tessio/board/BoardTest.h"

namespace {

using Kind = tessio::test::SimulatedBoard::Call::Kind;
using tessio::test::SimulatedBoard;
constexpr int32_t kUnexpected = static_cast<int32_t>(0xFFFF0000u);
constexpr int32_t kNotTaken = 0x30000000;
constexpr uint32_t kReadRequest = 0xFC000000;
constexpr uint32_t kWriteRequest = 0xF8000000;
constexpr uint32_t kFinished = 0xF0000000;
constexpr unsigned char kGuard = 0xEE;

class TransferTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        open();
    }
    // What the board holds at the DMA address it hands out.
    std::vector<unsigned char>& blockData() { return board.bulk[board.blockAddress]; }
};

TEST_F(TransferTest, ReadOfFiveBytesPostsFiveMovesEightAndStoresFive) {
    blockData() = SimulatedBoard::wordBytes({0x41424344, 0x45464748});
    std::array<unsigned char, 8> buffer;
    buffer.fill(kGuard);
    EXPECT_EQ(DDMread(0, buffer.data(), 1, 5), 8);
    EXPECT_EQ(board.commandsTaken, (std::vector<uint32_t>{kReadRequest, kFinished}));
    EXPECT_EQ(board.dataTaken, std::vector<uint32_t>{5});
    EXPECT_EQ(board.dmaAddress, board.blockAddress);
    ASSERT_EQ(board.countCalls(Kind::BulkRead), 1u);
    const auto bulk = std::find_if(board.calls.begin(), board.calls.end(),
                                   [](const auto& c) { return c.kind == Kind::BulkRead; });
    EXPECT_EQ(bulk->length, 8u);
    EXPECT_EQ(std::memcmp(buffer.data(), "ABCDE", 5), 0);
    EXPECT_EQ(buffer[5], kGuard);
    EXPECT_EQ(buffer[7], kGuard);
}

TEST_F(TransferTest, ReadOfSixteenBitUnitsTakesTheHighHalfFirst) {
    blockData() = SimulatedBoard::wordBytes({0x11112222, 0x33334444});
    std::array<uint16_t, 4> values;
    values.fill(0xEEEE);
    EXPECT_EQ(DDSread(values.data(), 2, 3), 8);
    EXPECT_EQ(board.dataTaken, std::vector<uint32_t>{6});
    EXPECT_EQ(values, (std::array<uint16_t, 4>{0x1111, 0x2222, 0x3333, 0xEEEE}));
}

TEST_F(TransferTest, ReadOfWordsGoesStraightIntoTheCallersBuffer) {
    blockData() = SimulatedBoard::wordBytes({1, 2, 3, 0xDEADBEEF});
    std::array<uint32_t, 4> words{};
    EXPECT_EQ(DDMread(0, words.data(), 4, 4), 16);
    EXPECT_EQ(words, (std::array<uint32_t, 4>{1, 2, 3, 0xDEADBEEF}));
    EXPECT_EQ(board.dataTaken, std::vector<uint32_t>{16});
}

TEST_F(TransferTest, WritesPackUnitsMostSignificantFirstWithZeroPadding) {
    EXPECT_EQ(DDMwrite(0, "ABCDE", 1, 5), 8);
    EXPECT_EQ(board.commandsTaken, (std::vector<uint32_t>{kWriteRequest, kFinished}));
    EXPECT_EQ(board.dataTaken, std::vector<uint32_t>{5});
    EXPECT_EQ(blockData(), SimulatedBoard::wordBytes({0x41424344, 0x45000000}));

    const uint16_t values[] = {1, 2, 3};
    EXPECT_EQ(DDSwrite(values, 2, 3), 8);
    EXPECT_EQ(blockData(), SimulatedBoard::wordBytes({0x00010002, 0x00030000}));

    const uint32_t words[] = {0x01020304, 5, 6, 7};
    EXPECT_EQ(DDMwrite(0, words, 4, 4), 16);
    EXPECT_EQ(board.dataTaken.back(), 16u);
    EXPECT_EQ(blockData(), SimulatedBoard::wordBytes({0x01020304, 5, 6, 7}));
}

TEST_F(TransferTest, AnUnsupportedUnitStopsAfterTheDmaAddress) {
    unsigned char buffer[8] = {};
    EXPECT_EQ(DDMread(0, buffer, 3, 2), -1);
    EXPECT_EQ(board.commandsTaken, std::vector<uint32_t>{kReadRequest});
    EXPECT_EQ(board.dataTaken, std::vector<uint32_t>{6});
    EXPECT_EQ(board.calls.back().code, 0x222018u);
    EXPECT_EQ(board.countCalls(Kind::BulkRead), 0u);
    EXPECT_EQ(DDMwrite(0, buffer, 8, 1), -1);
    EXPECT_EQ(board.countCalls(Kind::BulkWrite), 0u);
}

TEST_F(TransferTest, AnUnexpectedAnswerAbandonsTheExchange) {
    unsigned char buffer[4] = {};
    board.requestAnswer = kFinished;
    EXPECT_EQ(DDMread(0, buffer, 4, 1), kUnexpected);
    EXPECT_TRUE(board.dataTaken.empty());

    board.requestAnswer.reset();
    board.countAnswer = 0x12345678;
    EXPECT_EQ(DDMwrite(0, buffer, 4, 1), kUnexpected);
    EXPECT_EQ(board.countControl(0x222018), 0u);
}

TEST_F(TransferTest, FailedOrShortBulkTransfersAreReportedAndStoreNothing) {
    blockData() = SimulatedBoard::wordBytes({0x41424344, 0x45464748});
    std::array<unsigned char, 8> buffer;
    buffer.fill(kGuard);
    board.bulkLimit = 4;
    EXPECT_EQ(DDMread(0, buffer.data(), 1, 8), kNotTaken);
    EXPECT_EQ(buffer[0], kGuard);
    EXPECT_EQ(DDMwrite(0, "ABCDEFGH", 1, 8), kNotTaken);
    const std::array<uint8_t, 12> image{};
    EXPECT_EQ(DDMwrite_image(0, 3, 3, image.data()), kNotTaken);

    board.bulkLimit.reset();
    board.bulkFails = true;
    EXPECT_EQ(DDMread(0, buffer.data(), 4, 2), kNotTaken);
    EXPECT_EQ(DDMread_image(0, 2, 2, buffer.data()), kNotTaken);
    EXPECT_EQ(DDMputs2(0, "A"), -1);
    // The finish word still closes each exchange, so the board is ready for the next one.
    board.bulkFails = false;
    EXPECT_EQ(DDMread(0, buffer.data(), 1, 8), 8);
}

TEST_F(TransferTest, NegativeOrOversizedCountsAreRefusedBeforeTheBoardIsAsked) {
    unsigned char buffer[4] = {};
    EXPECT_EQ(DDMread(0, buffer, 1, -4), -1);
    EXPECT_EQ(DDMwrite(0, buffer, 4, 0x20000000), -1);
    EXPECT_EQ(DDMread_image(0, -2, 2, buffer), -1);
    EXPECT_TRUE(board.calls.empty());
}

TEST_F(TransferTest, ImageReadPostsTheDeviceLengthAndStoresAllOfTheLastWord) {
    blockData() = SimulatedBoard::wordBytes({0x01020304, 0x05060708, 0x090A0B0C});
    std::array<uint8_t, 13> pixels;
    pixels.fill(kGuard);
    EXPECT_EQ(DDMread_image(0, 3, 3, pixels.data()), 12);
    EXPECT_EQ(board.dataTaken, std::vector<uint32_t>{12});
    for (int i = 0; i < 12; ++i) EXPECT_EQ(pixels[i], i + 1) << i;
    EXPECT_EQ(pixels[12], kGuard);

    // Sizes are signed 16-bit: 0x10003 is 3.
    EXPECT_EQ(DDSread_image(0x10003, 3, pixels.data()), 12);
    EXPECT_EQ(board.dataTaken.back(), 12u);
}

TEST_F(TransferTest, SixteenBitImagesTravelTwoSamplesPerWord) {
    const uint16_t samples[] = {0x0FFF, 0x0123, 0x0456, 0};
    EXPECT_EQ(DDMwrite_image16(0, 3, 1, samples), 8);
    EXPECT_EQ(board.dataTaken, std::vector<uint32_t>{8});
    EXPECT_EQ(blockData(), SimulatedBoard::wordBytes({0x0FFF0123, 0x04560000}));

    std::array<uint16_t, 5> back;
    back.fill(0xEEEE);
    EXPECT_EQ(DDSread_image16(3, 1, back.data()), 8);
    EXPECT_EQ(back, (std::array<uint16_t, 5>{0x0FFF, 0x0123, 0x0456, 0, 0xEEEE}));

    const uint8_t pixels[] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(DDSwrite_image(2, 3, pixels), 8);
    EXPECT_EQ(blockData(), SimulatedBoard::wordBytes({0x01020304, 0x05060708}));
}

TEST_F(TransferTest, ImageTransfersWaitForTheBoardOnlyAsLongAsItsTimeout) {
    board.takesCommands = false;
    DDMset_msg(0, 0x55);
    uint8_t pixels[4] = {};
    uint64_t before = board.clockMs;
    EXPECT_EQ(DDMwrite_image(0, 2, 2, pixels), kNotTaken);
    EXPECT_GE(board.clockMs - before, 3'000u);
    EXPECT_LT(board.clockMs - before, 5'000u);

    EXPECT_EQ(DDMset_timeout(0, 10), 0);
    before = board.clockMs;
    uint16_t samples[2] = {};
    EXPECT_EQ(DDMread_image16(0, 1, 2, samples), kNotTaken);
    EXPECT_GE(board.clockMs - before, 10'000u);
    EXPECT_TRUE(board.commandsTaken.empty());
    EXPECT_EQ(board.countCalls(Kind::BulkRead) + board.countCalls(Kind::BulkWrite), 0u);
}

TEST_F(TransferTest, StringsReadAsOneBlockAndCopyUpToTheirZeroByte) {
    blockData() = SimulatedBoard::wordBytes({0x48454C4C, 0x4F005858});
    char text[1024];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(DDMgets2(0, text), 6);
    EXPECT_STREQ(text, "HELLO");
    EXPECT_EQ(text[6], 'x');
    EXPECT_EQ(board.dataTaken, std::vector<uint32_t>{1024});

    blockData().assign(1024, 'Z');
    EXPECT_EQ(DDSgets2(text), 1024);
    EXPECT_EQ(text[1023], 'Z');

    board.requestAnswer = 0;
    EXPECT_EQ(DDMgets2(0, text), 0);
}

TEST_F(TransferTest, StringsWrittenEndWithAZeroByteAfterACarriageReturn) {
    EXPECT_EQ(DDMputs2(0, "AB\rCD"), 0);
    EXPECT_EQ(board.dataTaken, std::vector<uint32_t>{4});
    EXPECT_EQ(blockData(), SimulatedBoard::wordBytes({0x41420D00}));

    EXPECT_EQ(DDSputs2("ABCDE"), 0);
    EXPECT_EQ(board.dataTaken.back(), 8u);
    EXPECT_EQ(blockData(), SimulatedBoard::wordBytes({0x41424344, 0x45000000}));

    const std::string longText(2000, 'L');
    EXPECT_EQ(DDMputs2(0, longText.c_str()), 0);
    EXPECT_EQ(board.dataTaken.back(), 1024u);
}

TEST_F(TransferTest, AMebibyteMovesInOneBulkCallWithAFixedNumberOfMailboxCalls) {
    std::vector<uint32_t> words(16);
    ASSERT_EQ(DDMread(0, words.data(), 4, 16), 64);
    board.clearRecords();
    ASSERT_EQ(DDMread(0, words.data(), 4, 16), 64);
    const std::size_t smallControls = board.countCalls(Kind::Control);
    board.clearRecords();

    words.resize(1u << 18);
    ASSERT_EQ(DDMread(0, words.data(), 4, 1 << 18), 1 << 20);
    EXPECT_EQ(board.countCalls(Kind::BulkRead), 1u);
    EXPECT_EQ(board.countCalls(Kind::Control), smallControls);
    RecordProperty("device_calls_per_MiB_read", static_cast<int>(board.calls.size()));
}

}  // namespace
