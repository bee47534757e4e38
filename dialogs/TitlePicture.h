// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own pictures that are drawn rather than stored: the splash window's title picture and
// the tangram emblem that stands in for the main window's icon when there is none. Both are drawn
// from the pieces' outline table, so they always show the very pieces the player moves, and at the
// screen's device pixel ratio, so they stay sharp on high-density screens.
#pragma once

#include "model/geometry.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

class QPainter;
class QRectF;
class QWidget;

namespace tangram {

// Window flags of the game's fixed dialogs: a title and a close box, no minimise or maximise box.
inline constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

// The seven pieces laid out as the classic tangram square standing on one corner, spanning grid
// columns 0..40 and rows 0..40.
const TPatternRecord& emblemLayout();

// Draws piece 1..7 of `layout` scaled so that grid box `gridBox` fills `target` (aspect kept,
// centred). Each piece is filled with its own colour and outlined in `outline`; a null outline
// colour draws no outline.
void paintTangramFigure(QPainter& painter, const TPatternRecord& layout, const QRectF& gridBox,
                        const QRectF& target, const QColor& outline = QColor());

// The splash window's 200 x 150 title picture (logical pixels) at the given device pixel ratio:
// the program's name above the tangram square on a dark blue ground.
QImage titlePicture(qreal devicePixelRatio = 1.0);

// The emblem alone on a transparent ground, `size` logical pixels square.
QPixmap emblemPixmap(int size, qreal devicePixelRatio = 1.0);

// The icon the small windows show for the game: the icon of `widget`'s window, else the
// application's, else the emblem.
QIcon gameIcon(const QWidget* widget);

} // namespace tangram
