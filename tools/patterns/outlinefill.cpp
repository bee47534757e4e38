// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/outlinefill.h"

#include "tools/patterns/convexshape.h"
#include "tools/patterns/sourceparser.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <tuple>

namespace tangram::patterns {

namespace {

using Poly = std::vector<ExactPoint>;

Exact times(Exact e, int s) {
    return {e.a * s, e.b * s};
}
ExactPoint times(ExactPoint p, int s) {
    return {times(p.x, s), times(p.y, s)};
}
bool less(Exact x, Exact y) {
    return compareExact(x, y) < 0;
}
// Reading order: top to bottom, then left to right.
bool readingLess(ExactPoint p, ExactPoint q) {
    const int dy = (p.y - q.y).sign();
    return dy != 0 ? dy < 0 : less(p.x, q.x);
}

// The four directions every edge runs in; a point's position along each of their normals.
std::array<Exact, 4> project(ExactPoint p) {
    return {p.x, p.y, p.x + p.y, p.x - p.y};
}

struct Spans {
    std::array<Exact, 4> lo;
    std::array<Exact, 4> hi;
};
Spans spansOf(const Poly& poly) {
    Spans s;
    s.lo = s.hi = project(poly.front());
    for (const ExactPoint& v : poly) {
        const auto p = project(v);
        for (int k = 0; k < 4; ++k) {
            if (less(p[k], s.lo[k]))
                s.lo[k] = p[k];
            if (less(s.hi[k], p[k]))
                s.hi[k] = p[k];
        }
    }
    return s;
}
// Whether the open interior of a convex piece meets the other convex set (a piece, or an edge
// given as a two-point polygon): the two are apart exactly when one of the four directions
// separates them.
bool meetsInterior(const Spans& piece, const Spans& other) {
    for (int k = 0; k < 4; ++k)
        if (!less(other.lo[k], piece.hi[k]) || !less(piece.lo[k], other.hi[k]))
            return false;
    return true;
}

int perturbedSign(Surd main, Surd second) {
    const int s = main.sign();
    return s != 0 ? s : second.sign();
}

// Whether q + e*u lies inside the convex polygon for every small enough e > 0.
bool insideConvex(const Poly& poly, ExactPoint q, ExactPoint u) {
    Surd area{};
    for (std::size_t i = 0; i < poly.size(); ++i)
        area = area + twiceCross(poly[i], poly[(i + 1) % poly.size()]);
    const int turning = area.sign();
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const ExactPoint a = poly[i];
        const ExactPoint edge = poly[(i + 1) % poly.size()] - a;
        if (perturbedSign(twiceCross(edge, q - a), twiceCross(edge, u)) != turning)
            return false;
    }
    return true;
}

// Whether q + e*u lies inside the region bounded by the rings (even-odd rule) for every small
// enough e > 0; u must not run along an edge. A ray from that point to the right is crossed by
// the edges that have one end above it and one not.
bool insideRings(const std::vector<Poly>& rings, ExactPoint q, ExactPoint u) {
    const auto above = [&](Exact y) {
        const int s = (q.y - y).sign();
        return s != 0 ? s > 0 : u.y.sign() > 0;
    };
    bool inside = false;
    for (const Poly& ring : rings)
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const ExactPoint a = ring[i];
            const ExactPoint b = ring[(i + 1) % ring.size()];
            if (above(a.y) == above(b.y))
                continue;
            const ExactPoint edge = b - a;
            if (perturbedSign(twiceCross(edge, q - a), twiceCross(edge, u)) == (b.y - a.y).sign())
                inside = !inside;
        }
    return inside;
}

// Directions strictly inside each of the eight 45-degree sectors around a point.
constexpr std::array<std::array<int, 2>, 8> kSectors{
    {{2, 1}, {1, 2}, {-1, 2}, {-2, 1}, {-2, -1}, {-1, -2}, {1, -2}, {2, -1}}};
ExactPoint sectorDirection(int k) {
    return {{kSectors[k][0], 0}, {kSectors[k][1], 0}};
}

enum class Direction { Across, Down, Falling, Rising, Other }; // -, |, \, /

Direction directionOf(ExactPoint a, ExactPoint b) {
    const Exact dx = b.x - a.x;
    const Exact dy = b.y - a.y;
    if (dy == Exact{})
        return Direction::Across;
    if (dx == Exact{})
        return Direction::Down;
    if (dx == dy)
        return Direction::Falling;
    if (dx == -dy)
        return Direction::Rising;
    return Direction::Other;
}

