// SPDX-License-Identifier: GPL-3.0-or-later
// Sound, language, rules, info and web page. Letters and marks are drawn as strokes rather than
// typeset, so the glyphs look the same whatever fonts the system has.
#include "ui/glyphstyle.h"
#include "ui/glyphsymbols.h"

namespace tangram::glyphs {

using namespace glyphstyle;

namespace {

// A bold question mark whose dot sits at `dot` (the mark is about 8 units high).
void questionMark(QPainter& painter, const QPointF& dot, const QColor& colour, qreal width) {
    QPainterPath hook;
    hook.moveTo(dot + QPointF(-2.6, -6.2));
    hook.cubicTo(dot + QPointF(-2.6, -9.2), dot + QPointF(2.8, -9.4), dot + QPointF(2.8, -6.4));
    hook.cubicTo(dot + QPointF(2.8, -4.4), dot + QPointF(0, -4.4), dot + QPointF(0, -2.6));
    painter.setPen(linePen(colour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(dot, width * 0.65, width * 0.65);
}

} // namespace

void paintSound(QPainter& painter, bool on) {
    QPolygonF speaker{{QPointF(1.5, 7.5), QPointF(5.5, 7.5), QPointF(10.5, 2.5),
                       QPointF(10.5, 18.5), QPointF(5.5, 13.5), QPointF(1.5, 13.5)}};
    outlined(painter, speaker, kSteel);
    painter.setBrush(Qt::NoBrush);
    if (on) {
        painter.setPen(linePen(kBlue, 1.6));
        painter.drawArc(QRectF(8.0, 6.5, 8, 8), -50 * 16, 100 * 16);
        painter.drawArc(QRectF(5.5, 3.0, 15, 15), -50 * 16, 100 * 16);
    } else {
        painter.setPen(linePen(kRed, 2.0));
        painter.drawLine(QPointF(13.5, 7.5), QPointF(19.0, 13.5));
        painter.drawLine(QPointF(19.0, 7.5), QPointF(13.5, 13.5));
    }
}

void paintTongue(QPainter& painter) {
    // Two speech bubbles: one speaks with letters, the other answers.
    QPainterPath back;
    back.addRoundedRect(QRectF(7.5, 1.5, 12, 9), 2.5, 2.5);
    QPainterPath backTail;
    backTail.moveTo(14.0, 9.5);
    backTail.lineTo(17.5, 13.5);
    backTail.lineTo(17.0, 9.5);
    outlined(painter, back.united(backTail), kYellow);
    painter.setPen(linePen(kInk, 1.0));
    painter.drawLine(QPointF(14.5, 4.5), QPointF(17.0, 4.5));
    painter.drawLine(QPointF(14.5, 7.0), QPointF(17.0, 7.0));

    QPainterPath front;
    front.addRoundedRect(QRectF(1.5, 6.5, 12, 10), 2.5, 2.5);
    QPainterPath frontTail;
    frontTail.moveTo(3.5, 15.5);
    frontTail.lineTo(3.0, 19.5);
    frontTail.lineTo(7.5, 15.5);
    outlined(painter, front.united(frontTail), kBlue);

    QPainterPath letter;
    letter.moveTo(4.5, 14.0);
    letter.lineTo(7.5, 8.5);
    letter.lineTo(10.5, 14.0);
    letter.moveTo(5.7, 12.0);
    letter.lineTo(9.3, 12.0);
    painter.setPen(linePen(kPaper, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letter);
}

void paintRules(QPainter& painter) {
    // A book with a question mark on its cover.
    outlined(painter, QRectF(4.5, 15.5, 14, 4), kPaper);
    QPolygonF cover{{QPointF(2.5, 1.5), QPointF(17.5, 1.5), QPointF(17.5, 15.5), QPointF(4.5, 15.5),
                     QPointF(4.5, 19.5), QPointF(2.5, 17.5)}};
    outlined(painter, cover, kRed);
    painter.setPen(linePen(kShade, 0.8));
    painter.drawLine(QPointF(7.0, 17.0), QPointF(17.5, 17.0));
    painter.drawLine(QPointF(7.0, 18.5), QPointF(17.5, 18.5));
    questionMark(painter, QPointF(11.0, 12.8), kPaper, 2.0);
}

void paintInfo(QPainter& painter) {
    painter.setPen(inkPen());
    painter.setBrush(kBlue);
    painter.drawEllipse(QRectF(1.5, 1.5, 18, 18));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPaper);
    painter.drawEllipse(QPointF(10.5, 6.0), 1.6, 1.6);
    painter.drawRoundedRect(QRectF(9.2, 8.5, 2.6, 8), 0.6, 0.6);
}

void paintWeb(QPainter& painter) {
    // A globe of meridians and parallels.
    const QRectF globe(1.5, 1.5, 18, 18);
    painter.setPen(inkPen());
    painter.setBrush(kBlueLight);
    painter.drawEllipse(globe);

    painter.save();
    QPainterPath inside;
    inside.addEllipse(globe);
    painter.setClipPath(inside, Qt::IntersectClip);
    painter.setPen(linePen(kBlueDark, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(6.5, 1.5, 8, 18));
    painter.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 19.5));
    painter.drawLine(QPointF(1.5, 10.5), QPointF(19.5, 10.5));
    painter.drawArc(QRectF(-2.0, 5.5, 25, 16), 30 * 16, 120 * 16);
    painter.drawArc(QRectF(-2.0, -0.5, 25, 16), -30 * 16, -120 * 16);
    painter.restore();

    painter.setPen(inkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(globe);
}

} // namespace tangram::glyphs
