// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BoardWidget.h"

#include "model/geometry.h"
#include "ui/boardcolour.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace tangram {
namespace {

QSize deviceSize(QSize logical, qreal dpr) {
    return QSize(qCeil(logical.width() * dpr), qCeil(logical.height() * dpr));
}

} // namespace

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent), m_cursors(loadBoardCursors()) {
    // Moves without a button only change the cursor; they need tracking.
    setMouseTracking(true);
    // paintEvent covers every pixel from the buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    m_flashTimer = new QTimer(this);
    m_flashTimer->setSingleShot(true);
    m_flashTimer->setInterval(kFlashMs);
    connect(m_flashTimer, &QTimer::timeout, this, [this] {
        m_flashPiece = 0;
        update();
    });
}

void BoardWidget::setPuzzle(Puzzle* puzzle) {
    m_puzzle = puzzle;
    boxPaint();
}

bool BoardWidget::bufferCurrent() const {
    const qreal dpr = devicePixelRatioF();
    return m_puzzle && !m_buffer.isNull() && m_buffer.devicePixelRatio() == dpr &&
           m_buffer.size() == deviceSize(size(), dpr) &&
           m_bufferCellWidth == m_puzzle->cellWidth() &&
           m_bufferCellHeight == m_puzzle->cellHeight();
}

void BoardWidget::rebuildBuffer() {
    const qreal dpr = devicePixelRatioF();
    const QSize device = deviceSize(size(), dpr);
    if (device.isEmpty() || !m_puzzle) {
        m_buffer = QImage();
        return;
    }
    if (m_buffer.size() != device) {
        m_buffer = QImage(device, QImage::Format_RGB32);
    }
    m_buffer.setDevicePixelRatio(dpr);
    m_bufferCellWidth = m_puzzle->cellWidth();
    m_bufferCellHeight = m_puzzle->cellHeight();

    // The whole of the board becomes silver, then the pieces by the play state.
    m_buffer.fill(boardRgb(kSilver));
    Colour fill = kBlack;
    if (m_puzzle->playState() == PlayState::Solved) {
        fill = kGreen;
    } else if (m_puzzle->playState() == PlayState::GivenUp) {
        fill = kRed;
    }
    QRect touched;
    placedPieces(fill, kGrey, touched);
    if (m_puzzle->selectedPiece() != 0) {
        outlinePiece(m_puzzle->selectedPiece(), kYellow, true, touched);
    }
}

int BoardWidget::outlineOf(int piece, Outline& points) const {
    const PieceCorners corners = PieceOutline(piece, m_puzzle->placement(piece));
    const int cw = m_puzzle->cellWidth();
    const int ch = m_puzzle->cellHeight();
    for (int v = 0; v < corners.count; ++v) {
        const GridOffset corner = corners.points[static_cast<std::size_t>(v)];
        points[static_cast<std::size_t>(v)] = QPoint(corner.x * cw, corner.y * ch);
    }
    return corners.count;
}

void BoardWidget::fillPiece(int piece, Colour fill, Colour pen, QRect& touched) {
    Outline points;
    const int count = outlineOf(piece, points);
    touched |= m_raster.fillConvex(m_buffer, points.data(), count, boardRgb(fill));
    touched |= m_raster.drawOutline(m_buffer, points.data(), count, boardRgb(pen), false);
}

void BoardWidget::placedPieces(Colour fill, Colour pen, QRect& touched) {
    const int selected = m_puzzle->selectedPiece();
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        if (piece != selected) {
            fillPiece(piece, fill, pen, touched);
        }
    }
}

void BoardWidget::outlinePiece(int piece, Colour colour, bool xorMode, QRect& touched) {
    Outline points;
    const int count = outlineOf(piece, points);
    touched |= m_raster.drawOutline(m_buffer, points.data(), count, boardRgb(colour), xorMode);
}

