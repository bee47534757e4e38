// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pieceraster.h"

#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace tangram {
namespace {

// Device column or row where logical pixel `v` starts.
int deviceStart(int v, qreal dpr) {
    return qFloor(v * dpr);
}

// Device end (exclusive) of logical pixel `v`: at least one device pixel wide.
int deviceEnd(int v, qreal dpr) {
    return std::max(deviceStart(v, dpr) + 1, qFloor((v + 1) * dpr));
}

// Centre of logical pixel (x, y) in device coordinates.
QPointF deviceCentre(QPoint v, qreal dpr) {
    return QPointF((v.x() + 0.5) * dpr, (v.y() + 0.5) * dpr);
}

} // namespace

QRect PieceRaster::fillConvex(QImage& image, const QPoint* vertices, int count, QRgb colour) {
    if (count < 3 || image.isNull()) {
        return QRect();
    }
    const qreal dpr = image.devicePixelRatio();
    std::array<QPointF, 8> points;
    count = std::min(count, static_cast<int>(points.size()));
    qreal top = 1e300;
    qreal bottom = -1e300;
    for (int i = 0; i < count; ++i) {
        points[static_cast<std::size_t>(i)] = deviceCentre(vertices[i], dpr);
        top = std::min(top, points[static_cast<std::size_t>(i)].y());
        bottom = std::max(bottom, points[static_cast<std::size_t>(i)].y());
    }
    // Rows whose centres (j + 0.5) lie within the polygon's height, clipped to the image.
    const int firstRow = std::max(0, qCeil(top - 0.5));
    const int lastRow = std::min(image.height() - 1, qFloor(bottom - 0.5));
    const QRgb pixel = 0xFF000000u | colour;
    QRect touched;
    for (int row = firstRow; row <= lastRow; ++row) {
        const qreal yc = row + 0.5;
        qreal left = 1e300;
        qreal right = -1e300;
        for (int i = 0; i < count; ++i) {
            const QPointF a = points[static_cast<std::size_t>(i)];
            const QPointF b = points[static_cast<std::size_t>((i + 1) % count)];
            if (a.y() == b.y()) {
                if (a.y() == yc) { // a horizontal edge on the centre line
                    left = std::min({left, a.x(), b.x()});
                    right = std::max({right, a.x(), b.x()});
                }
                continue;
            }
            if (yc < std::min(a.y(), b.y()) || yc > std::max(a.y(), b.y())) {
                continue;
            }
            const qreal x = a.x() + (yc - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
            left = std::min(left, x);
            right = std::max(right, x);
        }
        if (left > right) {
            continue;
        }
        // Columns whose centres (i + 0.5) lie within [left, right].
        const int firstColumn = std::max(0, qCeil(left - 0.5));
        const int lastColumn = std::min(image.width() - 1, qFloor(right - 0.5));
        if (firstColumn > lastColumn) {
            continue;
        }
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        std::fill(line + firstColumn, line + lastColumn + 1, pixel);
        touched |= QRect(firstColumn, row, lastColumn - firstColumn + 1, 1);
    }
    return touched;
}

QRect PieceRaster::drawOutline(QImage& image, const QPoint* vertices, int count, QRgb colour,
                               bool xorMode) {
    if (count < 1 || image.isNull()) {
        return QRect();
    }
    traceOutline(vertices, count, image.devicePixelRatio());
    const int width = image.width();
    const int height = image.height();
    uchar* const bits = image.bits(); // detaches once, not per pixel
    const qsizetype stride = image.bytesPerLine();
    const QRgb colourBits = colour & RGB_MASK;
    int left = width;
    int top = height;
    int right = -1;
    int bottom = -1;
    for (const QPoint& p : m_pixels) {
        const int x = p.x();
        const int y = p.y();
        if (x < 0 || y < 0 || x >= width || y >= height) {
            continue;
        }
        QRgb& pixel = reinterpret_cast<QRgb*>(bits + y * stride)[x];
        pixel = xorMode ? (pixel ^ colourBits) : (0xFF000000u | colourBits);
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

void PieceRaster::traceOutline(const QPoint* vertices, int count, qreal dpr) {
    m_pixels.clear();
    const int thickness = std::max(1, qRound(dpr));
    // The area that can be marked: the vertices' squares, widened by the line thickness.
    int left = deviceStart(vertices[0].x(), dpr);
    int top = deviceStart(vertices[0].y(), dpr);
    int right = deviceEnd(vertices[0].x(), dpr);
    int bottom = deviceEnd(vertices[0].y(), dpr);
    for (int i = 1; i < count; ++i) {
        left = std::min(left, deviceStart(vertices[i].x(), dpr));
        top = std::min(top, deviceStart(vertices[i].y(), dpr));
        right = std::max(right, deviceEnd(vertices[i].x(), dpr));
        bottom = std::max(bottom, deviceEnd(vertices[i].y(), dpr));
    }
    m_areaLeft = left - thickness;
    m_areaTop = top - thickness;
    m_areaWidth = right - left + 2 * thickness + 1;
    m_areaHeight = bottom - top + 2 * thickness + 1;
    const std::size_t cells = static_cast<std::size_t>(m_areaWidth) * m_areaHeight;
    if (m_seen.size() < cells) {
        m_seen.assign(cells, 0);
    }

    for (int i = 0; i < count; ++i) {
        const QPoint v = vertices[i];
        markBlock(deviceStart(v.x(), dpr), deviceStart(v.y(), dpr), deviceEnd(v.x(), dpr),
                  deviceEnd(v.y(), dpr));
        const QPoint w = vertices[(i + 1) % count];
        traceLine(deviceCentre(v, dpr), deviceCentre(w, dpr), thickness);
    }
    // Leave the scratch mask clear for the next outline.
    for (const QPoint& p : m_pixels) {
        m_seen[static_cast<std::size_t>((p.y() - m_areaTop) * m_areaWidth + (p.x() - m_areaLeft))] =
            0;
    }
}

void PieceRaster::traceLine(QPointF from, QPointF to, int thickness) {
    // The same pixels whichever way the edge is drawn, so that a shared edge matches.
    if (std::make_pair(to.x(), to.y()) < std::make_pair(from.x(), from.y())) {
        std::swap(from, to);
    }
    const qreal dx = to.x() - from.x();
    const qreal dy = to.y() - from.y();
    if (dx == 0 && dy == 0) {
        return; // a point: its square is already marked
    }
    const qreal half = thickness / 2.0;
    if (std::abs(dx) >= std::abs(dy)) {
        // x-major: one run of `thickness` pixels per column, centred on the line.
        const int first = qFloor(from.x());
        const int last = qFloor(to.x());
        for (int column = first; column <= last; ++column) {
            const qreal xc = std::clamp<qreal>(column + 0.5, from.x(), to.x());
            const qreal y = from.y() + (xc - from.x()) * dy / dx;
            const int start = qFloor(y - half + 0.5);
            for (int k = 0; k < thickness; ++k) {
                mark(column, start + k);
            }
        }
    } else {
        if (dy < 0) {
            std::swap(from, to);
        }
        const qreal ddx = to.x() - from.x();
        const qreal ddy = to.y() - from.y();
        const int first = qFloor(from.y());
        const int last = qFloor(to.y());
        for (int row = first; row <= last; ++row) {
            const qreal yc = std::clamp<qreal>(row + 0.5, from.y(), to.y());
            const qreal x = from.x() + (yc - from.y()) * ddx / ddy;
            const int start = qFloor(x - half + 0.5);
            for (int k = 0; k < thickness; ++k) {
                mark(start + k, row);
            }
        }
    }
}

void PieceRaster::markBlock(int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            mark(x, y);
        }
    }
}

void PieceRaster::mark(int x, int y) {
    const int dx = x - m_areaLeft;
    const int dy = y - m_areaTop;
    if (dx < 0 || dy < 0 || dx >= m_areaWidth || dy >= m_areaHeight) {
        return;
    }
    std::uint8_t& seen = m_seen[static_cast<std::size_t>(dy * m_areaWidth + dx)];
    if (seen == 0) {
        seen = 1;
        m_pixels.push_back(QPoint(x, y));
    }
}

} // namespace tangram
