// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the board tests: a puzzle wired to a real board widget through a small view,
// a figure of well separated pieces, mouse events and pixel look-ups in logical coordinates.
#pragma once

#include "model/cellgrid.h"
#include "model/geometry.h"
#include "model/puzzle.h"
#include "model/boardcanvas.h"
#include "model/puzzleevents.h"
#include "ui/BoardWidget.h"
#include "ui/boardcolour.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QtMath>

#include <set>
#include <vector>

namespace tangram::test {

// The part of the game that the board needs: a puzzle drawing on a real board; sounds and pages
// are only counted.
class BoardHarness : public PuzzleEvents {
public:
    explicit BoardHarness(int cellSize = 5) : puzzle(board, *this) {
        board.setPuzzle(&puzzle);
        setCellSize(cellSize);
    }

    void setCellSize(int cellSize) {
        board.resize(kColumns * cellSize + 1, kRows * cellSize + 1);
        puzzle.SetCellSize(cellSize, cellSize);
        board.boxPaint();
    }

    void PlaySoundEffect(SoundEffect sound) override { sounds.push_back(sound); }
    void ShowWonPage() override { ++wonPages; }
    void StatusChanged() override {}
    void SetHelpEnabled(bool) override {}

    BoardWidget board;
    Puzzle puzzle;
    std::vector<SoundEffect> sounds;
    int wonPages = 0;
    PatternStatus status;
    bool modified = false;
};

// Seven pieces in orientation 0, far enough apart that no two outlines touch, inside the board
// and clear of the home placements' corners.
inline TPatternRecord separatedFigure() {
    return {{{25, 30, 0},
             {40, 30, 0},
             {60, 32, 0},
             {85, 35, 0},
             {30, 70, 0},
             {50, 65, 0},
             {75, 65, 0}}};
}

// Pixel of the grid point (column, row) at cell size `cell`.
inline QPoint gridPixel(int column, int row, int cell) {
    return QPoint(column * cell, row * cell);
}

// The vertex pixels of a piece at its current placement.
inline std::vector<QPoint> vertexPixels(const Puzzle& puzzle, int piece) {
    const TPlacement& p = puzzle.placement(piece);
    const int shape = PieceShapeOf(piece);
    std::vector<QPoint> points;
    for (int v = 0; v < VertexCount(shape); ++v) {
        const GridOffset o = OutlineVertex(shape, v, p.orientation);
        points.push_back(gridPixel(p.column + o.x, p.row + o.y, puzzle.cellWidth()));
    }
    return points;
}

// A pixel well inside a piece: the average of its vertices.
inline QPoint centrePixel(const Puzzle& puzzle, int piece) {
    const std::vector<QPoint> points = vertexPixels(puzzle, piece);
    QPoint sum;
    for (const QPoint& p : points) {
        sum += p;
    }
    return sum / static_cast<int>(points.size());
}

// The first pixel (row by row) of the piece's hit zone `zone` that is at least `margin` pixels
// inside; a null point when there is none.
inline QPoint pixelInZone(const Puzzle& puzzle, int piece, HitZone zone, int margin = 2) {
    const std::vector<QPoint> points = vertexPixels(puzzle, piece);
    int left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (const QPoint& p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            bool deep = true;
            for (int dy = -margin; dy <= margin && deep; dy += margin) {
                for (int dx = -margin; dx <= margin && deep; dx += margin) {
                    deep = puzzle.PieceHitZone(x + dx, y + dy, piece) == zone;
                }
            }
            if (deep) {
                return QPoint(x, y);
            }
        }
    }
    return QPoint();
}

// --- mouse events, sent straight to the board ---

inline void sendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

inline void pressAt(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(widget, QEvent::MouseButtonPress, at, button, button);
}

inline void releaseAt(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

inline void moveTo(QWidget& widget, QPoint at, Qt::MouseButtons held) {
    sendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, held);
}

// --- pixels ---

// Colour of logical pixel (x, y) of a device-pixel image: the top-left device pixel of its
// square.
inline QRgb logicalPixel(const QImage& image, int x, int y) {
    const qreal dpr = image.devicePixelRatio();
    return image.pixel(qFloor(x * dpr), qFloor(y * dpr)) & RGB_MASK;
}

inline QRgb rgb(Colour colour) {
    return boardRgb(colour) & RGB_MASK;
}

// The yellow XOR of a pixel value, as the outline of the lifted piece leaves it.
inline QRgb xorYellow(QRgb pixel) {
    return (pixel ^ rgb(kYellow)) & RGB_MASK;
}

inline std::set<QRgb> coloursOf(const QImage& image) {
    std::set<QRgb> colours;
    QRgb last = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x] & RGB_MASK;
            if (pixel != last || colours.empty()) {
                colours.insert(pixel);
                last = pixel;
            }
        }
    }
    return colours;
}

// How many device pixels of the board, as drawn step by step, differ from the picture that
// boxPaint makes from the current state (-1 for a different size). The board is left with the
// repainted picture.
inline int differencesFromFullRepaint(BoardWidget& board) {
    const QImage incremental = board.backBuffer().copy();
    board.boxPaint();
    const QImage& rebuilt = board.backBuffer();
    if (rebuilt.size() != incremental.size()) {
        return -1;
    }
    int count = 0;
    for (int y = 0; y < rebuilt.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(rebuilt.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(incremental.constScanLine(y));
        for (int x = 0; x < rebuilt.width(); ++x) {
            count += a[x] != b[x] ? 1 : 0;
        }
    }
    return count;
}

} // namespace tangram::test
