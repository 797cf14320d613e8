// The Windows backend against the real system (Wine in the tests): SetupAPI discovery,
// DeviceIoControl, ReadFile and WriteFile, the clocks.
#include <windows.h>

#include <cstring>
#include <ctime>

#include "tessio/board/Win32Backend.h"
#include "tests/tessio/board/BoardTest.h"

namespace {

class Win32BackendTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        tessio::setBackend(nullptr);
        ASSERT_TRUE(CreatePipe(&readEnd_, &writeEnd_, nullptr, 0));
    }
    void TearDown() override {
        CloseHandle(readEnd_);
        CloseHandle(writeEnd_);
        BoardTest::TearDown();
    }
    tessio::DeviceHandle readEnd() const {
        return reinterpret_cast<tessio::DeviceHandle>(readEnd_);
    }
    tessio::DeviceHandle writeEnd() const {
        return reinterpret_cast<tessio::DeviceHandle>(writeEnd_);
    }

    tessio::Win32Backend win32;

private:
    HANDLE readEnd_ = nullptr;
    HANDLE writeEnd_ = nullptr;
};

TEST_F(Win32BackendTest, WithoutABoardSetupApiFindsNoInterfaceAtIndexZero) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(win32.openDevice(0), tessio::kInvalidDevice);
    EXPECT_EQ(win32.openDevice(3), tessio::kInvalidDevice);
    EXPECT_EQ(DDMopen_sys(5), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "**Error: couldn't find device(no more items), (0)\n"
              "**Error: couldn't find device(no more items), (0)\n"
              "**Error: couldn't find device(no more items), (0)\n");
    EXPECT_EQ(tessio::board::boardTable()[5].device, tessio::kInvalidDevice);
    EXPECT_TRUE(tessio::display::state().initialised);
}

TEST_F(Win32BackendTest, AControlCallThatFailsLeavesTheAnswerUntouched) {
    // A pipe is no board device: DeviceIoControl refuses the board's codes.
    uint32_t untouched = 0xAAAAAAAA;
    const uint32_t in = 1;
    EXPECT_FALSE(win32.control(readEnd(), 0x222000, &in, 4, &untouched, 4));
    EXPECT_EQ(untouched, 0xAAAAAAAAu);
}

TEST_F(Win32BackendTest, BulkDataIsOneReadFileOrWriteFile) {
    uint32_t moved = 0;
    ASSERT_TRUE(win32.bulkWrite(writeEnd(), "ABCDE", 5, &moved));
    EXPECT_EQ(moved, 5u);
    char buffer[8] = {};
    ASSERT_TRUE(win32.bulkRead(readEnd(), buffer, 8, &moved));
    EXPECT_EQ(moved, 5u) << "a short read is reported as such";
    EXPECT_EQ(std::memcmp(buffer, "ABCDE", 5), 0);
    EXPECT_FALSE(win32.bulkRead(writeEnd(), buffer, 8, &moved));
    EXPECT_EQ(moved, 0u);
}

TEST_F(Win32BackendTest, ClocksFollowGetTickCountAndTheWallClock) {
    const DWORD now = GetTickCount();
    EXPECT_LE(win32.tickCount() - now, 1000u);
    EXPECT_LE(win32.wallSeconds() - static_cast<int64_t>(std::time(nullptr)), 1);
}

}  // namespace
