// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/boardlayout.h"

#include "model/geometry.h"
#include "ui/pngresource.h"

#include <QColor>
#include <QPainter>

#include <algorithm>

namespace tangram {
namespace {

constexpr int kTileSize = 100;

// A frame given by its corners with exclusive right and bottom coordinates, as a pen of
// `penWidth` (odd) would stroke it: lines on the columns x1 and x2 - 1 and on the rows y1 and
// y2 - 1, each widened evenly to both sides. Filled as four rectangles so that the pixels are
// exact whatever the painter's pen rules.
void drawFrame(QPainter& painter, int x1, int y1, int x2, int y2, int penWidth) {
    const int half = penWidth / 2;
    const int left = x1 - half;
    const int top = y1 - half;
    const int right = x2 - 1 + half;  // inclusive
    const int bottom = y2 - 1 + half; // inclusive
    const QColor black(Qt::black);
    painter.fillRect(QRect(QPoint(left, top), QPoint(right, y1 + half)), black);
    painter.fillRect(QRect(QPoint(left, y2 - 1 - half), QPoint(right, bottom)), black);
    painter.fillRect(QRect(QPoint(left, top), QPoint(x1 + half, bottom)), black);
    painter.fillRect(QRect(QPoint(x2 - 1 - half, top), QPoint(right, bottom)), black);
}

} // namespace

BoardLayout computeBoardLayout(int clientWidth, int clientHeight, int toolPanelHeight) {
    // One grid unit of margin on each side: 123 = 121 + 2 and 83 = 81 + 2 (integer division
    // truncating toward zero, as C++ does).
    const int cellWidth = clientWidth / (kColumns + 2);
    const int cellHeight = (clientHeight - toolPanelHeight) / (kRows + 2);
    // A client area lower than the toolbar would give a negative size.
    const int cell = std::max(0, std::min(cellWidth, cellHeight));
    BoardLayout layout;
    layout.cellSize = cell;
    // Centred on 121 and 81 cells; the extra pixel that shows the last grid line is left out.
    const int left = (clientWidth - kColumns * cell) / 2;
    const int top = (clientHeight - toolPanelHeight - kRows * cell) / 2 + toolPanelHeight;
    layout.box = QRect(left, top, kColumns * cell + 1, kRows * cell + 1);
    return layout;
}

void paintFormBackground(QPainter& painter, int clientWidth, int clientHeight, int toolPanelHeight,
                         const QRect& box, const QPixmap& tile) {
    painter.save();
    if (tile.isNull()) {
        painter.fillRect(QRect(0, 0, clientWidth, clientHeight), QColor(168, 168, 168));
    } else {
        // Whole tiles from the top-left corner; the last row and column may reach past the
        // client area and are clipped.
        for (int x = 0; x < clientWidth; x += kTileSize) {
            for (int y = 0; y < clientHeight; y += kTileSize) {
                painter.drawPixmap(x, y, tile);
            }
        }
    }
    const int l = box.left();
    const int t = box.top();
    const int bw = box.width();
    const int bh = box.height();
    drawFrame(painter, l - 4, t - 4, l + bw + 4, t + bh + 4, 3);
    drawFrame(painter, l - 7, t - 7, l + bw + 7, t + bh + 7, 1);
    drawFrame(painter, l - 1, t - 1, l + bw + 1, t + bh + 1, 1);
    drawFrame(painter, 0, toolPanelHeight, clientWidth, clientHeight, 1);
    painter.restore();
}

QPixmap loadBackgroundTile() {
    return QPixmap::fromImage(readPngResource(QStringLiteral(":/board/tile.png")));
}

} // namespace tangram
