// SPDX-License-Identifier: GPL-3.0-or-later
// The few colours and pens the toolbar glyphs share, so that all of them look like one set: dark
// outlines one unit wide, flat fills from a small palette, and the near-black of the board's
// unsolved pieces for the tangram figures.
//
// Every glyph is drawn in a design box of kGlyphUnits x kGlyphUnits units, the icon area of a
// 25-pixel toolbar button; at 1x one unit is one pixel, so outlines run along half units to land on
// whole pixels.
#pragma once

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

namespace tangram::glyphstyle {

inline constexpr qreal kGlyphUnits = 21;

inline const QColor kInk{0x2b, 0x30, 0x38};
inline const QColor kPaper{0xfc, 0xfc, 0xf7};
inline const QColor kShade{0xd5, 0xdb, 0xe2};
inline const QColor kSteel{0x8a, 0x94, 0xa0};
inline const QColor kBlue{0x3b, 0x7d, 0xd8};
inline const QColor kBlueLight{0x9c, 0xc6, 0xf2};
inline const QColor kBlueDark{0x23, 0x50, 0x8f};
inline const QColor kYellow{0xf4, 0xc4, 0x30};
inline const QColor kYellowDark{0xd9, 0x98, 0x1e};
inline const QColor kOrange{0xf0, 0x8a, 0x24};
inline const QColor kRed{0xd9, 0x3b, 0x3b};
inline const QColor kGreen{0x4c, 0xb8, 0x48};
inline const QColor kWood{0xb9, 0x7a, 0x45};
inline const QColor kSilver{0xc0, 0xc0, 0xc0};
inline const QColor kSilhouette{0x1c, 0x21, 0x2b};

inline QPen inkPen(qreal width = 1.0) {
    QPen pen(kInk, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

inline QPen linePen(const QColor& colour, qreal width) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// Fills `shape` with `fill` and outlines it in ink.
inline void outlined(QPainter& painter, const QPainterPath& shape, const QColor& fill,
                     qreal width = 1.0) {
    painter.setPen(inkPen(width));
    painter.setBrush(fill);
    painter.drawPath(shape);
}

inline void outlined(QPainter& painter, const QPolygonF& shape, const QColor& fill,
                     qreal width = 1.0) {
    painter.setPen(inkPen(width));
    painter.setBrush(fill);
    painter.drawPolygon(shape);
}

inline void outlined(QPainter& painter, const QRectF& shape, const QColor& fill,
                     qreal width = 1.0) {
    painter.setPen(inkPen(width));
    painter.setBrush(fill);
    painter.drawRect(shape);
}

} // namespace tangram::glyphstyle
