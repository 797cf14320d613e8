// The POSIX backend against the real system: /dev/tessio<N>, ioctl, read and write, the clocks.
#include <glob.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstring>
#include <ctime>

#include "tessio/board/PosixBackend.h"
#include "tests/tessio/board/BoardTest.h"

namespace {

bool boardDevicesPresent() {
    glob_t found{};
    const bool any = glob("/dev/tessio[0-9]*", 0, nullptr, &found) == 0 && found.gl_pathc > 0;
    globfree(&found);
    return any;
}

class PosixBackendTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        tessio::setBackend(nullptr);
        ASSERT_EQ(pipe(fds_), 0);
    }
    void TearDown() override {
        close(fds_[0]);
        close(fds_[1]);
        BoardTest::TearDown();
    }
    int readEnd() const { return fds_[0]; }
    int writeEnd() const { return fds_[1]; }

    tessio::PosixBackend posix;

private:
    int fds_[2] = {-1, -1};
};

TEST_F(PosixBackendTest, WithoutBoardDevicesOpenPrintsTheNoMoreItemsLine) {
    if (boardDevicesPresent()) GTEST_SKIP() << "this machine has board devices";
    testing::internal::CaptureStdout();
    EXPECT_EQ(posix.openDevice(0), tessio::kInvalidDevice);
    EXPECT_EQ(DDMopen_sys(5), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "**Error: couldn't find device(no more items), (0)\n"
              "**Error: couldn't find device(no more items), (0)\n");
    EXPECT_EQ(tessio::board::boardTable()[5].device, tessio::kInvalidDevice);
    EXPECT_TRUE(tessio::display::state().initialised);
}

TEST_F(PosixBackendTest, ControlCallsShareOneBufferForInputAndOutput) {
    ASSERT_EQ(write(writeEnd(), "12345", 5), 5);
    // FIONREAD has no input and answers a 4-byte count in the same buffer.
    int32_t waiting = -1;
    ASSERT_TRUE(posix.control(readEnd(), FIONREAD, nullptr, 0, &waiting, sizeof waiting));
    EXPECT_EQ(waiting, 5);

    uint32_t untouched = 0xAAAAAAAA;
    const uint32_t in = 1;
    EXPECT_FALSE(posix.control(readEnd(), 0x222000, &in, 4, &untouched, 4));
    EXPECT_EQ(untouched, 0xAAAAAAAAu);
}

TEST_F(PosixBackendTest, BulkDataIsOneReadOrWriteOnTheDescriptor) {
    uint32_t moved = 0;
    ASSERT_TRUE(posix.bulkWrite(writeEnd(), "ABCDE", 5, &moved));
    EXPECT_EQ(moved, 5u);
    char buffer[8] = {};
    ASSERT_TRUE(posix.bulkRead(readEnd(), buffer, 8, &moved));
    EXPECT_EQ(moved, 5u) << "a short read is reported as such";
    EXPECT_EQ(std::memcmp(buffer, "ABCDE", 5), 0);
    EXPECT_FALSE(posix.bulkRead(writeEnd(), buffer, 8, &moved));
    EXPECT_EQ(moved, 0u);
}

TEST_F(PosixBackendTest, ClocksFollowTheMonotonicClockAndTheWallClock) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto expected = static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                                                static_cast<uint64_t>(now.tv_nsec) / 1000000u);
    EXPECT_LE(posix.tickCount() - expected, 1000u);
    EXPECT_LE(posix.wallSeconds() - static_cast<int64_t>(std::time(nullptr)), 1);
}

}  // namespace
