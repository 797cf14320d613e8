// Messages, typed values, texts, the stopwatch and the transfer timeout, as words on the mailbox.
#include <cstring>
#include <vector>

#include "tests/tessio/board/BoardTest.h"

namespace {

using Words = std::vector<uint32_t>;

class MessageTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        open();
    }
};

TEST_F(MessageTest, TypedValuesPostTheirBitsAsDataWords) {
    EXPECT_EQ(DDMwrite_int(0, 0x12345), 0);
    EXPECT_EQ(DDSwrite_byte(0x1FF), 0);
    EXPECT_EQ(DDMwrite_long(0, -2), 0);
    EXPECT_EQ(DDSputc(0x141), 0);
    const double one = 1.0;
    EXPECT_EQ(DDMwrite_double(0, &one), 0);
    EXPECT_EQ(board.dataTaken, (Words{0x2345, 0xFF, 0xFFFFFFFE, 0x41, 0x3FF00000, 0}));
}

TEST_F(MessageTest, TypedWritesWaitUntilTheBoardTakesEachWord) {
    board.takeDelay = 50;
    const uint64_t before = board.clockMs;
    EXPECT_EQ(DDMwrite_long(0, 7), 0);
    EXPECT_EQ(board.dataTaken, Words{7});
    EXPECT_GE(board.clockMs - before, 50u);
}

TEST_F(MessageTest, TextsTravelFourBytesPerWordEndedByAZeroByte) {
    const struct {
        const char* text;
        Words words;
    } cases[] = {
        {"ABCD", {0x41424344, 0}},
        {"AB", {0x41420000}},
        {"ABC\r", {0x4142430D, 0}},
        {"A\rBC", {0x410D0000}},
        {"", {0}},
        {"A\xE0", {0x41E00000}},
        {"ABCDEFG", {0x41424344, 0x45464700}},
    };
    for (const auto& c : cases) {
        board.dataTaken.clear();
        EXPECT_EQ(DDMputs(0, c.text), 0) << c.text;
        EXPECT_EQ(board.dataTaken, c.words) << c.text;
    }
}

TEST_F(MessageTest, TypedReadsTakeTheirBitsFromDataWords) {
    board.boardData = {0xABCD1234, 0xABCD12F5, 0xABCD1234, 0x80000001, 0xFFFF8765};
    EXPECT_EQ(DDMread_int(0), 0x1234);
    EXPECT_EQ(DDSread_byte(), 0xF5);
    EXPECT_EQ(DDSgetc(), 0x1234);
    int32_t value = 0;
    EXPECT_EQ(DDMread_long(0, &value), 0);
    EXPECT_EQ(value, static_cast<int32_t>(0x80000001));
    EXPECT_EQ(DDSread_intm(&value), 0);
    EXPECT_EQ(value, 0x8765);
    EXPECT_TRUE(board.boardData.empty()) << "every word is acknowledged";
}

TEST_F(MessageTest, DoubleReadStoresTheFirstWordInTheLowerHalf) {
    board.boardData = {0x3FF00000, 0};
    double value = -1;
    EXPECT_EQ(DDMread_double(0, &value), 0);
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    EXPECT_EQ(bits, 0x000000003FF00000u);
}

TEST_F(MessageTest, TextReadStopsRightAfterTheZeroByte) {
    board.boardData = {0x41420000, 0x43440000};
    char text[8];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(DDMgets(0, text), 3);
    EXPECT_STREQ(text, "AB");
    EXPECT_EQ(text[3], 'x');
    EXPECT_EQ(board.boardData.size(), 1u);

    board.boardData = {0x48454C4C, 0x4F000000};
    EXPECT_EQ(DDSgets(text), 6);
    EXPECT_STREQ(text,
                 "HELL"
                 "O");
}

TEST_F(MessageTest, MessagesGoToTheCommandWordAndRepliesSkipZeroWords) {
    EXPECT_EQ(DDMset_msg(0, 0x0A0B0C0D), 0);
    EXPECT_EQ(board.commandsTaken, Words{0x0A0B0C0D});

    board.replies = {0, 0, 0x00001234};
    EXPECT_EQ(DDSread_msg(), 0x1234);
    EXPECT_TRUE(board.replies.empty());
}

TEST_F(MessageTest, CheckTakesAWaitingReplyOnceWithItsLowHalfCleared) {
    EXPECT_EQ(DDMchk_msg(0), 0);
    board.replies = {0xF0001234};
    EXPECT_EQ(DDMchk_msg(0), static_cast<int32_t>(0xF0000000u));
    EXPECT_EQ(DDSchk_msg(), 0);
}

TEST_F(MessageTest, StatusSeesRepliesAndDataWordsWithoutTakingThem) {
    EXPECT_EQ(DDMstat(0), 0);
    board.boardData = {5};
    EXPECT_EQ(DDSstat(), 1);
    board.boardData.clear();
    board.replies = {6};
    EXPECT_EQ(DDMstat(0), 1);
    EXPECT_EQ(board.replies.size(), 1u);
}

TEST_F(MessageTest, StopwatchCountsVirtualMillisecondsAcrossTheWrap) {
    board.clockMs = 0xFFFFFF00u;
    EXPECT_EQ(DDMreset_timer(0), 0);
    board.clockMs += 0x300;
    const int32_t lap = DDSlaptime();
    EXPECT_GE(lap, 0x300);
    EXPECT_LE(lap, 0x302);
}

TEST_F(MessageTest, StopwatchBeforeAnyResetGivesTheTickCount) {
    board.clockMs = 5000;
    EXPECT_EQ(DDMlaptime(3), 5000);
}

TEST_F(MessageTest, TimeoutOutsideOneToHundredChangesNothing) {
    EXPECT_EQ(DDMset_timeout(0, 0), 3);
    EXPECT_EQ(DDSset_timeout(101), 3);
    EXPECT_EQ(board.countControl(0x222020), 0u);

    board.timeoutAnswer = 0x77;
    EXPECT_EQ(DDMset_timeout(0, 100), 0x77);
    ASSERT_EQ(board.countControl(0x222020), 1u);
    EXPECT_EQ(board.calls.back().arguments, Words{100});
    EXPECT_EQ(DDMset_timeout(0, -5), 100);
    EXPECT_EQ(tessio::board::boardTable()[1].timeout, 3);
}

}  // namespace
