// SPDX-License-Identifier: GPL-3.0-or-later
// The pattern commands: choosing from thumbnails, next and previous pattern, and the help that
// reveals a piece.
#include "ui/glyphstyle.h"
#include "ui/glyphsymbols.h"

namespace tangram::glyphs {

using namespace glyphstyle;

namespace {

// The up arrow; the down arrow is its mirror image.
QPolygonF upArrow() {
    return QPolygonF{{QPointF(10.5, 1.5), QPointF(19.0, 10.5), QPointF(14.0, 10.5),
                      QPointF(14.0, 19.5), QPointF(7.0, 19.5), QPointF(7.0, 10.5),
                      QPointF(2.0, 10.5)}};
}

} // namespace

void paintSelect(QPainter& painter) {
    // Four thumbnails like those of the selection dialog, silver with a black figure; the chosen
    // one framed.
    const QRectF tiles[] = {QRectF(1.5, 1.5, 8, 8), QRectF(11.5, 1.5, 8, 8),
                            QRectF(1.5, 11.5, 8, 8), QRectF(11.5, 11.5, 8, 8)};
    for (const QRectF& tile : tiles)
        outlined(painter, tile, kSilver);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kSilhouette);
    const QPointF a = tiles[0].topLeft(), b = tiles[1].topLeft(), c = tiles[2].topLeft(),
                  d = tiles[3].topLeft();
    painter.drawPolygon(
        QPolygonF{{a + QPointF(4, 1.5), a + QPointF(6.5, 6.5), a + QPointF(1.5, 6.5)}});
    painter.drawPolygon(QPolygonF{
        {b + QPointF(4, 1.5), b + QPointF(6.5, 4), b + QPointF(4, 6.5), b + QPointF(1.5, 4)}});
    painter.drawPolygon(
        QPolygonF{{c + QPointF(1.5, 1.5), c + QPointF(6.5, 1.5), c + QPointF(6.5, 6.5)}});
    painter.drawPolygon(QPolygonF{{d + QPointF(1.5, 2.5), d + QPointF(4.5, 2.5),
                                   d + QPointF(6.5, 5.5), d + QPointF(3.5, 5.5)}});

    painter.setPen(linePen(kBlue, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(tiles[3].adjusted(-0.3, -0.3, 0.3, 0.3));
}

void paintUp(QPainter& painter) {
    outlined(painter, upArrow(), kBlue);
}

void paintDown(QPainter& painter) {
    QPolygonF arrow = upArrow();
    for (QPointF& point : arrow)
        point.setY(kGlyphUnits - point.y());
    outlined(painter, arrow, kBlue);
}

void paintTip(QPainter& painter) {
    // A light bulb: a bright idea, one piece at a time.
    QPainterPath bulb;
    bulb.moveTo(7.5, 14.5);
    bulb.cubicTo(7.5, 12.0, 4.0, 10.5, 4.0, 7.5);
    bulb.arcTo(QRectF(4.0, 1.0, 13.0, 13.0), 180, -180);
    bulb.cubicTo(17.0, 10.5, 13.5, 12.0, 13.5, 14.5);
    bulb.closeSubpath();
    outlined(painter, bulb, kYellow);

    painter.setPen(linePen(kPaper, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(6.5, 3.5, 8, 8), 100 * 16, 70 * 16);

    outlined(painter, QRectF(7.5, 14.5, 6, 3), kSteel);
    outlined(painter, QRectF(8.5, 17.5, 4, 2), kInk);
}

} // namespace tangram::glyphs
