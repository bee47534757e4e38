// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gamestate.h"
#include "data/language.h"
#include "data_support.h"
#include "model/libraryrecord.h"

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
    state->setPatternCount(count);
    return state;
}

} // namespace

TEST(GameState, CurrentPatternFollowsTheLevel) {
    auto state = stateWithPatterns(10);
    state->setLevel(7);
    EXPECT_EQ(state->currentPattern(), expectedPattern(7));
}

TEST(GameState, LevelNeverLeavesTheCategory) {
    auto state = stateWithPatterns(10);
    for (const auto& [asked, kept] :
         {std::pair{0, 1}, {-42, 1}, {11, 10}, {5000, 10}, {1, 1}, {10, 10}}) {
        state->setLevel(asked);
        EXPECT_EQ(state->level(), kept) << "asked for " << asked;
        EXPECT_EQ(state->currentPattern(), expectedPattern(kept));
    }
}

TEST(GameState, LevelFollowsAShrinkingCategory) {
    auto state = stateWithPatterns(10);
    state->setLevel(9);
    state->setPatternCount(4);
    EXPECT_EQ(state->level(), 4);
    state->setPatternCount(0);
    EXPECT_EQ(state->level(), 1);
    EXPECT_EQ(state->currentPattern(), kEmptyPattern);
}

TEST(GameState, CurrentStatusIsTheEntryOfTheLevel) {
    auto state = stateWithPatterns(4);
    state->status[4] = PatternStatus::revealed(3).markedDone();
    state->setLevel(9);
    EXPECT_EQ(std::as_const(*state).currentStatus(), PatternStatus::revealed(3).markedDone());
    state->currentStatus() = PatternStatus::givenUp();
    EXPECT_EQ(state->status[4], PatternStatus::givenUp());
    state->setLevel(-2);
    state->currentStatus() = PatternStatus::revealed(3);
    EXPECT_EQ(state->status[1], PatternStatus::revealed(3));
    EXPECT_TRUE(state->status[0].untouched());
}

TEST(GameState, EmptyCategoryYieldsTheOffBoardPattern) {
    auto state = stateWithPatterns(0);
    for (const int level : {-3, 0, 1, 2, 1000}) {
        state->setLevel(level);
        EXPECT_EQ(state->currentPattern(), kEmptyPattern);
        EXPECT_EQ(state->level(), 1);
    }
    for (const TPlacement& placement : kEmptyPattern) {
        EXPECT_GE(placement.column, kColumns);
        EXPECT_GE(placement.row, kRows);
    }
}

TEST(GameState, DamagedPatternCountNeverLeavesTheTable) {
    auto state = stateWithPatterns(kMaxPatterns);
    state->setPatternCount(5000);
    state->setLevel(4000);
    EXPECT_EQ(state->patternCount(), kMaxPatterns);
    EXPECT_EQ(state->currentPattern(), expectedPattern(kMaxPatterns));
    state->setPatternCount(-7);
    EXPECT_EQ(state->patternCount(), 0);
    EXPECT_EQ(state->currentPattern(), kEmptyPattern);
}

TEST(GameState, ClearStatusTableClearsAllEntriesButNotTheFlag) {
    auto state = stateWithPatterns(3);
    state->status.fill(PatternStatus::revealed(1).markedDone());
    state->modified = true;
    state->clearStatusTable();
    for (const PatternStatus status : state->status)
        ASSERT_TRUE(status.untouched());
    EXPECT_TRUE(state->modified);
}

// The status nibble as progress files store it: done bit 8, revealed pieces in the low bits, all
// four bits for a figure given up.
TEST(PatternStatus, ReadsTheStoredNibble) {
    EXPECT_TRUE(PatternStatus(0).untouched());
    EXPECT_FALSE(PatternStatus(0).done());
    const PatternStatus helpedTwice(2);
    EXPECT_FALSE(helpedTwice.done());
    EXPECT_EQ(helpedTwice.revealedCount(), 2);
    EXPECT_FALSE(helpedTwice.untouched());
    const PatternStatus solvedWithThree(11);
    EXPECT_TRUE(solvedWithThree.done());
    EXPECT_EQ(solvedWithThree.revealedCount(), 3);
    EXPECT_FALSE(solvedWithThree.isGivenUp());
    EXPECT_TRUE(PatternStatus(15).isGivenUp());
    EXPECT_EQ(PatternStatus::givenUp().nibble(), 15);
    // A solve keeps the help count; a stray high nibble never survives.
    EXPECT_EQ(PatternStatus::revealed(4).markedDone().nibble(), 12);
    EXPECT_EQ(PatternStatus(0x7B).nibble(), 0x0B);
    // Seven revealed pieces and no done bit is not "given up": only the help's last step is.
    EXPECT_FALSE(PatternStatus(7).isGivenUp());
}

TEST(LibraryRecord, EncodesAndDecodesTheSameBytes) {
    const LibraryRecord record{5, expectedPattern(3)};
    const LibraryRecordBytes bytes = encodeLibraryRecord(record);
    EXPECT_EQ(bytes[0], 5);
    // Column, row and orientation of piece 1, then of piece 7 at the end.
    EXPECT_EQ(bytes[1], record.solution[0].column);
    EXPECT_EQ(bytes[2], record.solution[0].row);
    EXPECT_EQ(bytes[3], record.solution[0].orientation);
    EXPECT_EQ(bytes[21], record.solution[6].orientation);
    EXPECT_EQ(decodeLibraryRecord(bytes), record);
    LibraryRecordBytes any{};
    for (std::size_t i = 0; i < any.size(); ++i)
        any[i] = static_cast<std::uint8_t>(255 - 11 * i);
    EXPECT_EQ(encodeLibraryRecord(decodeLibraryRecord(any)), any);
}

TEST(Language, StoredValuesTheGameDoesNotWriteCountAsEnglish) {
    EXPECT_EQ(languageFromSetting(-1), Language::NotChosen);
    EXPECT_EQ(languageFromSetting(0), Language::English);
    EXPECT_EQ(languageFromSetting(1), Language::German);
    EXPECT_EQ(languageFromSetting(2), Language::French);
    for (const int odd : {7, -2, 3, 1000})
        EXPECT_EQ(languageFromSetting(odd), Language::English) << odd;
    for (const Language l :
         {Language::NotChosen, Language::English, Language::German, Language::French})
        EXPECT_EQ(languageFromSetting(languageSetting(l)), l);
}
