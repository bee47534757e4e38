// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/cellgrid.h"

namespace tangram {
namespace {

template <typename Op> void applyStamp(TCellGrid& grid, int column, int row, int n, Op op) {
    const TCellStamp& stamp = CellStamp(n);
    for (int i = stamp.minColumn; i <= stamp.maxColumn; ++i) {
        std::uint8_t* cells = &grid.cells[(column + i) * kRows + row];
        for (int j = stamp.minRow; j <= stamp.maxRow; ++j) {
            cells[j] = op(cells[j], stamp.code(i, j));
        }
    }
}

template <bool Linear> bool stampFitsImpl(const TCellGrid& board, int column, int row, int n) {
    if (!StampInBounds(column, row, n)) {
        return false;
    }
    const TCellStamp& stamp = CellStamp(n);
    for (int i = stamp.minColumn; i <= stamp.maxColumn; ++i) {
        const std::uint8_t* cells = &board.cells[(column + i) * kRows + row];
        for (int j = stamp.minRow; j <= stamp.maxRow; ++j) {
            const std::uint8_t g = cells[j];
            const std::uint8_t s = stamp.code(i, j);
            if (g != 0 && s != 0) {
                const bool ok = Linear ? IsCompatibleLinear(g, s) : IsCompatible(g, s);
                if (!ok) {
                    return false;
                }
            }
        }
    }
    return true;
}

template <bool Linear>
bool pieceFitsImpl(const TCellGrid& board, int piece, int column, int row, int orientation) {
    const int shape = PieceShapeOf(piece);
    for (int entry = 1; entry <= StampCount(shape); ++entry) {
        const StampEntry e = StampList(shape, entry, orientation);
        if (!stampFitsImpl<Linear>(board, column + e.dc, row + e.dr, e.stamp)) {
            return false;
        }
    }
    return true;
}

} // namespace

void AddStamp(TCellGrid& grid, int column, int row, int n) {
    applyStamp(grid, column, row, n,
               [](std::uint8_t g, std::uint8_t s) { return static_cast<std::uint8_t>(g + s); });
}

void SubtractStamp(TCellGrid& grid, int column, int row, int n) {
    applyStamp(grid, column, row, n,
               [](std::uint8_t g, std::uint8_t s) { return static_cast<std::uint8_t>(g - s); });
}

void AddStampClipped(TCellGrid& grid, int column, int row, int n) {
    const TCellStamp& stamp = CellStamp(n);
    for (int i = stamp.minColumn; i <= stamp.maxColumn; ++i) {
        const int c = column + i;
        if (c < 0 || c >= kColumns) {
            continue;
        }
        for (int j = stamp.minRow; j <= stamp.maxRow; ++j) {
            const int r = row + j;
            if (r >= 0 && r < kRows) {
                grid.at(c, r) = static_cast<std::uint8_t>(grid.at(c, r) + stamp.code(i, j));
            }
        }
    }
}

bool StampInBounds(int column, int row, int n) {
    const TCellStamp& stamp = CellStamp(n);
    return column + stamp.minColumn >= 0 && row + stamp.minRow >= 0 &&
           column + stamp.maxColumn <= kColumns - 1 && row + stamp.maxRow <= kRows - 1;
}

bool PieceInBounds(int piece, int column, int row, int orientation) {
    const int shape = PieceShapeOf(piece);
    for (int entry = 1; entry <= StampCount(shape); ++entry) {
        const StampEntry e = StampList(shape, entry, orientation);
        if (!StampInBounds(column + e.dc, row + e.dr, e.stamp)) {
            return false;
        }
    }
    return true;
}

bool StampFits(const TCellGrid& board, int column, int row, int n) {
    return stampFitsImpl<false>(board, column, row, n);
}

bool StampFitsLinear(const TCellGrid& board, int column, int row, int n) {
    return stampFitsImpl<true>(board, column, row, n);
}

bool PieceFits(const TCellGrid& board, int piece, int column, int row, int orientation) {
    return pieceFitsImpl<false>(board, piece, column, row, orientation);
}

bool PieceFitsLinear(const TCellGrid& board, int piece, int column, int row, int orientation) {
    return pieceFitsImpl<true>(board, piece, column, row, orientation);
}

void AddPieceStamps(TCellGrid& grid, int piece, const TPlacement& placement) {
    const int shape = PieceShapeOf(piece);
    for (int entry = 1; entry <= StampCount(shape); ++entry) {
        const StampEntry e = StampList(shape, entry, placement.orientation);
        AddStamp(grid, placement.column + e.dc, placement.row + e.dr, e.stamp);
    }
}

void SubtractPieceStamps(TCellGrid& grid, int piece, const TPlacement& placement) {
    const int shape = PieceShapeOf(piece);
    for (int entry = 1; entry <= StampCount(shape); ++entry) {
        const StampEntry e = StampList(shape, entry, placement.orientation);
        SubtractStamp(grid, placement.column + e.dc, placement.row + e.dr, e.stamp);
    }
}

} // namespace tangram