struct Segment {
    ExactPoint a;
    ExactPoint b;
    Direction direction;
};

// Twice the crossing point of the lines through two segments of different directions; in
// doubled coordinates so that the crossing of two diagonals, which may fall half-way between
// lattice points, is still exact.
ExactPoint doubledCrossing(Segment s, Segment t) {
    if (static_cast<int>(s.direction) > static_cast<int>(t.direction))
        std::swap(s, t);
    const Exact y = s.a.y;             // Across: y = const
    const Exact x = s.a.x;             // Down: x = const
    const Exact m = t.a.x - t.a.y;     // Falling: x - y = m
    const Exact k = t.a.x + t.a.y;     // Rising: x + y = k
    switch (s.direction) {
    case Direction::Across:
        if (t.direction == Direction::Down)
            return times({t.a.x, y}, 2);
        if (t.direction == Direction::Falling)
            return times({m + y, y}, 2);
        return times({k - y, y}, 2);
    case Direction::Down:
        if (t.direction == Direction::Falling)
            return times({x, x - m}, 2);
        return times({x, k - x}, 2);
    default: { // Falling with Rising
        const Exact fm = s.a.x - s.a.y;
        return {k + fm, k - fm};
    }
    }
}

bool between(Exact v, Exact e1, Exact e2) {
    if (less(e2, e1))
        std::swap(e1, e2);
    return !less(v, e1) && !less(e2, v);
}
// Whether a doubled point on the segment's line lies on the segment.
bool onSegment(ExactPoint doubled, const Segment& s) {
    const ExactPoint a = times(s.a, 2);
    const ExactPoint b = times(s.b, 2);
    return between(doubled.x, a.x, b.x) && between(doubled.y, a.y, b.y);
}

bool even(Exact e) {
    return e.a % 2 == 0 && e.b % 2 == 0;
}

Poly translated(const Poly& poly, ExactPoint by) {
    Poly out = poly;
    for (ExactPoint& v : out)
        v = v + by;
    return out;
}

struct PieceKind {
    std::string keyword;
    int count = 0;
    std::vector<Poly> orientations; // top-left corner at the origin, each outline once
};

std::vector<PieceKind> pieceKinds() {
    std::vector<PieceKind> kinds{{"large", 2, {}}, {"medium", 1, {}}, {"square", 1, {}},
                                 {"para", 1, {}}, {"small", 2, {}}};
    for (PieceKind& kind : kinds) {
        std::vector<Poly> seen;
        for (const std::string& word :
             kind.keyword == "para" ? std::vector<std::string>{"para", "mpara"}
                                    : std::vector<std::string>{kind.keyword})
            for (int turn = 0; turn < 8; ++turn) {
                Poly poly = canonicalVertices(word, turn);
                const ExactPoint corner = *std::min_element(poly.begin(), poly.end(), readingLess);
                poly = translated(poly, {-corner.x, -corner.y});
                Poly key = poly;
                std::sort(key.begin(), key.end(), readingLess);
                if (std::find(seen.begin(), seen.end(), key) != seen.end())
                    continue;
                seen.push_back(key);
                kind.orientations.push_back(poly);
            }
    }
    return kinds;
}

class Filler {
public:
    Filler(const Outline& outline, std::size_t limit, std::uint64_t maxNodes)
        : m_rings(outline.rings), m_kinds(pieceKinds()), m_limit(limit), m_maxNodes(maxNodes) {
        for (const Poly& ring : m_rings)
            for (std::size_t i = 0; i < ring.size(); ++i)
                m_edges.push_back({ring[i], ring[(i + 1) % ring.size()]});
        for (const auto& [a, b] : m_edges)
            m_edgeSpans.push_back(spansOf({a, b}));
        for (const PieceKind& kind : m_kinds)
            m_left.push_back(kind.count);
    }

    void run(FillResult& result) {
        search(result);
        result.nodes = m_nodes;
        result.stopped = m_stopped;
    }

private:
    struct Laid {
        int kind;
        Poly poly;
        Spans spans;
    };

    bool done(const FillResult& result) const {
        return m_stopped || (m_limit != 0 && result.fillings.size() >= m_limit);
    }

