// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TitlePicture.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QWidget>

#include <array>

namespace tangram {
namespace {

// The classic square, turned by 45 degrees so that every leg of the triangles runs along the grid:
// two large triangles make the upper half, the rest fills the lower one. The square stands on its
// corner at grid point (20, 40) and spans columns 0..40 and rows 0..40.
constexpr TPatternRecord kEmblem{{
    {33, 23, 8},  // small triangle, right of the square
    {17, 23, 12}, // small triangle, left of the square
    {20, 33, 2},  // medium triangle at the bottom corner
    {26, 14, 4},  // large triangle, upper right
    {14, 14, 0},  // large triangle, upper left
    {25, 25, 0},  // square
    {10, 25, 16}, // parallelogram, lower left
}};
constexpr QRectF kEmblemBox(0, 0, 40, 40);

const std::array<QColor, kPieceCount> kPieceColours{
    QColor(0xf4, 0xc4, 0x30), // small triangles: warm yellow
    QColor(0xf0, 0x8a, 0x24), //                  orange
    QColor(0xd9, 0x3b, 0x3b), // medium triangle: red
    QColor(0x2f, 0x7f, 0xd8), // large triangles: blue
    QColor(0x1f, 0xa8, 0xa0), //                  teal
    QColor(0x4c, 0xb8, 0x48), // square: green
    QColor(0x8e, 0x5c, 0xc8), // parallelogram: violet
};

QPolygonF pieceOutline(const TPatternRecord& layout, int piece) {
    const PieceCorners corners = PieceOutline(piece, layout[static_cast<std::size_t>(piece - 1)]);
    QPolygonF polygon;
    for (int v = 0; v < corners.count; ++v) {
        const GridOffset corner = corners.points[static_cast<std::size_t>(v)];
        polygon << QPointF(corner.x, corner.y);
    }
    return polygon;
}

QFont titleFont(qreal pixelSize) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    return font;
}

} // namespace

const TPatternRecord& emblemLayout() {
    return kEmblem;
}

void paintTangramFigure(QPainter& painter, const TPatternRecord& layout, const QRectF& gridBox,
                        const QRectF& target, const QColor& outline) {
    const qreal scale =
        std::min(target.width() / gridBox.width(), target.height() / gridBox.height());
    const QPointF origin = target.center() - QPointF(gridBox.width(), gridBox.height()) * scale / 2;
    painter.save();
    painter.translate(origin);
    painter.scale(scale, scale);
    painter.translate(-gridBox.topLeft());
    QPen pen = outline.isValid() ? QPen(outline, 1.5 / scale) : QPen(Qt::NoPen);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        painter.setBrush(kPieceColours[static_cast<std::size_t>(piece - 1)]);
        painter.drawPolygon(pieceOutline(layout, piece));
    }
    painter.restore();
}

QImage titlePicture(qreal devicePixelRatio) {
    const QSize size(200, 150);
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, size.height());
    ground.setColorAt(0, QColor(0x1c, 0x2a, 0x4a));
    ground.setColorAt(1, QColor(0x0b, 0x12, 0x24));
    painter.fillRect(QRectF(QPointF(0, 0), size), ground);

    // The name, as large as fits in one line with a margin.
    const QString name = QStringLiteral("Wimbo Tangram");
    qreal pixelSize = 24;
    while (pixelSize > 10 && QFontMetricsF(titleFont(pixelSize)).horizontalAdvance(name) > 184)
        pixelSize -= 1;
    painter.setFont(titleFont(pixelSize));
    const QRectF titleBox(0, 6, size.width(), 30);
    painter.setPen(QColor(0, 0, 0, 140));
    painter.drawText(titleBox.translated(1, 1), Qt::AlignCenter, name);
    painter.setPen(QColor(0xf6, 0xf1, 0xe4));
    painter.drawText(titleBox, Qt::AlignCenter, name);

    // A thin rule under the name, then the figure.
    painter.setPen(QPen(QColor(0xf4, 0xc4, 0x30), 1));
    painter.drawLine(QPointF(40, 39.5), QPointF(160, 39.5));
    paintTangramFigure(painter, kEmblem, kEmblemBox, QRectF(50, 45, 100, 98),
                       QColor(0x0b, 0x12, 0x24));
    return image;
}

QPixmap emblemPixmap(int size, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTangramFigure(painter, kEmblem, kEmblemBox, QRectF(0, 0, size, size),
                       QColor(0x20, 0x20, 0x20));
    return pixmap;
}

QIcon gameIcon(const QWidget* widget) {
    if (widget && !widget->window()->windowIcon().isNull())
        return widget->window()->windowIcon();
    if (!QApplication::windowIcon().isNull())
        return QApplication::windowIcon();
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(emblemPixmap(size));
    return icon;
}

} // namespace tangram