void BoardWidget::updateDevice(const QRect& touched) {
    if (touched.isEmpty()) {
        return;
    }
    // The logical pixels that hold any of the touched device pixels.
    const qreal dpr = m_buffer.devicePixelRatio();
    const int left = qFloor(touched.left() / dpr);
    const int top = qFloor(touched.top() / dpr);
    const int right = qCeil((touched.right() + 1) / dpr);
    const int bottom = qCeil((touched.bottom() + 1) / dpr);
    update(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void BoardWidget::DrawPieceOutline(int piece, Colour colour, bool xorMode) {
    if (piece < 1 || piece > kPieceCount) {
        return;
    }
    if (!bufferCurrent()) {
        update(); // the next paint rebuilds the buffer from the state
        return;
    }
    QRect touched;
    outlinePiece(piece, colour, xorMode, touched);
    updateDevice(touched);
}

void BoardWidget::DrawPieceFilled(int piece, Colour fill, Colour pen) {
    if (piece < 1 || piece > kPieceCount) {
        return;
    }
    if (!bufferCurrent()) {
        update();
        return;
    }
    QRect touched;
    fillPiece(piece, fill, pen, touched);
    updateDevice(touched);
}

void BoardWidget::DrawPlacedPieces(Colour fill, Colour pen) {
    if (!bufferCurrent()) {
        update();
        return;
    }
    QRect touched;
    placedPieces(fill, pen, touched);
    updateDevice(touched);
}

void BoardWidget::boxPaint() {
    rebuildBuffer();
    update();
}

void BoardWidget::SetBoardCursor(BoardCursor cursor) {
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
    if (m_flashPiece != 0 && m_puzzle) {
        // Over the picture, never into it: when the flash ends, the buffer shows again as it was.
        Outline points;
        const int count = outlineOf(m_flashPiece, points);
        painter.setPen(QPen(QColor::fromRgb(boardRgb(kRed)), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(points.data(), count);
    }
}

void BoardWidget::FlashRefusedPiece(int piece) {
    if (piece < 1 || piece > kPieceCount) {
        return;
    }
    m_flashPiece = piece;
    m_flashTimer->start();
    update();
}

void BoardWidget::wheelEvent(QWheelEvent* event) {
    if (!m_puzzle || m_puzzle->selectedPiece() == 0) {
        event->ignore();
        return;
    }
    // One step per notch (120 eighths of a degree); smooth wheels send smaller parts. Rolling
    // away from the player turns clockwise.
    m_wheelAngle += event->angleDelta().y();
    while (m_wheelAngle >= 120) {
        m_wheelAngle -= 120;
        m_puzzle->TurnSelectedPiece(1);
    }
    while (m_wheelAngle <= -120) {
        m_wheelAngle += 120;
        m_puzzle->TurnSelectedPiece(-1);
    }
    event->accept();
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    if (!m_puzzle || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Tab:
        m_puzzle->LiftNextPiece(1);
        break;
    case Qt::Key_Backtab:
        m_puzzle->LiftNextPiece(-1);
        break;
    case Qt::Key_Left:
        m_puzzle->NudgeSelectedPiece(-1, 0);
        break;
    case Qt::Key_Right:
        m_puzzle->NudgeSelectedPiece(1, 0);
        break;
    case Qt::Key_Up:
        m_puzzle->NudgeSelectedPiece(0, -1);
        break;
    case Qt::Key_Down:
        m_puzzle->NudgeSelectedPiece(0, 1);
        break;
    case Qt::Key_Q:
        m_puzzle->TurnSelectedPiece(-1);
        break;
    case Qt::Key_E:
        m_puzzle->TurnSelectedPiece(1);
        break;
    case Qt::Key_M:
        m_puzzle->MirrorSelectedPiece();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        m_puzzle->DropSelectedPiece();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool BoardWidget::focusNextPrevChild(bool) {
    return false;
}

void BoardWidget::press(QMouseEvent* event) {
    if (!m_puzzle) {
        event->ignore();
        return;
    }
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
    m_puzzle->boxMousedown(button, qFloor(position.x()), qFloor(position.y()));
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    press(event);
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    press(event);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!m_puzzle) {
        return;
    }
    // While a button is held the widget keeps the pointer (Qt's implicit grab), so positions
    // may lie outside the board.
    const QPointF position = event->position();
    const bool leftHeld = (event->buttons() & Qt::LeftButton) != 0;
    m_puzzle->boxMouseMove(leftHeld, qFloor(position.x()), qFloor(position.y()));
}

} // namespace tangram
