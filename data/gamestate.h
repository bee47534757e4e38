// SPDX-License-Identifier: GPL-3.0-or-later
// The values every window of the game reads: program directory, language, category, level, the
// loaded patterns of the current category, their status bytes, the progress file and whether the
// progress has unsaved changes. The main window owns the one instance and hands it by reference to
// the dialogs; there are no globals.
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

} // namespace tangram
