// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BoardWidget.h"

#include "model/geometry.h"
#include "ui/boardcolour.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace tangram {
namespace {

QSize deviceSize(QSize logical, qreal dpr) {
    return QSize(qCeil(logical.width() * dpr), qCeil(logical.height() * dpr));
}

QPen boardPen(Colour colour) {
    // Square joins keep the corners of a wide (high-density) pen on the vertex's square; at dpr 1
    // the pen is a plain one-pixel line.
    QPen pen(QColor::fromRgb(boardRgb(colour)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    return pen;
}

} // namespace

BoardWidget::BoardWidget(Puzzle& puzzle, QWidget* parent)
    : QWidget(parent), m_puzzle(puzzle), m_cursors(loadBoardCursors()) {
    // Moves without a button only change the cursor; they need tracking.
    setMouseTracking(true);
    // paintEvent covers every pixel from the buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

bool BoardWidget::bufferCurrent() const {
    const qreal dpr = devicePixelRatioF();
    return !m_buffer.isNull() && m_buffer.devicePixelRatio() == dpr &&
           m_buffer.size() == deviceSize(size(), dpr) &&
           m_bufferCellWidth == m_puzzle.cellWidth() && m_bufferCellHeight == m_puzzle.cellHeight();
}

void BoardWidget::rebuildBuffer() {
    const qreal dpr = devicePixelRatioF();
    const QSize device = deviceSize(size(), dpr);
    if (device.isEmpty()) {
        m_buffer = QImage();
        return;
    }
    if (m_buffer.size() != device) {
        m_buffer = QImage(device, QImage::Format_RGB32);
    }
    m_buffer.setDevicePixelRatio(dpr);
    m_bufferCellWidth = m_puzzle.cellWidth();
    m_bufferCellHeight = m_puzzle.cellHeight();

    // The whole of the board becomes silver, then the pieces by the play state.
    m_buffer.fill(boardRgb(kSilver));
    Colour fill = kBlack;
    if (m_puzzle.playState() == kSolved) {
        fill = kGreen;
    } else if (m_puzzle.playState() == kGivenUp) {
        fill = kRed;
    }
    QPainter painter;
    beginPainter(painter);
    QRect touched;
    placedPieces(painter, fill, kGrey, touched);
    if (m_puzzle.selectedPiece() != 0) {
        outlinePiece(painter, m_puzzle.selectedPiece(), kYellow, true, touched);
    }
}

void BoardWidget::beginPainter(QPainter& painter) {
    // The image's dpr scales the painter; the half-pixel shift centres lines on the logical
    // pixels' squares (see the header).
    painter.begin(&m_buffer);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(0.5, 0.5);
}

int BoardWidget::outlineOf(int piece, Outline& points) const {
    const TPlacement& placement = m_puzzle.placement(piece);
    const int shape = PieceShapeOf(piece);
    const int count = VertexCount(shape);
    const int cw = m_puzzle.cellWidth();
    const int ch = m_puzzle.cellHeight();
    for (int v = 0; v < count; ++v) {
        const GridOffset offset = OutlineVertex(shape, v, placement.orientation);
        points[static_cast<std::size_t>(v)] =
            QPoint((placement.column + offset.x) * cw, (placement.row + offset.y) * ch);
    }
    return count;
}

QRect BoardWidget::touchedRect(const Outline& points, int count) const {
    int left = points[0].x();
    int right = left;
    int top = points[0].y();
    int bottom = top;
    for (int i = 1; i < count; ++i) {
        const QPoint& p = points[static_cast<std::size_t>(i)];
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    // A margin for the vertices' own pixels and the mitred corners of wide pens.
    return QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-2, -2, 2, 2);
}

void BoardWidget::fillPiece(QPainter& painter, int piece, Colour fill, Colour pen, QRect& touched) {
    Outline points;
    const int count = outlineOf(piece, points);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(boardPen(pen));
    painter.setBrush(QColor::fromRgb(boardRgb(fill)));
    painter.drawPolygon(points.data(), count);
    touched |= touchedRect(points, count);
}

void BoardWidget::placedPieces(QPainter& painter, Colour fill, Colour pen, QRect& touched) {
    const int selected = m_puzzle.selectedPiece();
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        if (piece != selected) {
            fillPiece(painter, piece, fill, pen, touched);
        }
    }
}

void BoardWidget::outlinePiece(QPainter& painter, int piece, Colour colour, bool xorMode,
                               QRect& touched) {
    Outline points;
    const int count = outlineOf(piece, points);
    painter.setCompositionMode(xorMode ? QPainter::RasterOp_SourceXorDestination
                                       : QPainter::CompositionMode_SourceOver);
    painter.setPen(boardPen(colour));
    painter.setBrush(Qt::NoBrush);
    // A closed path rather than a polyline back to the first vertex, so that the first vertex
    // is not stroked twice (which would cancel itself out in XOR mode).
    painter.drawPolygon(points.data(), count);
    touched |= touchedRect(points, count);
}

void BoardWidget::DrawPieceOutline(int piece, Colour colour, bool xorMode) {
    if (piece < 1 || piece > kPieceCount) {
        return;
    }
    if (!bufferCurrent()) {
        update(); // the next paint rebuilds the buffer from the state
        return;
    }
    QPainter painter;
    beginPainter(painter);
    QRect touched;
    outlinePiece(painter, piece, colour, xorMode, touched);
    painter.end();
    update(touched);
}

void BoardWidget::DrawPieceFilled(int piece, Colour fill, Colour pen) {
    if (piece < 1 || piece > kPieceCount) {
        return;
    }
    if (!bufferCurrent()) {
        update();
        return;
    }
    QPainter painter;
    beginPainter(painter);
    QRect touched;
    fillPiece(painter, piece, fill, pen, touched);
    painter.end();
    update(touched);
}

void BoardWidget::DrawPlacedPieces(Colour fill, Colour pen) {
    if (!bufferCurrent()) {
        update();
        return;
    }
    QPainter painter;
    beginPainter(painter);
    QRect touched;
    placedPieces(painter, fill, pen, touched);
    painter.end();
    update(touched);
}

void BoardWidget::boxPaint() {
    rebuildBuffer();
    update();
}

void BoardWidget::setBoardCursor(BoardCursor cursor) {
    // Called on every pointer movement over a lifted piece; only a change reaches the window
    // system.
    if (cursor == m_cursorKind) {
        return;
    }
    m_cursorKind = cursor;
    switch (cursor) {
    case BoardCursor::Hand:
        setCursor(Qt::PointingHandCursor);
        break;
    case BoardCursor::Move:
        setCursor(m_cursors.move);
        break;
    case BoardCursor::Turn:
        setCursor(m_cursors.turn);
        break;
    }
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    if (!bufferCurrent()) {
        rebuildBuffer();
    }
    QPainter painter(this);
    if (m_buffer.isNull()) {
        painter.fillRect(event->rect(), QColor::fromRgb(boardRgb(kSilver)));
        return;
    }
    const QRect logical = event->rect();
    const qreal dpr = m_buffer.devicePixelRatio();
    const QRectF source(logical.x() * dpr, logical.y() * dpr, logical.width() * dpr,
                        logical.height() * dpr);
    painter.drawImage(QRectF(logical), m_buffer, source);
}

void BoardWidget::press(QMouseEvent* event) {
    MouseButton button;
    switch (event->button()) {
    case Qt::LeftButton:
        button = MouseButton::Left;
        break;
    case Qt::MiddleButton:
        button = MouseButton::Middle;
        break;
    case Qt::RightButton:
        button = MouseButton::Right;
        break;
    default:
        event->ignore();
        return;
    }
    // Whole logical pixels; positions left of or above the board stay negative.
    const QPointF position = event->position();
    m_puzzle.boxMousedown(button, qFloor(position.x()), qFloor(position.y()));
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    press(event);
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    press(event);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    // While a button is held the widget keeps the pointer (Qt's implicit grab), so positions
    // may lie outside the board.
    const QPointF position = event->position();
    const bool leftHeld = (event->buttons() & Qt::LeftButton) != 0;
    m_puzzle.boxMouseMove(leftHeld, qFloor(position.x()), qFloor(position.y()));
}

} // namespace tangram
