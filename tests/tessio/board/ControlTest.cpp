// Identity, handshakes, reset, word access and the page register, as the board sees them.
#include <functional>

#include "tests/tessio/board/BoardTest.h"

namespace {

using Kind = tessio::test::SimulatedBoard::Call::Kind;
using Step = tessio::test::SimulatedBoard::ResetStep;
constexpr uint32_t kPageRegister = 0x41FFF8;
constexpr int32_t kUnexpected = static_cast<int32_t>(0xFFFF0000u);

class ControlTest : public BoardTest {};

TEST_F(ControlTest, IdentityFieldSelectsTheModel) {
    open();
    const struct {
        uint32_t field;
        int32_t model;
    } cases[] = {{1, 7100}, {8, 7110}, {3, 0}, {0, 0}};
    for (const auto& c : cases) {
        // The other bits of the identity word are not the model's business.
        board.memory[{0x240, 0xF000C}] = c.field << 20 | 0xFF0FFFFFu;
        EXPECT_EQ(DDMgetid(0), c.model) << c.field;
    }
    EXPECT_EQ(DDSgetid(), 0);
    const auto& last = board.calls.back();
    EXPECT_EQ(last.code, 0x222000u);
    EXPECT_EQ(last.arguments, std::vector<uint32_t>{0xF000C});
}

TEST_F(ControlTest, PageRegisterIsWrittenOnceForARunOfMailboxAccesses) {
    open();
    DDMset_msg(0, 1);
    DDMset_msg(0, 2);
    EXPECT_EQ(DDMstat(0), 0);
    EXPECT_EQ(board.registerWrites(kPageRegister), (std::vector<uint32_t>{0x202}));

    // The identity page moves it; the next mailbox access moves it back.
    board.memory[{0x240, 0xF000C}] = 1u << 20;
    EXPECT_EQ(DDMgetid(0), 7100);
    DDMset_msg(0, 3);
    EXPECT_EQ(board.registerWrites(kPageRegister), (std::vector<uint32_t>{0x202, 0x240, 0x202}));
    EXPECT_EQ(board.commandsTaken, (std::vector<uint32_t>{1, 2, 3}));
}

TEST_F(ControlTest, PageRegisterIsWrittenAgainAfterTheStartHandshake) {
    open();
    ASSERT_EQ(DDMopen(0, 3), 0);
    DDMset_msg(0, 7);
    EXPECT_EQ(board.registerWrites(kPageRegister), (std::vector<uint32_t>{0x202, 0x202}));
}

TEST_F(ControlTest, AnApplicationMovingThePageRegisterDoesNotLoseTheMailbox) {
    open();
    DDMset_msg(0, 1);
    EXPECT_EQ(DDMwrite_reg(0, 0x1800000 + kPageRegister, 0x100), 0);
    DDMset_msg(0, 2);
    EXPECT_EQ(board.registerWrites(kPageRegister), (std::vector<uint32_t>{0x202, 0x100, 0x202}));
    EXPECT_EQ(board.commandsTaken, (std::vector<uint32_t>{1, 2}));
}

TEST_F(ControlTest, StartHandshakeWaitsASecondThenPostsTheStartWord) {
    open();
    EXPECT_EQ(DDSopen(3), 0);
    EXPECT_EQ(board.commandsTaken, std::vector<uint32_t>{0xF0010000});
    ASSERT_FALSE(board.calls.empty());
    EXPECT_GE(board.calls.front().at, 1000u);
    EXPECT_TRUE(board.replies.empty()) << "the echo is acknowledged";
}

TEST_F(ControlTest, StartHandshakeWithTimeoutZeroWaitsForALateAnswer) {
    open();
    board.answerDelayMs = 120'000;
    EXPECT_EQ(DDMopen(0, 0), 0);
    EXPECT_GE(board.clockMs, 120'000u);
}

TEST_F(ControlTest, StartHandshakeFailsOnAnotherWordOrNoAnswerInTime) {
    open();
    board.startAnswer = 0x12345678;
    EXPECT_EQ(DDMopen(0, 0), -1);
    EXPECT_TRUE(board.replies.empty());

    board.startAnswer = 0xF0010000;
    board.answerDelayMs = 10'000;
    const uint64_t before = board.clockMs;
    EXPECT_EQ(DDMopen(0, 3), -1);
    EXPECT_LT(board.clockMs - before, 10'000u);
    EXPECT_GE(board.clockMs - before, 3'000u);
}

TEST_F(ControlTest, ABoardThatNeverTakesTheStartWordTimesOut) {
    open();
    board.takesCommands = false;
    // Only the low 16 bits of the timeout count.
    EXPECT_EQ(DDMopen(0, 0x10002), -1);
    EXPECT_TRUE(board.commandsTaken.empty());
    EXPECT_GE(board.wallSeconds() - board.wallStart, 2);
}

TEST_F(ControlTest, EndHandshakePostsTheEndWordAndClosesOnlyWhenTheBoardIsFree) {
    open();
    board.takesCommands = false;
    DDMset_msg(0, 0x1234);
    EXPECT_EQ(DDMclose(0, 2), -1);
    EXPECT_EQ(board.countCalls(Kind::Close), 0u);

    board.takesCommands = true;
    EXPECT_EQ(DDSclose(2), 0);
    EXPECT_EQ(board.commandsTaken, (std::vector<uint32_t>{0x1234, 0xF0020000}));
    EXPECT_EQ(board.countCalls(Kind::Close), 1u);
    EXPECT_EQ(tessio::board::boardTable()[0].device, tessio::kInvalidDevice);
}

TEST_F(ControlTest, ResetRunsTheResetInterfaceAndSetsControlBitZero) {
    open();
    board.registers[0x41FFF4] = 0x80;
    EXPECT_EQ(DDMreset(0, 0x10004), 0);
    ASSERT_EQ(board.resetSteps.size(), 3u);
    EXPECT_EQ(board.resetSteps[0].command, 0xC0u);
    EXPECT_EQ(board.resetSteps[0].control, 0u);
    EXPECT_EQ(board.resetSteps[1].command, 0x10u);
    EXPECT_EQ(board.resetSteps[1].data, 4u);
    EXPECT_EQ(board.resetSteps[1].control, 1u);
    EXPECT_EQ(board.resetSteps[2].command, 0u);
    EXPECT_EQ(board.resetSteps[2].control, 0u);
    EXPECT_EQ(board.registers[0x41FFF4], 0x81u);
    EXPECT_GE(board.clockMs - board.calls.back().at, 1000u);

    // Each step waits for the reset interface to report it done before the next one starts.
    board.clearRecords();
    board.resetBusyReads = 4;
    EXPECT_EQ(DDSreset(5), 0);
    EXPECT_EQ(board.countControl(0x222008), 3u * 5u + 1u);
    ASSERT_EQ(board.resetSteps.size(), 3u);
    EXPECT_EQ(board.resetSteps[1].data, 0u);
}

TEST_F(ControlTest, WordAccessReachesMemoryRegistersPciAndTheDmaAddress) {
    open();
    uint32_t value = 0;
    board.registers[0x41FFF8] = 0x240;
    EXPECT_EQ(DDMread_reg(0, 0x1C1FFF8, &value), 0);
    EXPECT_EQ(value, 0x240u);
    EXPECT_EQ(board.calls.back().arguments, std::vector<uint32_t>{0x41FFF8});

    EXPECT_EQ(DDSwrite_reg(0x1800010, 0xAB), 0);
    EXPECT_EQ(board.registers[0x10], 0xABu);

    EXPECT_EQ(DDMwrite_mem(0, 0x1000, 0xCAFEF00D), 0);
    EXPECT_EQ(DDSread_mem(0x1000, &value), 0);
    EXPECT_EQ(value, 0xCAFEF00Du);
    EXPECT_EQ(board.calls.back().code, 0x222000u);

    EXPECT_EQ(DDMwrite_pci_reg(0, 0x10, 0xFEEDu), 0);
    EXPECT_EQ(DDSread_pci_reg(0x10, &value), 0);
    EXPECT_EQ(value, 0xFEEDu);
    EXPECT_EQ(board.countControl(0x222014), 1u);

    EXPECT_EQ(DDMdspdmaadr(0, 0x800000), 0);
    EXPECT_EQ(board.dmaAddress, 0x800000u);
}

TEST_F(ControlTest, EveryFamilyRejectsABadBoardNumberWithItsValueAndNoDeviceCall) {
    open();
    uint32_t word = 0;
    int32_t value = 0;
    double real = 0;
    char text[1024] = "A";
    uint8_t pixels[4] = {};
    uint16_t samples[2] = {};
    const struct {
        const char* name;
        std::function<int32_t(int32_t)> call;
        int32_t rejected;
    } exports[] = {
        {"DDMgetid", [](int32_t b) { return DDMgetid(b); }, -1},
        {"DDMopen", [](int32_t b) { return DDMopen(b, 1); }, -1},
        {"DDMclose", [](int32_t b) { return DDMclose(b, 1); }, -1},
        {"DDMreset", [](int32_t b) { return DDMreset(b, 4); }, -1},
        {"DDMread_mem", [&](int32_t b) { return DDMread_mem(b, 0, &word); }, -1},
        {"DDMwrite_mem", [](int32_t b) { return DDMwrite_mem(b, 0, 0); }, -1},
        {"DDMread_reg", [&](int32_t b) { return DDMread_reg(b, 0x1800000, &word); }, -1},
        {"DDMwrite_reg", [](int32_t b) { return DDMwrite_reg(b, 0x1800000, 0); }, -1},
        {"DDMread_pci_reg", [&](int32_t b) { return DDMread_pci_reg(b, 0, &word); }, -1},
        {"DDMwrite_pci_reg", [](int32_t b) { return DDMwrite_pci_reg(b, 0, 0); }, -1},
        {"DDMdspdmaadr", [](int32_t b) { return DDMdspdmaadr(b, 0); }, -1},
        {"DDMread", [&](int32_t b) { return DDMread(b, text, 1, 4); }, -1},
        {"DDMwrite", [&](int32_t b) { return DDMwrite(b, text, 1, 4); }, -1},
        {"DDMread_image", [&](int32_t b) { return DDMread_image(b, 2, 2, pixels); }, -1},
        {"DDMread_image16", [&](int32_t b) { return DDMread_image16(b, 1, 2, samples); }, -1},
        {"DDMwrite_image", [&](int32_t b) { return DDMwrite_image(b, 2, 2, pixels); }, -1},
        {"DDMwrite_image16", [&](int32_t b) { return DDMwrite_image16(b, 1, 2, samples); }, -1},
        {"DDMgets2", [&](int32_t b) { return DDMgets2(b, text); }, -1},
        {"DDMputs2", [](int32_t b) { return DDMputs2(b, "A"); }, -1},
        {"DDMreset_timer", [](int32_t b) { return DDMreset_timer(b); }, -1},
        {"DDMlaptime", [](int32_t b) { return DDMlaptime(b); }, -1},
        {"DDMset_msg", [](int32_t b) { return DDMset_msg(b, 1); }, -1},
        {"DDMputc", [](int32_t b) { return DDMputc(b, 'A'); }, -1},
        {"DDMputs", [](int32_t b) { return DDMputs(b, "A"); }, -1},
        {"DDMset_timeout", [](int32_t b) { return DDMset_timeout(b, 10); }, -1},
        {"DDMread_msg", [](int32_t b) { return DDMread_msg(b); }, kUnexpected},
        {"DDMread_int", [](int32_t b) { return DDMread_int(b); }, kUnexpected},
        {"DDMgetc", [](int32_t b) { return DDMgetc(b); }, kUnexpected},
        {"DDMread_intm", [&](int32_t b) { return DDMread_intm(b, &value); }, kUnexpected},
        {"DDMread_long", [&](int32_t b) { return DDMread_long(b, &value); }, kUnexpected},
        {"DDMread_double", [&](int32_t b) { return DDMread_double(b, &real); }, kUnexpected},
        {"DDMread_byte", [](int32_t b) { return DDMread_byte(b); }, kUnexpected},
        {"DDMwrite_int", [](int32_t b) { return DDMwrite_int(b, 1); }, kUnexpected},
        {"DDMwrite_long", [](int32_t b) { return DDMwrite_long(b, 1); }, kUnexpected},
        {"DDMwrite_double", [&](int32_t b) { return DDMwrite_double(b, &real); }, kUnexpected},
        {"DDMwrite_byte", [](int32_t b) { return DDMwrite_byte(b, 1); }, kUnexpected},
        {"DDMgets", [&](int32_t b) { return DDMgets(b, text); }, 0},
        {"DDMchk_msg", [](int32_t b) { return DDMchk_msg(b); }, 0},
        {"DDMstat", [](int32_t b) { return DDMstat(b); }, 0},
    };
    // A reply waiting on board 0 must not be seen through a bad number.
    board.replies.push_back(0xF0001234);
    for (const auto& e : exports)
        for (const int32_t number : {8, -1, 0x10008})
            EXPECT_EQ(e.call(number), e.rejected) << e.name << " " << number;
    EXPECT_TRUE(board.calls.empty());
    EXPECT_EQ(tessio::board::boardTable()[0].timeout, 3);
    EXPECT_EQ(text[0], 'A');
}

}  // namespace
