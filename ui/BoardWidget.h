// SPDX-License-Identifier: GPL-3.0-or-later
// The board `box` of the main window: the seven pieces on a silver ground, drawn from the state
// of the game session's puzzle, and the mouse on the board turned into the puzzle's boxMousedown
// and boxMouseMove. It is the puzzle's BoardCanvas: the puzzle's drawing requests come here.
//
// Drawing is immediate. The board keeps a back buffer and the drawing primitives paint on it at
// once, then schedule a repaint of just the rectangle they touched; paintEvent only copies the
// buffer to the screen. boxPaint rebuilds the whole picture from the state, and the primitives,
// called by the puzzle in the game's order, keep the buffer equal to what boxPaint would draw.
//
// Device pixels. The buffer holds device pixels (widget size times devicePixelRatio), so the
// board stays sharp on high-density screens, while every coordinate stays in the board's logical
// pixels: grid point (x, y) is logical pixel (x * cell width, y * cell height). PieceRaster draws
// the pieces at device resolution (one-logical-pixel lines are round(dpr) device pixels thick)
// and guarantees what the game's XOR outline needs at any dpr: no antialiasing, every outline
// pixel touched exactly once, so drawing the same outline twice restores every byte, and the pen
// of a filled piece covers exactly the pixels of its outline.
//
// The buffer is rebuilt from the state whenever it no longer fits the widget: a new size, a new
// dpr (another screen) or a new cell size. A primitive called while the buffer is out of date
// draws nothing and leaves the rebuild to the next paint, which shows the state it finds.
//
// Keys and wheel. With the keyboard focus the board plays the whole game from the keys: Tab
// (Shift+Tab) puts the lifted piece down and lifts the next (previous) one, the arrow keys move
// it by a cell, Q and E turn it a step to the left and right, M mirrors the parallelogram, and
// Enter or Space puts it down. The wheel turns the lifted piece a step per notch.
//
// A refused put-down draws the piece's outline in red over the picture for a moment; the back
// buffer is not touched, so the picture after the flash is the picture before it.
//
// Ownership: the puzzle belongs to the game session and must outlive the board. Until setPuzzle
// the board shows its silver ground and ignores the mouse.
#pragma once

#include "model/puzzle.h"
#include "model/boardcanvas.h"
#include "ui/cursors.h"
#include "ui/pieceraster.h"

#include <QImage>
#include <QWidget>

#include <array>

class QMouseEvent;
class QTimer;

namespace tangram {

class BoardWidget : public QWidget, public BoardCanvas {
    Q_OBJECT

public:
    explicit BoardWidget(QWidget* parent = nullptr);
    void setPuzzle(Puzzle* puzzle);

    // The drawing primitives, at the puzzle's current placements and cell size. Colours are
    // $00BBGGRR.
    // Closed outline of `piece`, one logical pixel wide; exclusive-or'd into the board when
    // `xorMode`, else copied.
    void DrawPieceOutline(int piece, Colour colour, bool xorMode) override;
    // `piece` as a polygon filled with `fill` and edged with `pen`.
    void DrawPieceFilled(int piece, Colour fill, Colour pen) override;
    // DrawPieceFilled for pieces 1..7 in order, skipping the puzzle's selected piece.
    void DrawPlacedPieces(Colour fill, Colour pen) override;

    // The whole picture from the state: silver ground, the placed pieces in the colour of the
    // play state with grey edges, and the yellow XOR outline of the selected piece. Repaints
    // the whole widget.
    void boxPaint();

    // Hand, move (CRMOVE1) or turn (CRTURN2).
    void SetBoardCursor(BoardCursor cursor) override;
    void FlashRefusedPiece(int piece) override;
    // The piece whose refused put-down is flashing, 0 when none.
    int flashingPiece() const { return m_flashPiece; }

    static constexpr int kFlashMs = 400;
    BoardCursor boardCursor() const { return m_cursorKind; }

    // The picture the board shows, in device pixels (null before the first picture).
    const QImage& backBuffer() const { return m_buffer; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // A double click is a second press: the game has no gesture of its own for it.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab lift pieces here instead of moving the focus.
    bool focusNextPrevChild(bool next) override;

private:
    using Outline = std::array<QPoint, 4>;

    bool bufferCurrent() const;
    void rebuildBuffer();
    int outlineOf(int piece, Outline& points) const; // vertex count
    // Each adds the device rectangle it touched to `touched`.
    void fillPiece(int piece, Colour fill, Colour pen, QRect& touched);
    void placedPieces(Colour fill, Colour pen, QRect& touched);
    void outlinePiece(int piece, Colour colour, bool xorMode, QRect& touched);
    // Schedules the repaint of a device rectangle of the buffer.
    void updateDevice(const QRect& touched);
    void press(QMouseEvent* event);

    Puzzle* m_puzzle = nullptr;
    QImage m_buffer;
    // The cell size the buffer was drawn with.
    int m_bufferCellWidth = -1;
    int m_bufferCellHeight = -1;
    PieceRaster m_raster;
    BoardCursors m_cursors;
    BoardCursor m_cursorKind = BoardCursor::Hand;
    int m_flashPiece = 0;
    QTimer* m_flashTimer = nullptr;
    int m_wheelAngle = 0; // eighths of a degree not yet turned into steps
};

} // namespace tangram
