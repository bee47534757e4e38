// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows show about the progress of the current category, as pure functions of the
// game state: the statistics counts, the search for the next figure not yet done in the selection
// dialog, and the preview window's caption. The dialogs only display the answers.
#pragma once

#include "data/gamestate.h"

#include <QString>
#include <array>
#include <optional>
#include <span>

namespace tangram {

inline constexpr int kHelpLevels = 8; // 0..7 pieces revealed by the help

// Counts over the done patterns of one category. A done pattern with h pieces revealed adds 1 to
// help[h] and 7 - h to the points; so a given-up pattern counts as done with 0 points.
struct StatisticsCounts {
    int patternCount = 0; // N, the patterns loaded for the category
    int solved = 0;       // S, done ones (solved or given up)
    std::array<int, kHelpLevels> help{};
    int points = 0; // P

    int maxPoints() const { return 7 * patternCount; } // M
    // The done ones the player completed: a figure given up (all seven pieces shown) is done
    // but not solved.
    int solvedByPlayer() const { return solved - help[kHelpLevels - 1]; }
};

// `statuses` holds the status of patterns 1..N in order (N = statuses.size()).
StatisticsCounts countStatuses(std::span<const PatternStatus> statuses);
// Counts patterns 1..pattern count of the state.
StatisticsCounts countStatistics(const GameState& state);

// The selection dialog's arrows. From the page starting at `position`, the nearest earlier
// (later) pattern that is not done, looking one step back (forward) at least and not past 1 (past
// `lastPosition`, the last pattern that can stand top-left); nothing when every pattern on the way
// is done.
std::optional<int> previousUnsolved(const GameState& state, int position);
std::optional<int> nextUnsolved(const GameState& state, int position, int lastPosition);

// The preview window's caption: category and pattern number and, once the pattern is done,
// whether it was solved or given up, e.g. "animals - 12", "Tiere - 12 - gelöst",
// "animals - 12 - dropped".
QString previewCaption(const GameState& state);

} // namespace tangram
