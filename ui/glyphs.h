// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the main window's toolbar buttons and the program's own icon. Every toolbar glyph
// is drawn with QPainter at whatever size and device pixel ratio it is asked for, so it stays sharp
// on high-density screens; none is stored as a bitmap. The category glyphs are small tangram
// figures laid out from the pieces' own outline table.
#pragma once

#include <QIcon>

class QPainter;
class QRectF;

namespace tangram {

enum class ToolGlyph {
    Newgame,
    Load,
    Save,
    Stat,
    Exit,
    Humans,
    Animals,
    Tools,
    Buildings,
    Figures,
    Twins,
    Convex,
    Letters,
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

inline constexpr int kToolGlyphCount = static_cast<int>(ToolGlyph::Web) + 1;

// The icon of one toolbar button. Every icon is scalable and answers each mode: Disabled is drawn
// greyed out (the help button is disabled once a pattern is done). The Sound glyph shows a speaker
// with sound waves in the On state (button down, sound on) and a crossed-out speaker in the Off
// state; all other glyphs look the same in both states.
QIcon toolGlyph(ToolGlyph glyph);

// The program's icon for its windows, drawn from the scalable picture that is also installed for
// the desktop (hicolor, scalable, "wimbo-tangram").
QIcon programIcon();

// Paints `glyph` in its normal look, centred in `target` and scaled to the largest square that
// fits. `on` selects the On state (only the Sound glyph differs). The painter's state is restored
// afterwards; nothing is painted outside `target`.
void paintToolGlyph(QPainter& painter, const QRectF& target, ToolGlyph glyph, bool on = false);

} // namespace tangram
