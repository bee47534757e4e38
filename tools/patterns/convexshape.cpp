// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/convexshape.h"

#include <algorithm>

namespace tangram::patterns {

namespace {

bool lessPoint(const ExactPoint& p, const ExactPoint& q) {
    const auto cx = compareExact(p.x, q.x);
    if (cx != 0)
        return cx < 0;
    return compareExact(p.y, q.y) < 0;
}

int crossSign(const ExactPoint& o, const ExactPoint& a, const ExactPoint& b) {
    return twiceCross(a - o, b - o).sign();
}

} // namespace

// Monotone chain; collinear points are dropped, so every hull vertex is a real corner.
std::vector<ExactPoint> convexHull(std::vector<ExactPoint> points) {
    std::sort(points.begin(), points.end(), lessPoint);
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < 3)
        return points;
    std::vector<ExactPoint> h(2 * points.size());
    std::size_t k = 0;
    for (const ExactPoint& p : points) {
        while (k >= 2 && crossSign(h[k - 2], h[k - 1], p) <= 0)
            --k;
        h[k++] = p;
    }
    for (std::size_t i = points.size() - 1, t = k + 1; i-- > 0;) {
        while (k >= t && crossSign(h[k - 2], h[k - 1], points[i]) <= 0)
            --k;
        h[k++] = points[i];
    }
    h.resize(k - 1);
    return h;
}

Surd fourTimesArea(const std::vector<ExactPoint>& polygon) {
    Surd sum{};
    for (std::size_t i = 0; i < polygon.size(); ++i)
        sum = sum + twiceCross(polygon[i], polygon[(i + 1) % polygon.size()]);
    return sum;
}

namespace {

// Direction 0..7 of an edge in 45-degree steps, or -1 when it is not one of those.
int direction(const ExactPoint& e) {
    const int sx = e.x.sign();
    const int sy = e.y.sign();
    if (sy == 0)
        return sx > 0 ? 0 : 4;
    if (sx == 0)
        return sy > 0 ? 2 : 6;
    if (!(e.x == e.y || e.x == -e.y))
        return -1;
    if (sx > 0)
        return sy > 0 ? 1 : 7;
    return sy > 0 ? 3 : 5;
}

Exact absolute(Exact v) {
    return v.sign() < 0 ? -v : v;
}

// Side length as an Exact value; a diagonal side of run |x| is |x| * sqrt(2) = |x| * 2d.
Exact sideLength(const ExactPoint& e, int dir) {
    if (dir % 2 == 0)
        return dir % 4 == 0 ? absolute(e.x) : absolute(e.y);
    const Exact run = absolute(e.x);
    return {run.b, 2 * run.a};
}

std::string describeHull(const std::vector<ExactPoint>& h) {
    const std::size_t n = h.size();
    std::vector<std::string> tokens;
    for (std::size_t i = 0; i < n; ++i) {
        const ExactPoint e = h[(i + 1) % n] - h[i];
        const ExactPoint next = h[(i + 2) % n] - h[(i + 1) % n];
        const int d = direction(e);
        const int dn = direction(next);
        if (d < 0 || dn < 0)
            return {};
        tokens.push_back(sideLength(e, d).text() + "/" + std::to_string((dn - d + 8) % 8));
    }
    std::string best;
    for (std::size_t start = 0; start < n; ++start) {
        std::string s;
        for (std::size_t i = 0; i < n; ++i)
            s += tokens[(start + i) % n] + " ";
        if (best.empty() || s < best)
            best = s;
    }
    return best;
}

} // namespace

ConvexShape convexShapeOf(const SourceFigure& figure) {
    ConvexShape result;
    std::vector<ExactPoint> points;
    for (const SourcePiece& piece : figure.pieces) {
        if (piece.raw || piece.vertices.empty())
            return result;
        points.insert(points.end(), piece.vertices.begin(), piece.vertices.end());
    }
    result.exact = true;
    const std::vector<ExactPoint> h = convexHull(points);
    // The pieces cover 8 square units.
    const Surd area = fourTimesArea(h);
    if (!(area == Surd{32, 0} || area == Surd{-32, 0}))
        return result;
    result.convex = true;
    result.corners = static_cast<int>(h.size());
    std::vector<ExactPoint> mirror;
    for (auto it = h.rbegin(); it != h.rend(); ++it)
        mirror.push_back(mirrored(*it)); // reversed so that it runs the same way round
    const std::string a = describeHull(h);
    const std::string b = describeHull(mirror);
    result.signature = std::min(a, b);
    return result;
}

} // namespace tangram::patterns
