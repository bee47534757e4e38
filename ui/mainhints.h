// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar's hint texts and the window caption, in the language whose translations are
// installed.
#pragma once

#include "ui/glyphs.h"

#include <QString>

namespace tangram {

// Buttons of the toolbar, left to right: each button is named by its glyph.
using ToolButtonId = ToolGlyph;
inline constexpr int kToolButtonCount = kToolGlyphCount;

// The hint of a button.
QString hintText(ToolButtonId button);
// The keys that play on the board, for the rules button's tooltip.
QString boardKeysHint();
// "Wimbo Tangram", followed by the progress file's name when there is one.
QString mainCaption(const QString& progressPath);

} // namespace tangram
