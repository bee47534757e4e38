// SPDX-License-Identifier: GPL-3.0-or-later
// New game, load, save, statistics and exit: the usual desktop metaphors (a fresh sheet, an open
// folder, a floppy disk, a bar chart, a door), so that a player finds them without reading hints.
#include "ui/glyphstyle.h"
#include "ui/glyphsymbols.h"

namespace tangram::glyphs {

using namespace glyphstyle;

void paintNewgame(QPainter& painter) {
    // A blank sheet with a dog-ear, a small coloured tangram square on it.
    QPolygonF sheet{{QPointF(3.5, 1.5), QPointF(12.5, 1.5), QPointF(17.5, 6.5), QPointF(17.5, 19.5),
                     QPointF(3.5, 19.5)}};
    outlined(painter, sheet, kPaper);
    outlined(painter, QPolygonF{{QPointF(12.5, 1.5), QPointF(12.5, 6.5), QPointF(17.5, 6.5)}},
             kShade);

    const QRectF tile(6.5, 9.5, 8, 8);
    painter.setPen(linePen(kInk, 0.6));
    painter.setBrush(kBlue);
    painter.drawPolygon(QPolygonF{{tile.topLeft(), tile.topRight(), tile.bottomLeft()}});
    painter.setBrush(kYellow);
    painter.drawPolygon(QPolygonF{{tile.topRight(), tile.bottomRight(), tile.center()}});
    painter.setBrush(kRed);
    painter.drawPolygon(QPolygonF{{tile.bottomRight(), tile.bottomLeft(), tile.center()}});
}

void paintLoad(QPainter& painter) {
    // An open folder with a sheet inside.
    QPolygonF back{{QPointF(1.5, 3.5), QPointF(7.5, 3.5), QPointF(9.5, 5.5), QPointF(17.5, 5.5),
                    QPointF(17.5, 17.5), QPointF(1.5, 17.5)}};
    outlined(painter, back, kYellowDark);
    outlined(painter, QRectF(4.5, 7.5, 11, 8), kPaper);
    QPolygonF front{
        {QPointF(1.5, 17.5), QPointF(5.0, 10.5), QPointF(20.5, 10.5), QPointF(17.5, 17.5)}};
    outlined(painter, front, kYellow);
}

void paintSave(QPainter& painter) {
    // A floppy disk: shutter at the top, label at the bottom.
    QPolygonF body{{QPointF(2.5, 2.5), QPointF(16.0, 2.5), QPointF(18.5, 5.0), QPointF(18.5, 18.5),
                    QPointF(2.5, 18.5)}};
    outlined(painter, body, kBlue);
    outlined(painter, QRectF(6.5, 2.5, 8, 6), kShade);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlueDark);
    painter.drawRect(QRectF(11.0, 3.5, 2, 4));
    outlined(painter, QRectF(5.5, 11.5, 10, 7), kPaper);
    painter.setPen(linePen(kSteel, 1));
    painter.drawLine(QPointF(7.5, 14.0), QPointF(13.5, 14.0));
    painter.drawLine(QPointF(7.5, 16.5), QPointF(13.5, 16.5));
}

void paintStat(QPainter& painter) {
    // Three bars in the colours of the statistics' help bar: solved alone, with some help, with
    // much help.
    outlined(painter, QRectF(3.5, 7.5, 4, 11), kGreen);
    outlined(painter, QRectF(8.5, 3.5, 4, 15), kYellow);
    outlined(painter, QRectF(13.5, 11.5, 4, 7), kOrange);
    painter.setPen(linePen(kInk, 1.2));
    painter.drawLine(QPointF(1.5, 18.5), QPointF(19.5, 18.5));
}

void paintExit(QPainter& painter) {
    // A door and an arrow leading out of it.
    outlined(painter, QRectF(2.5, 1.5, 10, 18), kWood);
    painter.setPen(inkPen(0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(4.5, 3.5, 6, 6));
    painter.drawRect(QRectF(4.5, 11.5, 6, 6));
    QPolygonF arrow{{QPointF(9.5, 8.5), QPointF(14.5, 8.5), QPointF(14.5, 5.0), QPointF(20.0, 10.5),
                     QPointF(14.5, 16.0), QPointF(14.5, 12.5), QPointF(9.5, 12.5)}};
    outlined(painter, arrow, kRed);
}

} // namespace tangram::glyphs
