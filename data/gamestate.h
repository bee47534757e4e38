// SPDX-License-Identifier: GPL-3.0-or-later
// The values every window of the game reads: program directory, language, category, level, the
// loaded patterns of the current category, their status bytes, the progress file and whether the
// progress has unsaved changes. The main window owns the one instance and hands it by reference to
// the dialogs; there are no globals.
//
// The free functions below are the only safe way to get at "the current pattern": the level comes
// from the settings store and may be anything, and a damaged library may leave a category empty.
#pragma once

#include "model/geometry.h"

#include <QString>
#include <array>
#include <cstdint>

namespace tangram {

inline constexpr int kMaxPatterns = 1000;
inline constexpr int kCategoryCount = 8;

struct GameState {
    QString programDir; // folder of the executable, ending in '/'
    int language = -1;  // -1 not chosen yet, 0 English, 1 German; German exactly when 1
    int category = 0;   // 0..7
    int level = 1;      // 1-based pattern number within the category

    // Index 0 is unused so that pattern n lives at [n], as levels count from 1.
    std::array<TPatternRecord, kMaxPatterns + 1> patterns{};
    int patternCount = 0;
    std::array<std::uint8_t, kMaxPatterns + 1> status{};

    QString progressPath; // empty, or the full path of the current progress file
    bool modified = false;

    bool german() const { return language == 1; }
};

// The record played when the current category has no pattern at all (a damaged or foreign
// library). Every piece sits at column 255, row 255, far outside the 121 x 81 board, so a model
// that never writes outside its grids stamps nothing: the silhouette is empty, the preview stays
// blank and no figure on the board can ever match it.
inline constexpr TPlacement kOffBoardPlacement{255, 255, 0};
inline constexpr TPatternRecord kEmptyPattern{
    kOffBoardPlacement, kOffBoardPlacement, kOffBoardPlacement, kOffBoardPlacement,
    kOffBoardPlacement, kOffBoardPlacement, kOffBoardPlacement};

// The pattern count limited to 0..kMaxPatterns, whatever the struct holds.
int safePatternCount(const GameState& state);

// Level limited to 1..max(1, pattern count). Settings and category changes can leave the level at
// 0, negative or above the count; every reader of patterns[level] or status[level] goes through
// this so that it never leaves the tables.
int safeLevel(const GameState& state);

// Stores safeLevel() back into state.level. LoadPatterns calls it, so after a load the level is
// always 1..max(1, pattern count): 1 for an empty category.
void normaliseLevel(GameState& state);

// The record of pattern [safeLevel()], or kEmptyPattern when the category has no pattern.
const TPatternRecord& currentPattern(const GameState& state);

// The status entry of pattern [safeLevel()], the byte the puzzle model updates while this pattern
// is played. For an empty category it is entry 1, which is never saved (only entries 1..count
// reach the progress file); the window keeps help disabled there anyway.
std::uint8_t& currentStatus(GameState& state);
std::uint8_t currentStatus(const GameState& state);

// Sets all 1000 status entries to 0 (start-up, category change, new game). Entries above the
// pattern count are 0 anyway, so one function serves every case. Leaves the modified flag alone:
// callers decide about it.
void clearStatusTable(GameState& state);

} // namespace tangram
