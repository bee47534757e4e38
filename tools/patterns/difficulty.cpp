// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/difficulty.h"

#include "tools/patterns/convexshape.h"
#include "tools/patterns/silhouette.h"
#include "tools/patterns/solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
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

Difficulty outlineOf(const SourceFigure& figure) {
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
    double hidden = 0;
    for (std::size_t p = 0; p < edges.size(); ++p)
        for (std::size_t q = p + 1; q < edges.size(); ++q)
            for (const Edge& e : edges[p])
                for (const Edge& f : edges[q])
                    hidden += sharedLength(e, f);
    outline -= 2 * hidden;
    d.hidden = hidden;
    d.exact = true;
    const Surd area = fourTimesArea(convexHull(corners));
    d.hullArea =
        std::abs(static_cast<double>(area.p) + static_cast<double>(area.q) * std::sqrt(2.0)) / 4;
    d.outline = outline;
    return d;
}

std::uint64_t medianSearchNodes(const TPatternRecord& record) {
    // Seven orders of the five piece kinds (small, medium, large triangle, square,
    // parallelogram): in each, every kind stands first, last and in the middle at least once.
    static constexpr std::array<std::array<int, 5>, 7> kOrders{{{1, 2, 3, 4, 5},
                                                                {5, 4, 3, 2, 1},
                                                                {3, 1, 5, 2, 4},
                                                                {4, 2, 5, 1, 3},
                                                                {2, 5, 1, 4, 3},
                                                                {1, 3, 5, 4, 2},
                                                                {5, 3, 1, 2, 4}}};
    // Far above any figure of the library (the hardest needs about 10^5); a figure that reaches
    // it simply counts as this hard.
    constexpr std::uint64_t kMaxNodes = 50'000'000;
    const TCellGrid target = silhouetteOf(record);
    std::vector<std::uint64_t> nodes;
    for (const auto& order : kOrders) {
        Solver solver(target);
        solver.setShapeOrder(order);
        solver.run(1, kMaxNodes);
        nodes.push_back(solver.nodes());
    }
    std::nth_element(nodes.begin(), nodes.begin() + nodes.size() / 2, nodes.end());
    return nodes[nodes.size() / 2];
}

Difficulty difficultyOf(const SourceFigure& figure, const TPatternRecord& record) {
    Difficulty d = outlineOf(figure);
    if (!d.exact)
        return d;
    d.searchNodes = medianSearchNodes(record);
    d.score = d.hidden + std::log2(static_cast<double>(std::max<std::uint64_t>(d.searchNodes, 1)));
    return d;
}

namespace {

std::vector<double> ranks(const std::vector<double>& v) {
    std::vector<std::size_t> order(v.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](auto i, auto j) { return v[i] < v[j]; });
    std::vector<double> r(v.size());
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i;
        while (j + 1 < order.size() && v[order[j + 1]] == v[order[i]])
            ++j;
        for (std::size_t k = i; k <= j; ++k)
            r[order[k]] = (static_cast<double>(i) + static_cast<double>(j)) / 2;
        i = j + 1;
    }
    return r;
}

} // namespace

double rankCorrelation(const std::vector<double>& x, const std::vector<double>& y) {
    if (x.size() != y.size() || x.size() < 2)
        return 0;
    const std::vector<double> rx = ranks(x);
    const std::vector<double> ry = ranks(y);
    const double mean = (static_cast<double>(x.size()) - 1) / 2;
    double sxy = 0;
    double sxx = 0;
    double syy = 0;
    for (std::size_t i = 0; i < rx.size(); ++i) {
        sxy += (rx[i] - mean) * (ry[i] - mean);
        sxx += (rx[i] - mean) * (rx[i] - mean);
        syy += (ry[i] - mean) * (ry[i] - mean);
    }
    return sxx == 0 || syy == 0 ? 0 : sxy / std::sqrt(sxx * syy);
}

} // namespace tangram::patterns
