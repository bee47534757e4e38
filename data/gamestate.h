// SPDX-License-Identifier: GPL-3.0-or-later
// The values every window of the game reads: program directory, language, category, level, the
// loaded patterns of the current category, their status, the progress file and whether the
// progress has unsaved changes. The game session owns the one instance and hands it by reference
// to the dialogs; there are no globals.
//
// Invariants: the pattern count is 0..1000 and the level is 1..max(1, pattern count), whatever the
// settings or a damaged library say; every reader of "the current pattern" can rely on it.
#pragma once

#include "data/language.h"
#include "model/geometry.h"
#include "model/patternstatus.h"

#include <QString>
#include <array>
#include <cstdint>

namespace tangram {

inline constexpr int kMaxPatterns = 1000;
inline constexpr int kCategoryCount = 8;

class GameState {
public:
    QString programDir; // folder of the executable, ending in '/'
    Language language = Language::NotChosen;
    int category = 0; // 0..7

    // Index 0 is unused so that pattern n lives at [n], as levels count from 1.
    std::array<TPatternRecord, kMaxPatterns + 1> patterns{};
    std::array<PatternStatus, kMaxPatterns + 1> status{};

    QString progressPath; // empty, or the full path of the current progress file
    bool modified = false;

    bool german() const { return isGerman(language); }

    // 1-based number of the current pattern within the category.
    int level() const { return m_level; }
    // Any number: it is clamped into 1..max(1, pattern count).
    void setLevel(int level);
    int patternCount() const { return m_patternCount; }
    // Clamped into 0..1000; the level follows into the new range.
    void setPatternCount(int count);

    // The record of the current pattern, or kEmptyPattern when the category has no pattern.
    const TPatternRecord& currentPattern() const;
    // The status entry of the current pattern, the one the puzzle updates while it is played. For
    // an empty category it is entry 1, which is never saved (only entries 1..count reach the
    // progress file); help stays disabled there anyway.
    PatternStatus& currentStatus() { return status[static_cast<std::size_t>(m_level)]; }
    PatternStatus currentStatus() const { return status[static_cast<std::size_t>(m_level)]; }

    // Sets all 1000 status entries to "untouched" (start-up, category change, new game). Leaves
    // the modified flag alone: callers decide about it.
    void clearStatusTable() { status.fill(PatternStatus()); }

private:
    int m_level = 1;
    int m_patternCount = 0;
};

// The record played when the current category has no pattern at all (a damaged or foreign
// library). Every piece sits at column 255, row 255, far outside the 121 x 81 board, so a model
// that never writes outside its grids stamps nothing: the silhouette is empty, the preview stays
// blank and no figure on the board can ever match it.
inline constexpr TPlacement kOffBoardPlacement{255, 255, 0};
inline constexpr TPatternRecord kEmptyPattern{
    kOffBoardPlacement, kOffBoardPlacement, kOffBoardPlacement, kOffBoardPlacement,
    kOffBoardPlacement, kOffBoardPlacement, kOffBoardPlacement};

} // namespace tangram
