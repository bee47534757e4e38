// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/solution.h"

#include <algorithm>
#include <cstring>

namespace tangram {

bool FirstFilledCell(const TCellGrid& grid, int& column, int& row) {
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            if (grid.at(c, r) != 0) {
                column = c;
                row = r;
                return true;
            }
        }
    }
    return false;
}

bool FirstFilledCellIn(const TCellGrid& grid, const CellBox& box, int& column, int& row) {
    for (int r = box.minRow; r <= box.maxRow; ++r) {
        for (int c = box.minColumn; c <= box.maxColumn; ++c) {
            if (grid.at(c, r) != 0) {
                column = c;
                row = r;
                return true;
            }
        }
    }
    return false;
}

bool FigureMatchesLinear(const TCellGrid& board, const TCellGrid& target, int anchorColumn,
                         int anchorRow) {
    int c0 = 0;
    int r0 = 0;
    if (!FirstFilledCell(board, c0, r0)) {
        return false;
    }
    const int dx = anchorColumn - c0;
    const int dy = anchorRow - r0;
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            const std::uint8_t b = board.at(c, r);
            if (b == 0) {
                continue;
            }
            const int tc = c + dx;
            const int tr = r + dy;
            if (tc < 0 || tc >= kColumns - 1 || tr < 0 || tr >= kRows - 1) {
                return false;
            }
            if (target.at(tc, tr) != b) {
                return false;
            }
        }
    }
    return true;
}

bool FigureMatches(const TCellGrid& board, const CellBox& box, const TCellGrid& target,
                   int anchorColumn, int anchorRow) {
    int c0 = 0;
    int r0 = 0;
    if (!FirstFilledCellIn(board, box, c0, r0)) {
        return false;
    }
    const int dx = anchorColumn - c0;
    const int dy = anchorRow - r0;
    // Target rows a board row may map to: 0..79.
    const int rowLo = std::max(box.minRow, -dy);
    const int rowHi = std::min(box.maxRow, kRows - 2 - dy);
    const int height = box.maxRow - box.minRow + 1;
    for (int c = box.minColumn; c <= box.maxColumn; ++c) {
        const std::uint8_t* b = &board.cells[c * kRows];
        const int tc = c + dx;
        if (tc < 0 || tc >= kColumns - 1 || rowLo > rowHi) {
            // The whole column lands outside the target area: it must be empty.
            for (int r = box.minRow; r <= box.maxRow; ++r) {
                if (b[r] != 0) {
                    return false;
                }
            }
            continue;
        }
        const int targetColumn = tc * kRows + dy; // target index of board row r is this + r
        // Fast path: the column is identical to the target, as it is in a solved figure.
        if (rowLo == box.minRow && rowHi == box.maxRow &&
            std::memcmp(b + box.minRow, &target.cells[targetColumn + box.minRow],
                        static_cast<std::size_t>(height)) == 0) {
            continue;
        }
        for (int r = box.minRow; r <= box.maxRow; ++r) {
            if (b[r] == 0) {
                continue;
            }
            if (r < rowLo || r > rowHi || target.cells[targetColumn + r] != b[r]) {
                return false;
            }
        }
    }
    return true;
}

CellBox PiecesBox(const TPatternRecord& placements, int skipPiece) {
    CellBox box{kColumns, kRows, -1, -1};
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        if (piece == skipPiece) {
            continue;
        }
        const TPlacement& p = placements[piece - 1];
        const int shape = PieceShapeOf(piece);
        for (int entry = 1; entry <= StampCount(shape); ++entry) {
            const StampEntry e = StampList(shape, entry, p.orientation % kOrientations);
            const TCellStamp& s = CellStamp(e.stamp);
            box.minColumn = std::min(box.minColumn, p.column + e.dc + s.minColumn);
            box.maxColumn = std::max(box.maxColumn, p.column + e.dc + s.maxColumn);
            box.minRow = std::min(box.minRow, p.row + e.dr + s.minRow);
            box.maxRow = std::max(box.maxRow, p.row + e.dr + s.maxRow);
        }
    }
    box.minColumn = std::max(box.minColumn, 0);
    box.minRow = std::max(box.minRow, 0);
    box.maxColumn = std::min(box.maxColumn, kColumns - 1);
    box.maxRow = std::min(box.maxRow, kRows - 1);
    return box;
}

} // namespace tangram
