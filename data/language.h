// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language. The settings keep it as a number (key `tongue`): -1 before the player
// chose one, 0 English, 1 German; 2 is French, which only the message pages speak, the rest of
// the game showing English. German texts are used exactly for German.
#pragma once

namespace tangram {

enum class Language { NotChosen = -1, English = 0, German = 1, French = 2 };

// A stored number as a language. Values no version of the game writes (a hand-edited settings
// file) count as English, so that every window agrees on the texts and the value written back at
// close is a sound one.
constexpr Language languageFromSetting(int value) {
    switch (value) {
    case -1:
        return Language::NotChosen;
    case 1:
        return Language::German;
    case 2:
        return Language::French;
    default:
        return Language::English;
    }
}

constexpr int languageSetting(Language language) {
    return static_cast<int>(language);
}

constexpr bool isGerman(Language language) {
    return language == Language::German;
}

} // namespace tangram
