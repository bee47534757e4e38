// SPDX-License-Identifier: GPL-3.0-or-later
// What the statistics, the selection dialog's arrows and the preview's caption make of a
// category's progress.
#include "game/progressqueries.h"
#include "tests/unit/language_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace tangram;

namespace {

StatisticsCounts countsOf(std::vector<std::uint8_t> nibbles) {
    std::vector<PatternStatus> statuses(nibbles.begin(), nibbles.end());
    return countStatuses(statuses);
}

// A category of `count` patterns; the patterns in `done` are solved.
std::unique_ptr<GameState> categoryWith(int count, std::initializer_list<int> done) {
    auto state = std::make_unique<GameState>();
    state->setPatternCount(count);
    for (const int n : done)
        state->status[static_cast<std::size_t>(n)] = PatternStatus().markedDone();
    return state;
}

} // namespace

TEST(StatisticsCounting, DonePatternsCountByRevealedPieces) {
    // untouched, clean solve, solved after 1, given up, 3 revealed but open, solved after 6
    const StatisticsCounts counts = countsOf({0, 8, 9, 15, 3, 14});
    EXPECT_EQ(counts.patternCount, 6);
    EXPECT_EQ(counts.solved, 4);
    EXPECT_EQ(counts.help, (std::array<int, kHelpLevels>{1, 1, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(counts.points, 7 + 6 + 0 + 1);
    EXPECT_EQ(counts.maxPoints(), 42);
}

TEST(StatisticsCounting, NothingLoadedCountsNothing) {
    const StatisticsCounts counts = countsOf({});
    EXPECT_EQ(counts.patternCount, 0);
    EXPECT_EQ(counts.solved, 0);
    EXPECT_EQ(counts.points, 0);
    EXPECT_EQ(counts.maxPoints(), 0);
}

TEST(StatisticsCounting, StateCountsOnlyLoadedPatternsFromNumberOne) {
    auto state = std::make_unique<GameState>();
    state->setPatternCount(3);
    state->status[0] = 8; // unused slot, must not count
    state->status[1] = 8;
    state->status[3] = 15;
    state->status[4] = 8; // beyond the pattern count
    const StatisticsCounts counts = countStatistics(*state);
    EXPECT_EQ(counts.patternCount, 3);
    EXPECT_EQ(counts.solved, 2);
    EXPECT_EQ(counts.points, 7);
}

TEST(SelectionSearch, PreviousStopsAtTheNearestOpenPattern) {
    const auto state = categoryWith(30, {9, 8, 7});
    EXPECT_EQ(previousUnsolved(*state, 10), 6);
    EXPECT_EQ(previousUnsolved(*state, 6), 5) << "always at least one step back";
    EXPECT_EQ(previousUnsolved(*state, 1), 1) << "the first page stays";
}

TEST(SelectionSearch, PreviousFindsNothingWhenEverythingBeforeIsDone) {
    const auto state = categoryWith(30, {1, 2, 3, 4});
    EXPECT_EQ(previousUnsolved(*state, 5), std::nullopt);
}

TEST(SelectionSearch, NextNeverPassesTheLastPage) {
    const auto state = categoryWith(30, {11, 12});
    EXPECT_EQ(nextUnsolved(*state, 10, 22), 13);
    EXPECT_EQ(nextUnsolved(*state, 21, 22), 22);
    EXPECT_EQ(nextUnsolved(*state, 22, 22), 22) << "the last page stays";
    const auto allDone = categoryWith(30, {20, 21, 22});
    EXPECT_EQ(nextUnsolved(*allDone, 19, 22), std::nullopt);
}

TEST(PreviewCaption, NamesCategoryNumberAndWhatBecameOfIt) {
    auto state = categoryWith(20, {});
    state->category = 1;
    state->setLevel(12);
    state->language = Language::English;
    EXPECT_EQ(previewCaption(*state), "animals - 12");
    state->currentStatus() = PatternStatus::revealed(2).markedDone();
    EXPECT_EQ(previewCaption(*state), "animals - 12 - solved");
    state->currentStatus() = PatternStatus::givenUp();
    EXPECT_EQ(previewCaption(*state), "animals - 12 - dropped");
    state->language = Language::German;
    const tangram::testing::ScopedLanguage german(Language::German);
    EXPECT_EQ(previewCaption(*state), "Tiere - 12 - aufgegeben");
    state->currentStatus() = PatternStatus().markedDone();
    EXPECT_EQ(previewCaption(*state), QString::fromUtf8("Tiere - 12 - gelöst"));
}

TEST(PreviewCaption, EveryLanguageButGermanIsEnglishLikeTheOtherWindows) {
    auto state = categoryWith(5, {});
    state->category = 0;
    for (const Language language : {Language::NotChosen, Language::English, Language::French}) {
        state->language = language;
        const tangram::testing::ScopedLanguage installed(language);
        EXPECT_EQ(previewCaption(*state), "humans - 1");
    }
}
