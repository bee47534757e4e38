// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/silhouette.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

namespace tangram::patterns {

namespace {

void addPieceClipped(TCellGrid& grid, int piece, const TPlacement& placement) {
    const int shape = PieceShapeOf(piece);
    for (int e = 1; e <= StampCount(shape); ++e) {
        const StampEntry s = StampList(shape, e, placement.orientation);
        AddStampClipped(grid, placement.column + s.dc, placement.row + s.dr, s.stamp);
    }
}

} // namespace

TCellGrid silhouetteOf(const TPatternRecord& record) {
    TCellGrid grid{};
    for (int piece = 1; piece <= kPieceCount; ++piece)
        addPieceClipped(grid, piece, record[piece - 1]);
    return grid;
}

TCellGrid pieceCells(int piece, const TPlacement& placement) {
    TCellGrid grid{};
    addPieceClipped(grid, piece, placement);
    return grid;
}

const TCellGrid& homeGrid() {
    static const TCellGrid grid = silhouetteOf(HomePlacements);
    return grid;
}

CellBox occupiedBox(const TCellGrid& grid) {
    CellBox box{kColumns, -1, kRows, -1};
    for (int c = 0; c < kColumns; ++c)
        for (int r = 0; r < kRows; ++r)
            if (grid.at(c, r) != 0) {
                box.minColumn = std::min(box.minColumn, c);
                box.maxColumn = std::max(box.maxColumn, c);
                box.minRow = std::min(box.minRow, r);
                box.maxRow = std::max(box.maxRow, r);
            }
    return box;
}

int labelRegions(const TCellGrid& grid, std::vector<int>& labels) {
    labels.assign(kCellCount, 0);
    int regions = 0;
    std::vector<int> stack;
    for (int start = 0; start < kCellCount; ++start) {
        if (grid.cells[start] == 0 || labels[start] != 0)
            continue;
        ++regions;
        labels[start] = regions;
        stack.push_back(start);
        while (!stack.empty()) {
            const int cell = stack.back();
            stack.pop_back();
            const int c = cell / kRows;
            const int r = cell % kRows;
            for (int dc = -1; dc <= 1; ++dc)
                for (int dr = -1; dr <= 1; ++dr) {
                    const int nc = c + dc;
                    const int nr = r + dr;
                    if (nc < 0 || nc >= kColumns || nr < 0 || nr >= kRows)
                        continue;
                    const int n = nc * kRows + nr;
                    if (grid.cells[n] != 0 && labels[n] == 0) {
                        labels[n] = regions;
                        stack.push_back(n);
                    }
                }
        }
    }
    return regions;
}

std::vector<std::array<int, 3>> normalizedCells(const TCellGrid& grid) {
    std::vector<std::array<int, 3>> cells;
    int c0 = -1;
    int r0 = -1;
    // Reading order: rows from the top, columns from the left within a row.
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const int code = grid.at(c, r);
            if (code == 0)
                continue;
            if (c0 < 0) {
                c0 = c;
                r0 = r;
            }
            cells.push_back({c - c0, r - r0, code});
        }
    return cells;
}

std::string cellCodeText(const TCellGrid& grid) {
    const CellBox box = occupiedBox(grid);
    std::ostringstream out;
    if (box.empty())
        return "(empty)\n";
    out << "columns " << box.minColumn << ".." << box.maxColumn << ", rows " << box.minRow << ".."
        << box.maxRow << "\n";
    for (int r = box.minRow; r <= box.maxRow; ++r) {
        for (int c = box.minColumn; c <= box.maxColumn; ++c) {
            const int code = grid.at(c, r);
            if (code == 0)
                out << ". ";
            else if (code == 64)
                out << "##";
            else
                out << std::setw(2) << code;
            out << (c < box.maxColumn ? " " : "");
        }
        out << "\n";
    }
    return out.str();
}

} // namespace tangram::patterns
