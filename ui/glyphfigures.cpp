// SPDX-License-Identifier: GPL-3.0-or-later
// The category buttons show small tangram figures, laid out from the pieces' own outline table so
// that they are made of the very pieces the player moves. The figures are black like an unsolved
// pattern; thin gaps between the pieces show how each figure is built.
#include "model/geometry.h"
#include "ui/glyphstyle.h"
#include "ui/glyphsymbols.h"

#include <QLineF>
#include <QTransform>

#include <algorithm>
#include <vector>

namespace tangram::glyphs {

using namespace glyphstyle;

namespace {

// A piece of a figure: shape kind 1..5 at reference point (x, y) in grid units, orientation 0..31.
struct FigurePiece {
    int shape;
    int x;
    int y;
    int orientation;
};

constexpr int kSmall = 1, kMedium = 2, kLarge = 3, kSquare = 4, kPara = 5;

// A person in a skirt, cheering with both arms raised. Legs would make the figure taller and so
// every part smaller; at toolbar size the skirt reads better alone.
const std::vector<FigurePiece> kHuman{
    {kSquare, 0, -21, 2},  // head
    {kLarge, 0, -9, 2},    // chest
    {kLarge, 0, 9, 10},    // skirt
    {kSmall, -21, -17, 4}, // left arm
    {kSmall, 21, -17, 0},  // right arm
};

// A cat sitting side on: pointed ears, upright chest, sloping back and its tail up.
const std::vector<FigurePiece> kCat{
    {kSmall, -5, -42, 14}, // ear
    {kSmall, 5, -42, 6},   // ear
    {kSquare, 0, -35, 2},  // head
    {kLarge, 5, -14, 14},  // chest and back
    {kLarge, 14, -5, 10},  // hind quarters
    {kMedium, -5, -5, 4},  // front legs
    {kPara, 33, -10, 20},  // tail
};

// A teapot: body, lid, spout and handle.
const std::vector<FigurePiece> kTeapot{
    {kLarge, 4, 14, 0},    // body
    {kLarge, -4, 6, 8},    // body
    {kSmall, 0, -2, 10},   // lid
    {kPara, 15, 8, 20},    // spout
    {kMedium, -13, 10, 6}, // handle
};

// A sailing boat.
const std::vector<FigurePiece> kBoat{
    {kMedium, -6, -5, 0}, // jib
    {kLarge, 7, -6, 4},   // mainsail
    {kSquare, 0, 7, 0},   // hull
    {kSmall, -8, 5, 12},  // bow
    {kSmall, 8, 5, 8},    // stern
};

// A heart.
const std::vector<FigurePiece> kHeart{
    {kLarge, -6, 6, 12}, {kLarge, 6, 6, 8},   {kMedium, -10, -3, 10},
    {kSmall, 7, -3, 0},  {kSmall, 13, -3, 4},
};

// Twin towers: the same outline, but the right one is built differently at its foot.
const std::vector<FigurePiece> kTwins{
    {kSmall, 0, -2, 10}, {kSquare, 0, 5, 0},  {kSquare, 0, 15, 0}, {kSmall, 16, -2, 10},
    {kSquare, 16, 5, 0}, {kSmall, 14, 13, 8}, {kSmall, 18, 17, 0},
};

// The classic square of all seven pieces, the best known convex tangram.
const std::vector<FigurePiece> kSquareFigure{
    {kLarge, 0, -9, 2},   {kLarge, -9, 0, 14}, {kMedium, 9, 9, 0}, {kSquare, 0, 7, 2},
    {kSmall, -7, 12, 10}, {kPara, 11, -3, 6},  {kSmall, 5, 0, 6},
};

QPolygonF pieceOutline(const FigurePiece& piece) {
    const PieceCorners corners = ShapeOutline(piece.shape, piece.x, piece.y, piece.orientation);
    QPolygonF polygon;
    for (int v = 0; v < corners.count; ++v) {
        const GridOffset corner = corners.points[static_cast<std::size_t>(v)];
        polygon << QPointF(corner.x, corner.y);
    }
    return polygon;
}

// `polygon` (convex) with every edge moved inwards by `inset`, so that neighbouring pieces stand
// apart by twice that much.
QPolygonF shrunk(const QPolygonF& polygon, qreal inset) {
    const int n = static_cast<int>(polygon.size());
    qreal area = 0;
    for (int i = 0; i < n; ++i) {
        const QPointF a = polygon[i], b = polygon[(i + 1) % n];
        area += a.x() * b.y() - b.x() * a.y();
    }
    const qreal side = area > 0 ? 1 : -1;
    std::vector<QLineF> edges;
    for (int i = 0; i < n; ++i) {
        QLineF edge(polygon[i], polygon[(i + 1) % n]);
        const QPointF normal = QPointF(-edge.dy(), edge.dx()) / edge.length() * side * inset;
        edges.push_back(edge.translated(normal));
    }
    QPolygonF result;
    for (int i = 0; i < n; ++i) {
        QPointF corner;
        const QLineF& before = edges[static_cast<std::size_t>((i + n - 1) % n)];
        const QLineF& after = edges[static_cast<std::size_t>(i)];
        if (before.intersects(after, &corner) == QLineF::NoIntersection)
            corner = polygon[i];
        result << corner;
    }
    return result;
}

// Maps the grid box `bounds` onto the design box with a small margin, aspect kept, centred.
QTransform fitting(const QRectF& bounds) {
    const qreal room = kGlyphUnits - 2.0;
    const qreal scale = std::min(room / bounds.width(), room / bounds.height());
    QTransform transform;
    transform.translate(kGlyphUnits / 2, kGlyphUnits / 2);
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform;
}

void paintPieces(QPainter& painter, const std::vector<FigurePiece>& pieces) {
    QRectF bounds;
    std::vector<QPolygonF> outlines;
    for (const FigurePiece& piece : pieces) {
        outlines.push_back(pieceOutline(piece));
        bounds = bounds.united(outlines.back().boundingRect());
    }
    const QTransform transform = fitting(bounds);
    // The gap between pieces is about 0.7 device pixels at 1x and grows slowly with the size.
    const qreal deviceScale = std::max<qreal>(painter.worldTransform().m11(), 1e-3);
    const qreal gapUnits = (0.55 + 0.15 * deviceScale) / deviceScale;
    const qreal inset = gapUnits / 2 / transform.m11();

    painter.setPen(Qt::NoPen);
    painter.setBrush(kSilhouette);
    for (const QPolygonF& outline : outlines)
        painter.drawPolygon(transform.map(shrunk(outline, inset)));
}

// A bold capital A, cut from straight strokes like the pieces.
void paintLetter(QPainter& painter) {
    QPainterPath letter;
    letter.setFillRule(Qt::OddEvenFill);
    letter.addPolygon(
        QPolygonF{{QPointF(-4, -20), QPointF(4, -20), QPointF(16, 20), QPointF(8, 20),
                   QPointF(4.7, 9), QPointF(-4.7, 9), QPointF(-8, 20), QPointF(-16, 20)}});
    letter.closeSubpath();
    letter.addPolygon(QPolygonF{{QPointF(0, -6.7), QPointF(2.6, 2), QPointF(-2.6, 2)}});
    letter.closeSubpath();
    const QTransform transform = fitting(letter.boundingRect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSilhouette);
    painter.drawPath(transform.map(letter));
}

} // namespace

void paintCategory(QPainter& painter, int category) {
    switch (category) {
    case 0:
        paintPieces(painter, kHuman);
        break;
    case 1:
        paintPieces(painter, kCat);
        break;
    case 2:
        paintPieces(painter, kTeapot);
        break;
    case 3:
        paintPieces(painter, kBoat);
        break;
    case 4:
        paintPieces(painter, kHeart);
        break;
    case 5:
        paintPieces(painter, kTwins);
        break;
    case 6:
        paintPieces(painter, kSquareFigure);
        break;
    default:
        paintLetter(painter);
        break;
    }
}

} // namespace tangram::glyphs
