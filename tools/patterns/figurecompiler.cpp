// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/figurecompiler.h"

#include "model/cellgrid.h"
#include "tools/patterns/silhouette.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

namespace tangram::patterns {

namespace {

std::vector<GridOffset> outline(int shape, int orientation) {
    std::vector<GridOffset> v;
    for (int k = 0; k < VertexCount(shape); ++k)
        v.push_back(OutlineVertex(shape, k, orientation));
    return v;
}

bool sameSet(std::vector<GridOffset> a, std::vector<GridOffset> b) {
    auto less = [](const GridOffset& p, const GridOffset& q) {
        return std::pair(p.x, p.y) < std::pair(q.x, q.y);
    };
    std::sort(a.begin(), a.end(), less);
    std::sort(b.begin(), b.end(), less);
    return a == b;
}

// Every cell the figure covers, in its own frame (duplicates removed).
std::vector<std::pair<int, int>> coveredCells(const FreeRecord& placements) {
    std::set<std::pair<int, int>> cells;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const FreePlacement& p = placements[piece - 1];
        const int shape = PieceShapeOf(piece);
        for (int e = 1; e <= StampCount(shape); ++e) {
            const StampEntry s = StampList(shape, e, p.orientation);
            const TCellStamp& stamp = CellStamp(s.stamp);
            for (int i = stamp.minColumn; i <= stamp.maxColumn; ++i)
                for (int j = stamp.minRow; j <= stamp.maxRow; ++j)
                    if (stamp.code(i, j) != 0)
                        cells.insert({p.column + s.dc + i, p.row + s.dr + j});
        }
    }
    return {cells.begin(), cells.end()};
}

} // namespace

std::vector<int> exactOrientations(int shape) {
    switch (shape) {
    case 4:
        return {0, 2};
    case 5:
        return {0, 2, 4, 6, 16, 18, 20, 22};
    default:
        return {0, 2, 4, 6, 8, 10, 12, 14};
    }
}

bool matchPlacement(int piece, const std::vector<GridOffset>& vertices, FreePlacement& found) {
    const int shape = PieceShapeOf(piece);
    if (static_cast<int>(vertices.size()) != VertexCount(shape))
        return false;
    for (int o : exactOrientations(shape)) {
        const std::vector<GridOffset> table = outline(shape, o);
        for (const GridOffset& t : table) {
            // Try the table vertex t as the image of the first given vertex.
            const GridOffset ref{vertices[0].x - t.x, vertices[0].y - t.y};
            std::vector<GridOffset> moved;
            for (const GridOffset& q : table)
                moved.push_back({q.x + ref.x, q.y + ref.y});
            if (sameSet(moved, vertices)) {
                found = {ref.x, ref.y, o};
                return true;
            }
        }
    }
    return false;
}

bool placeFigurePieces(const SourceFigure& figure, FreeRecord& placements,
                       std::vector<std::string>& errors) {
    bool ok = true;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const SourcePiece& sp = figure.pieces[piece - 1];
        const std::string where = figure.file + ":" + std::to_string(sp.line) + ": " +
                                  figure.label() + ", piece " + std::to_string(piece) + " (" +
                                  pieceName(piece) + "): ";
        if (sp.line == 0) {
            ok = false; // already reported by the parser
            continue;
        }
        if (sp.raw) {
            placements[piece - 1] = {sp.column, sp.row, sp.orientation};
            continue;
        }
        std::vector<GridOffset> grid;
        for (const ExactPoint& v : sp.vertices)
            grid.push_back({v.x.cells(), v.y.cells()});
        if (!matchPlacement(piece, grid, placements[piece - 1])) {
            errors.push_back(where + "its vertices match no orientation of the piece");
            ok = false;
        }
    }
    return ok;
}

bool positionOnBoard(const FreeRecord& placements, TPatternRecord& record, std::string& reason) {
    int minX = 1 << 20, maxX = -(1 << 20), minY = 1 << 20, maxY = -(1 << 20);
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const FreePlacement& p = placements[piece - 1];
        const int shape = PieceShapeOf(piece);
        for (int k = 0; k < VertexCount(shape); ++k) {
            const GridOffset v = OutlineVertex(shape, k, p.orientation);
            minX = std::min(minX, p.column + v.x);
            maxX = std::max(maxX, p.column + v.x);
            minY = std::min(minY, p.row + v.y);
            maxY = std::max(maxY, p.row + v.y);
        }
    }
    // The board's middle is column 60, row 40 (the silhouette may use columns 0..119, rows
    // 0..79, and the home pieces lie symmetrically along the left and right edges).
    const int baseDx = 60 - (minX + maxX) / 2 - ((minX + maxX) % 2 < 0 ? 1 : 0);
    const int baseDy = 40 - (minY + maxY) / 2 - ((minY + maxY) % 2 < 0 ? 1 : 0);
    const std::vector<std::pair<int, int>> cells = coveredCells(placements);
    const TCellGrid& home = homeGrid();

    auto fits = [&](int dx, int dy) {
        for (int piece = 1; piece <= kPieceCount; ++piece) {
            const FreePlacement& p = placements[piece - 1];
            const int c = p.column + dx;
            const int r = p.row + dy;
            if (c < 0 || c > 120 || r < 0 || r > 80 || !PieceInBounds(piece, c, r, p.orientation))
                return false;
        }
        for (const auto& [c0, r0] : cells) {
            const int c = c0 + dx;
            const int r = r0 + dy;
            if (c < 0 || c > 119 || r < 0 || r > 79 || home.at(c, r) != 0)
                return false;
        }
        return true;
    };

    // Nearest spot to the centre first: rings of growing Chebyshev distance.
    for (int radius = 0; radius <= 60; ++radius) {
        for (int i = -radius; i <= radius; ++i) {
            for (int j = -radius; j <= radius; ++j) {
                if (std::max(std::abs(i), std::abs(j)) != radius)
                    continue;
                if (!fits(baseDx + i, baseDy + j))
                    continue;
                for (int piece = 1; piece <= kPieceCount; ++piece) {
                    const FreePlacement& p = placements[piece - 1];
                    record[piece - 1] = {static_cast<std::uint8_t>(p.column + baseDx + i),
                                         static_cast<std::uint8_t>(p.row + baseDy + j),
                                         static_cast<std::uint8_t>(p.orientation)};
                }
                return true;
            }
        }
    }
    reason = "the figure (" + std::to_string(maxX - minX) + " x " + std::to_string(maxY - minY) +
             " grid units) fits nowhere on the board clear of the home pieces";
    return false;
}

} // namespace tangram::patterns