    void search(FillResult& result) {
        if (m_laid.size() == 7) {
            Filling filling;
            for (std::size_t i = 0; i < m_laid.size(); ++i)
                filling[i] = {m_kinds[m_laid[i].kind].keyword, m_laid[i].poly};
            result.fillings.push_back(filling);
            return;
        }
        ExactPoint corner;
        if (!nextCorner(corner))
            return;
        for (std::size_t k = 0; k < m_kinds.size(); ++k) {
            if (m_left[k] == 0)
                continue;
            for (const Poly& shape : m_kinds[k].orientations) {
                if (m_maxNodes != 0 && m_nodes >= m_maxNodes) {
                    m_stopped = true;
                    return;
                }
                ++m_nodes;
                Laid piece{static_cast<int>(k), translated(shape, corner), {}};
                piece.spans = spansOf(piece.poly);
                if (!fits(piece))
                    continue;
                m_laid.push_back(piece);
                --m_left[k];
                search(result);
                ++m_left[k];
                m_laid.pop_back();
                if (done(result))
                    return;
            }
        }
    }

    bool fits(const Laid& piece) const {
        for (const Laid& other : m_laid)
            if (meetsInterior(piece.spans, other.spans))
                return false;
        for (const Spans& edge : m_edgeSpans)
            if (meetsInterior(piece.spans, edge))
                return false;
        // No edge of the outline runs through the piece, so it lies wholly inside or wholly
        // outside; its centre of mass (scaled to stay whole) tells which.
        const int n = static_cast<int>(piece.poly.size());
        ExactPoint centre{};
        for (const ExactPoint& v : piece.poly)
            centre = centre + v;
        std::vector<Poly> scaled = m_rings;
        for (Poly& ring : scaled)
            for (ExactPoint& v : ring)
                v = times(v, n);
        return insideRings(scaled, centre, sectorDirection(0));
    }

    // The top-most, then left-most point of the part still to fill. It lies where edges of the
    // outline or of laid pieces end or cross; false when it is off the lattice, where no piece
    // can have a corner.
    bool nextCorner(ExactPoint& corner) const {
        std::vector<Segment> segments;
        for (const auto& [a, b] : m_edges)
            segments.push_back({a, b, directionOf(a, b)});
        for (const Laid& piece : m_laid)
            for (std::size_t i = 0; i < piece.poly.size(); ++i) {
                const ExactPoint a = piece.poly[i];
                const ExactPoint b = piece.poly[(i + 1) % piece.poly.size()];
                segments.push_back({a, b, directionOf(a, b)});
            }
        std::vector<ExactPoint> points; // doubled
        for (std::size_t i = 0; i < segments.size(); ++i) {
            points.push_back(times(segments[i].a, 2));
            for (std::size_t j = i + 1; j < segments.size(); ++j) {
                if (segments[i].direction == segments[j].direction)
                    continue;
                const ExactPoint p = doubledCrossing(segments[i], segments[j]);
                if (onSegment(p, segments[i]) && onSegment(p, segments[j]))
                    points.push_back(p);
            }
        }
        std::sort(points.begin(), points.end(), readingLess);
        points.erase(std::unique(points.begin(), points.end()), points.end());

        std::vector<Poly> rings = m_rings;
        for (Poly& ring : rings)
            for (ExactPoint& v : ring)
                v = times(v, 2);
        std::vector<Poly> laid;
        for (const Laid& piece : m_laid) {
            laid.push_back(piece.poly);
            for (ExactPoint& v : laid.back())
                v = times(v, 2);
        }
        for (const ExactPoint& p : points)
            for (int k = 0; k < 8; ++k) {
                const ExactPoint u = sectorDirection(k);
                if (!insideRings(rings, p, u))
                    continue;
                if (std::any_of(laid.begin(), laid.end(),
                                [&](const Poly& poly) { return insideConvex(poly, p, u); }))
                    continue;
                if (!even(p.x) || !even(p.y))
                    return false;
                corner = {{p.x.a / 2, p.x.b / 2}, {p.y.a / 2, p.y.b / 2}};
                return true;
            }
        return false;
    }

