// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn symbols of the toolbar's command buttons. Each function paints one glyph into the
// design box (0, 0)..(kGlyphUnits, kGlyphUnits) of glyphstyle.h; the caller sets up the painter's
// transform, antialiasing and clipping.
#pragma once

class QPainter;

namespace tangram::glyphs {

// Game file commands (glyphfile.cpp).
void paintNewgame(QPainter& painter);
void paintLoad(QPainter& painter);
void paintSave(QPainter& painter);
void paintStat(QPainter& painter);
void paintExit(QPainter& painter);

// Pattern commands (glyphnavigate.cpp).
void paintSelect(QPainter& painter);
void paintUp(QPainter& painter);
void paintDown(QPainter& painter);
void paintTip(QPainter& painter);

// Settings and information (glyphsettings.cpp). `on`: sound on (button down).
void paintSound(QPainter& painter, bool on);
void paintTongue(QPainter& painter);
void paintRules(QPainter& painter);
void paintInfo(QPainter& painter);
void paintWeb(QPainter& painter);

// Category figures (glyphfigures.cpp), category 0..7 in the order of the category buttons.
void paintCategory(QPainter& painter, int category);

} // namespace tangram::glyphs
