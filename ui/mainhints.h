// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar's hint texts in both languages and the window caption.
#pragma once

#include "data/language.h"
#include "ui/glyphs.h"

#include <QString>

namespace tangram {

// Buttons of the toolbar, left to right: each button is named by its glyph.
using ToolButtonId = ToolGlyph;
inline constexpr int kToolButtonCount = kToolGlyphCount;

// The hint of a button in the given language (German or else English).
QString hintText(ToolButtonId button, Language language);
// The keys that play on the board, for the rules button's tooltip.
QString boardKeysHint(Language language);
// "Wimbo Tangram", followed by the progress file's name when there is one.
QString mainCaption(const QString& progressPath, Language language);

} // namespace tangram
