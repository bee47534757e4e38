// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/difficulty.h"

#include "tools/patterns/convexshape.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tangram::patterns {

namespace {

constexpr double kD = 0.70710678118654752440; // sqrt(2) / 2
constexpr double kEpsilon = 1e-9;

struct Point {
    double x = 0;
    double y = 0;
};

double value(Exact e) {
    return e.a + e.b * kD;
}

double cross(Point o, Point a, Point b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The piece's corners in boundary order: sorted by angle around their centre, which is enough
// for the convex pieces of a tangram.
std::vector<Point> ring(const std::vector<ExactPoint>& vertices) {
    std::vector<Point> points;
    Point centre;
    for (const ExactPoint& v : vertices) {
        points.push_back({value(v.x), value(v.y)});
        centre.x += points.back().x;
        centre.y += points.back().y;
    }
    centre.x /= static_cast<double>(points.size());
    centre.y /= static_cast<double>(points.size());
    std::sort(points.begin(), points.end(), [&](Point p, Point q) {
        return std::atan2(p.y - centre.y, p.x - centre.x) <
               std::atan2(q.y - centre.y, q.x - centre.x);
    });
    return points;
}

using Edge = std::pair<Point, Point>;

// Length along which two edges of different pieces lie on one another. Pieces never overlap,
// so such a stretch is inside the silhouette and belongs to neither piece's share of the outline.
double sharedLength(const Edge& e, const Edge& f) {
    const double dx = e.second.x - e.first.x;
    const double dy = e.second.y - e.first.y;
    const double length = std::hypot(dx, dy);
    if (std::abs(cross(e.first, e.second, f.first)) > kEpsilon * length ||
        std::abs(cross(e.first, e.second, f.second)) > kEpsilon * length)
        return 0;
    const auto along = [&](Point p) {
        return ((p.x - e.first.x) * dx + (p.y - e.first.y) * dy) / length;
    };
    const double lo = std::max(0.0, std::min(along(f.first), along(f.second)));
    const double hi = std::min(length, std::max(along(f.first), along(f.second)));
    return std::max(0.0, hi - lo);
}

} // namespace

Difficulty difficultyOf(const SourceFigure& figure) {
    Difficulty d;
    std::vector<ExactPoint> corners;
    std::vector<std::vector<Edge>> edges;
    for (const SourcePiece& piece : figure.pieces) {
        if (piece.raw || piece.vertices.size() < 3)
            return d;
        corners.insert(corners.end(), piece.vertices.begin(), piece.vertices.end());
        const std::vector<Point> r = ring(piece.vertices);
        edges.emplace_back();
        for (std::size_t i = 0; i < r.size(); ++i)
            edges.back().push_back({r[i], r[(i + 1) % r.size()]});
    }
    double outline = 0;
    for (const auto& pieceEdges : edges)
        for (const Edge& e : pieceEdges)
            outline += std::hypot(e.second.x - e.first.x, e.second.y - e.first.y);
    for (std::size_t p = 0; p < edges.size(); ++p)
        for (std::size_t q = p + 1; q < edges.size(); ++q)
            for (const Edge& e : edges[p])
                for (const Edge& f : edges[q])
                    outline -= 2 * sharedLength(e, f);
    d.exact = true;
    const Surd area = fourTimesArea(convexHull(corners));
    d.hullArea =
        std::abs(static_cast<double>(area.p) + static_cast<double>(area.q) * std::sqrt(2.0)) / 4;
    d.outline = outline;
    d.score = (d.hullArea / 8) * (outline / (8 * std::sqrt(2.0)));
    return d;
}

} // namespace tangram::patterns
