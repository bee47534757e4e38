// SPDX-License-Identifier: GPL-3.0-or-later
// The settings the game keeps, each with its key and the default a read falls back to when the
// value is missing or damaged. This is the one place that names them; the windows read and write
// through SettingsStore::read / SettingsStore::write with these constants.
#pragma once

#include <climits>

namespace tangram {

// Screen coordinates beyond this are damage, not a screen; reading them clamps them here, so no
// window's position arithmetic can overflow.
inline constexpr int kMaxStoredCoordinate = 1'000'000;

// A value read outside minValue..maxValue is clamped into it.
struct IntSetting {
    const char* key;
    int defaultValue;
    int minValue = INT_MIN;
    int maxValue = INT_MAX;
};

struct BoolSetting {
    const char* key;
    bool defaultValue;
};

// The default of every text setting is the empty text.
struct TextSetting {
    const char* key;
};

struct SettingKeys {
    // All settings of the game live in this one section.
    static constexpr const char* section = "common";

    // Language: -1 not chosen yet (the language dialog opens at the first activation),
    // 0 English, 1 German. Written back unchanged, -1 included.
    static constexpr IntSetting tongue{"tongue", -1};
    // Sound effects on; ties to the toolbar's sound toggle.
    static constexpr BoolSetting sound{"sound", true};
    // Current pattern, 1-based; lowered to the pattern count once the patterns are loaded.
    static constexpr IntSetting level{"level", 1};
    // Current category; the reader clamps it to 0..7.
    static constexpr IntSetting group{"group", 0};
    // Full path of the current progress file, empty when there is none.
    static constexpr TextSetting save{"save"};
    // Main window size at close, written only in the normal window state. The game never reads
    // them (the placement record carries the geometry); the defaults are the designed size.
    static constexpr IntSetting wid{"wid", 691};
    static constexpr IntSetting hig{"hig", 481};
    // Preview window position.
    static constexpr IntSetting pleft{"pleft", 500, -kMaxStoredCoordinate, kMaxStoredCoordinate};
    static constexpr IntSetting ptop{"ptop", 50, -kMaxStoredCoordinate, kMaxStoredCoordinate};
    // The main window's placement record (see windowplacement.h).
    static constexpr const char* mainForm = "MainForm";
};

} // namespace tangram
