// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gamestate.h"
#include "data_support.h"

#include <gtest/gtest.h>
#include <memory>
#include <utility>

using namespace tangram;
using namespace tangram::testing;

namespace {

std::unique_ptr<GameState> stateWithPatterns(int count) {
    auto state = std::make_unique<GameState>();
    for (int n = 1; n <= count; ++n)
        state->patterns[static_cast<std::size_t>(n)] = expectedPattern(n);
    state->patternCount = count;
    return state;
}

} // namespace

TEST(GameState, CurrentPatternFollowsTheLevel) {
    auto state = stateWithPatterns(10);
    state->level = 7;
    EXPECT_EQ(currentPattern(*state), expectedPattern(7));
}

TEST(GameState, LevelOutsideTheTableIsClampedToIt) {
    auto state = stateWithPatterns(10);
    state->level = 0;
    EXPECT_EQ(currentPattern(*state), expectedPattern(1));
    state->level = -42;
    EXPECT_EQ(currentPattern(*state), expectedPattern(1));
    state->level = 11;
    EXPECT_EQ(currentPattern(*state), expectedPattern(10));
    state->level = 5000;
    EXPECT_EQ(safeLevel(*state), 10);
    normaliseLevel(*state);
    EXPECT_EQ(state->level, 10);
}

TEST(GameState, CurrentStatusIsTheEntryOfTheSafeLevel) {
    auto state = stateWithPatterns(4);
    state->status[4] = 11;
    state->level = 9;
    EXPECT_EQ(currentStatus(std::as_const(*state)), 11);
    currentStatus(*state) = 15;
    EXPECT_EQ(state->status[4], 15);
    state->level = -2;
    currentStatus(*state) = 3;
    EXPECT_EQ(state->status[1], 3);
    EXPECT_EQ(state->status[0], 0);
}

TEST(GameState, EmptyCategoryYieldsTheOffBoardPattern) {
    auto state = stateWithPatterns(0);
    for (const int level : {-3, 0, 1, 2, 1000}) {
        state->level = level;
        EXPECT_EQ(currentPattern(*state), kEmptyPattern);
        EXPECT_EQ(safeLevel(*state), 1);
    }
    for (const TPlacement& placement : kEmptyPattern) {
        EXPECT_GE(placement.column, kColumns);
        EXPECT_GE(placement.row, kRows);
    }
}

TEST(GameState, DamagedPatternCountNeverLeavesTheTable) {
    auto state = stateWithPatterns(kMaxPatterns);
    state->patternCount = 5000;
    state->level = 4000;
    EXPECT_EQ(safePatternCount(*state), kMaxPatterns);
    EXPECT_EQ(currentPattern(*state), expectedPattern(kMaxPatterns));
    state->patternCount = -7;
    EXPECT_EQ(safePatternCount(*state), 0);
    EXPECT_EQ(currentPattern(*state), kEmptyPattern);
}

TEST(GameState, ClearStatusTableClearsAllEntriesButNotTheFlag) {
    auto state = stateWithPatterns(3);
    state->status.fill(9);
    state->modified = true;
    clearStatusTable(*state);
    for (const std::uint8_t status : state->status)
        ASSERT_EQ(status, 0);
    EXPECT_TRUE(state->modified);
}