    std::vector<Poly> m_rings;
    std::vector<std::pair<ExactPoint, ExactPoint>> m_edges;
    std::vector<Spans> m_edgeSpans;
    std::vector<PieceKind> m_kinds;
    std::vector<int> m_left;
    std::vector<Laid> m_laid;
    std::size_t m_limit;
    std::uint64_t m_maxNodes;
    std::uint64_t m_nodes = 0;
    bool m_stopped = false;
};

std::string pointText(ExactPoint p) {
    return p.x.text() + "," + p.y.text();
}

std::string outlineProblem(const Outline& outline) {
    if (outline.rings.empty())
        return "no outline";
    Surd area{};
    for (std::size_t r = 0; r < outline.rings.size(); ++r) {
        const Poly& ring = outline.rings[r];
        if (ring.size() < 3)
            return "a ring needs at least three corners";
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const ExactPoint a = ring[i];
            const ExactPoint b = ring[(i + 1) % ring.size()];
            if (a == b)
                return "corner " + pointText(a) + " stands twice in a row";
            if (directionOf(a, b) == Direction::Other)
                return "the edge from " + pointText(a) + " to " + pointText(b) +
                       " is not at a multiple of 45 degrees";
        }
        Surd ringArea = fourTimesArea(ring);
        if (ringArea.sign() < 0)
            ringArea = Surd{} - ringArea;
        area = outline.holes.size() > r && outline.holes[r] ? area - ringArea : area + ringArea;
    }
    if (!(area == Surd{32, 0})) {
        std::ostringstream text;
        text << "the area is " << (static_cast<double>(area.p) + 1.4142135623730951 * area.q) / 4
             << " small-triangle legs squared, the seven pieces cover 8";
        return text.str();
    }
    return {};
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

using PointKey = std::tuple<int, int, int, int>;
PointKey keyOf(ExactPoint p) {
    return {p.x.a, p.x.b, p.y.a, p.y.b};
}

// A convex piece's corners in order round it, from corners given in any order: of the three ways
// round four corners, the one that does not cross itself encloses the most.
Poly roundOrder(Poly piece) {
    if (piece.size() != 4)
        return piece;
    Poly best = piece;
    const auto absArea = [](const Poly& p) {
        const Surd a = fourTimesArea(p);
        return a.sign() < 0 ? Surd{} - a : a;
    };
    for (const Poly& other : {Poly{piece[0], piece[1], piece[3], piece[2]},
                              Poly{piece[0], piece[2], piece[1], piece[3]}})
        if ((absArea(other) - absArea(best)).sign() > 0)
            best = other;
    return best;
}

} // namespace

Outline outlineOfPieces(const std::vector<std::vector<ExactPoint>>& pieces) {
    std::vector<ExactPoint> corners;
    for (const Poly& piece : pieces)
        corners.insert(corners.end(), piece.begin(), piece.end());
    // Every edge, all pieces running the same way round, cut where another piece's corner lies
    // on it; a cut edge that also runs the other way belongs to two pieces and is inside.
    std::multimap<PointKey, ExactPoint> edges; // start -> end
    std::map<std::pair<PointKey, PointKey>, int> count;
    for (const Poly& given : pieces) {
        Poly piece = roundOrder(given);
        if (fourTimesArea(piece).sign() < 0)
            std::reverse(piece.begin(), piece.end());
        for (std::size_t i = 0; i < piece.size(); ++i) {
            const ExactPoint a = piece[i];
            const ExactPoint b = piece[(i + 1) % piece.size()];
            std::vector<ExactPoint> cuts{a, b};
            for (const ExactPoint& c : corners)
                if (twiceCross(b - a, c - a).sign() == 0 && !(c == a) && !(c == b) &&
                    between(c.x, a.x, b.x) && between(c.y, a.y, b.y))
                    cuts.push_back(c);
            const ExactPoint dir = b - a;
            const auto along = [&](ExactPoint p) {
                const ExactPoint v = p - a;
                return twiceProduct(dir.x, v.x) + twiceProduct(dir.y, v.y);
            };
            std::sort(cuts.begin(), cuts.end(), [&](ExactPoint p, ExactPoint q) {
                return (along(p) - along(q)).sign() < 0;
            });
            cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
            for (std::size_t k = 0; k + 1 < cuts.size(); ++k)
                ++count[{keyOf(cuts[k]), keyOf(cuts[k + 1])}];
        }
    }
    std::map<PointKey, ExactPoint> points;
    for (const Poly& piece : pieces)
        for (const ExactPoint& p : piece)
            points[keyOf(p)] = p;
    for (const auto& [segment, n] : count) {
        if (count.find({segment.second, segment.first}) == count.end())
            edges.insert({segment.first, points.at(segment.second)});
    }
    Outline outline;
    while (!edges.empty()) {
        Poly ring;
        auto edge = edges.begin();
        const PointKey start = edge->first;
        ring.push_back(points.at(start));
        while (true) {
            const ExactPoint to = edge->second;
            edges.erase(edge);
            if (keyOf(to) == start)
                break;
            ring.push_back(to);
            edge = edges.find(keyOf(to));
            if (edge == edges.end())
                break; // cannot happen for pieces that meet edge to edge
        }
        // Drop corners where the outline runs straight on.
        Poly simple;
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const ExactPoint prev = ring[(i + ring.size() - 1) % ring.size()];
            const ExactPoint next = ring[(i + 1) % ring.size()];
            if (twiceCross(ring[i] - prev, next - ring[i]).sign() != 0)
                simple.push_back(ring[i]);
        }
        outline.holes.push_back(fourTimesArea(simple).sign() < 0);
        outline.rings.push_back(simple);
    }
    return outline;
}

