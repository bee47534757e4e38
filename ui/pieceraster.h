// SPDX-License-Identifier: GPL-3.0-or-later
// Rasterises the pieces onto the board's back buffer: convex polygons filled, and closed outlines
// one board pixel wide, copied or exclusive-or'd. Done here rather than through QPainter because
// the game needs guarantees that Qt's line drawing does not give: every vertex of an outline is
// drawn, no pixel of an outline is touched twice (a second touch would cancel an XOR and leave a
// hole), the pen of a filled piece covers exactly the pixels of its XOR outline, and an edge two
// pieces share gives the same pixels for both.
//
// Coordinates. Vertices are given in the board's logical pixels; the image holds device pixels
// at its devicePixelRatio d. Logical pixel (x, y) is the device square from
// (floor(x * d), floor(y * d)) to (floor((x + 1) * d), floor((y + 1) * d)), and lines and fills
// are computed at device resolution between the centres of the vertices' squares, so the board
// stays sharp at any d. A line is k = max(1, round(d)) device pixels thick along its minor axis;
// at d = 1 it is the classic one-pixel line. A device pixel is filled when its centre lies inside
// the polygon through the vertices' centres.
//
// The pixels depend on nothing but the vertices and d, so drawing the same XOR outline twice
// restores the image exactly. Nothing allocates once the scratch buffers have grown to the
// largest outline drawn.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <vector>

namespace tangram {

class PieceRaster {
public:
    // Fills the convex polygon through `vertices` (logical pixels, `count` of them, 1..8) with
    // `colour`. Returns the device rectangle it may have touched.
    QRect fillConvex(QImage& image, const QPoint* vertices, int count, QRgb colour);

    // The closed outline through `vertices`: each pixel set to `colour`, or exclusive-or'd with
    // it when `xorMode` (the alpha byte is kept). Returns the device rectangle it touched.
    QRect drawOutline(QImage& image, const QPoint* vertices, int count, QRgb colour, bool xorMode);

private:
    void traceOutline(const QPoint* vertices, int count, qreal dpr);
    void traceLine(QPointF from, QPointF to, int thickness);
    void markBlock(int left, int top, int right, int bottom); // exclusive right and bottom
    void mark(int x, int y);

    std::vector<QPoint> m_pixels;
    // The pixels that may be marked while tracing, and which of them are: all zero otherwise.
    std::vector<std::uint8_t> m_seen;
    int m_areaLeft = 0;
    int m_areaTop = 0;
    int m_areaWidth = 0;
    int m_areaHeight = 0;
};

} // namespace tangram
