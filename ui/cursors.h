// SPDX-License-Identifier: GPL-3.0-or-later
// The board's two custom cursors, "CRTURN2" and "CRMOVE1", from the ui library's resources.
// Both are 32 x 32 monochrome cursors (black, white and transparent) with the hot spot at
// (15, 15). Needs a QGuiApplication.
#pragma once

#include <QCursor>
#include <QImage>

namespace tangram {

struct BoardCursors {
    QCursor turn; // cursor number 1: two arrows circling a dot
    QCursor move; // cursor number 2: four arrows pointing at the corners around a small cross
};

inline constexpr int kCursorHotSpot = 15;

// Should a picture be missing, that cursor falls back to a standard shape of the same meaning
// (size-all for moving, cross for turning), so the board stays usable.
BoardCursors loadBoardCursors();

// A bitmap cursor from a picture whose pixels are black, white or transparent: black pixels
// become the cursor's black, other opaque pixels its white. Null for a null picture.
QCursor monochromeCursor(const QImage& picture, int hotX, int hotY);

} // namespace tangram
