// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar's hint texts in both languages and the window caption.
#pragma once

#include <QString>

namespace tangram {

// Buttons of the toolbar, left to right.
enum class ToolButtonId {
    Newgame,
    Load,
    Save,
    Stat,
    Exit,
    Humans,
    Anim,
    Tool,
    Build,
    Fig,
    Twin,
    Konv,
    ABC,
    Select,
    Up,
    Down,
    Tip,
    Sound,
    Tongue,
    Rules,
    Info,
    Web,
};
inline constexpr int kToolButtonCount = 22;

// The hint of a button in the given language (German exactly when 1).
QString hintText(ToolButtonId button, int language);
// "Wimbo Tangram", followed by the progress file's name when there is one.
QString mainCaption(const QString& progressPath, int language);

} // namespace tangram
