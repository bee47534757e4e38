// SPDX-License-Identifier: GPL-3.0-or-later
// What the statistics dialog says about the current category, as plain functions of the status
// bytes: the counts, the window title and the three sentences in both languages. Kept apart from
// the widgets so that every wording case can be checked without a window. German is used exactly
// when the language value is 1; every other value gets English.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <span>

namespace tangram {

struct GameState;

inline constexpr int kHelpLevels = 8; // 0..7 pieces revealed by the help

// Counts over the done patterns of one category. A done pattern (status bit value 8) with h pieces
// revealed (the low three bits) adds 1 to help[h] and 7 - h to the points; so a given-up pattern
// (status 15) counts as done with 0 points.
struct StatisticsCounts {
    int patternCount = 0; // N, the patterns loaded for the category
    int solved = 0;       // S
    std::array<int, kHelpLevels> help{};
    int points = 0; // P

    int maxPoints() const { return 7 * patternCount; } // M
};

// `statuses` holds the status bytes of patterns 1..N in order (N = statuses.size()).
StatisticsCounts countStatuses(std::span<const std::uint8_t> statuses);
// Counts patterns 1..pattern count of the state, the count limited to 0..1000.
StatisticsCounts countStatistics(const GameState& state);

// "Tangram statistics[ for game NAME] - category: CATEGORY" (or the German form). NAME is the
// progress file's name without its folder and its last four characters (the ".pzs"); the game
// part is left out when there is no progress file or NAME comes out empty.
QString statisticsTitle(int language, int category, const QString& progressPath);

// The solved sentence (label L1), the help sentence (L2) and the points sentence (L3).
QString solvedSentence(int language, const StatisticsCounts& counts);
QString helpSentence(int language, const StatisticsCounts& counts);
QString pointsSentence(int language, const StatisticsCounts& counts);

} // namespace tangram
