#pragma once

#include <gtest/gtest.h>

#include "tessio.h"
#include "tessio/board/BoardTable.h"
#include "tessio/display/DisplayState.h"
#include "tests/support/SimulatedBoard.h"

// Every case starts as the library does after loading, with the simulated board installed.
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        tessio::board::boardTable() = {};
        tessio::display::state() = {};
        tessio::setBackend(&board);
    }
    void TearDown() override {
        tessio::setBackend(nullptr);
        EXPECT_TRUE(board.contractViolations.empty()) << board.contractViolations.front();
    }

    // Opens board 0 and forgets the calls that took.
    void open() {
        ASSERT_EQ(DDMopen_sys(0), 0);
        board.clearRecords();
    }

    tessio::test::SimulatedBoard board;
};