std::string outlineText(const Outline& outline) {
    std::string text;
    for (std::size_t r = 0; r < outline.rings.size(); ++r) {
        text += outline.holes[r] ? "  hole" : "  ring";
        for (const ExactPoint& p : outline.rings[r])
            text += " " + pointText(p);
        text += "\n";
    }
    return text;
}

FillResult fillOutline(const Outline& outline, std::size_t limit, std::uint64_t maxNodes) {
    FillResult result;
    result.problem = outlineProblem(outline);
    if (!result.problem.empty())
        return result;
    Filler(outline, limit, maxNodes).run(result);
    return result;
}

std::string fillSourceText(const std::string& text, const std::string& fileName,
                           std::vector<std::string>& errors) {
    std::istringstream in(text);
    std::string out;
    std::string figure;
    std::vector<std::string> outlineLines;
    Outline outline;
    int outlineLine = 0;
    std::string problem;

    const auto finish = [&]() {
        if (outlineLines.empty())
            return;
        FillResult result;
        if (problem.empty()) {
            result = fillOutline(outline);
            problem = result.problem;
            if (problem.empty() && result.fillings.empty())
                problem = "the seven pieces cannot fill this outline";
        }
        if (!problem.empty()) {
            errors.push_back(fileName + ":" + std::to_string(outlineLine) + ": " + figure + ": " +
                             problem);
            for (const std::string& line : outlineLines)
                out += line + "\n";
        } else {
            for (const FilledPiece& piece : result.fillings.front()) {
                std::string line = "  " + piece.kind;
                line.append(7 - piece.kind.size(), ' ');
                for (const ExactPoint& v : piece.vertices)
                    line += " " + pointText(v);
                out += line + "\n";
            }
        }
        outlineLines.clear();
        outline = {};
        problem.clear();
    };

    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        const std::string code = line.substr(0, line.find('#'));
        const std::vector<std::string> w = words(code);
        if (!w.empty() && (w[0] == "ring" || w[0] == "hole")) {
            if (outlineLines.empty())
                outlineLine = lineNo;
            outlineLines.push_back(line);
            Poly ring;
            for (std::size_t i = 1; i < w.size(); ++i) {
                ExactPoint v;
                if (!parseExactPoint(w[i], v)) {
                    if (problem.empty())
                        problem = "line " + std::to_string(lineNo) + ": '" + w[i] +
                                  "' is not a corner x,y";
                    continue;
                }
                ring.push_back(v);
            }
            outline.rings.push_back(ring);
            outline.holes.push_back(w[0] == "hole");
            continue;
        }
        if (!w.empty() && (w[0] == "figure" || w[0] == "category")) {
            finish();
            if (w[0] == "figure") {
                // The English name, for messages: the words between "figure" and the bar.
                figure.clear();
                for (std::size_t i = 1; i < w.size() && w[i] != "|"; ++i)
                    figure += (i > 1 ? " " : "") + w[i];
            }
        }
        if (!outlineLines.empty() && w.empty()) {
            // A blank line or comment after an outline: the pieces come before it.
            finish();
        }
        out += line + "\n";
    }
    finish();
    return out;
}

} // namespace tangram::patterns
