// SPDX-License-Identifier: GPL-3.0-or-later
// Where the board lies in the main window and what surrounds it: the arithmetic of the window's
// resize handler (formResize) and the picture of its paint handler (FormPaint), as free
// functions so that they are tested without a window.
//
// All sizes are in the window's logical pixels.
#pragma once

#include <QPixmap>
#include <QRect>

class QPainter;

namespace tangram {

// Height of the toolbar along the top of the main window's client area.
inline constexpr int kToolPanelHeight = 33;

struct BoardLayout {
    int cellSize = 0; // pixels per grid unit, the same along x and y; 0 in a tiny window
    QRect box;        // the board in client coordinates: 121 * cellSize + 1 by 81 * cellSize + 1
};

// The largest cell size that leaves a margin of one grid unit around the 121 x 81 board in a
// client area of `clientWidth` x `clientHeight` with a toolbar of `toolPanelHeight` on top, and
// the board centred below the toolbar. Never negative: a window too small for cell size 1 gets
// cell size 0 and a one-pixel board.
BoardLayout computeBoardLayout(int clientWidth, int clientHeight, int toolPanelHeight);

// The main window's background: `tile` repeated from the client area's top-left corner (also
// under the toolbar), the black frames around the board `box` (two thin, one three pixels wide)
// and a thin frame around the area below the toolbar. A null tile leaves a plain grey instead.
// Paints through `painter`, which must be open on the main window (or any device of client size).
void paintFormBackground(QPainter& painter, int clientWidth, int clientHeight, int toolPanelHeight,
                         const QRect& box, const QPixmap& tile);

// The 100 x 100 background tile from the ui library's resources. Needs a QGuiApplication.
QPixmap loadBackgroundTile();

} // namespace tangram
