// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/cellgrid.h"

#include <cstring>

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

// Whether any of `length` bytes is non-zero, reading whole words where it can: most board cells
// under a stamp are empty, and this makes the empty ones cheap.
bool anyFilled(const std::uint8_t* cells, int length) {
    if (length >= 8) {
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        std::memcpy(&a, cells, 8);
        std::memcpy(&b, cells + length - 8, 8);
        if (length <= 16) {
            return (a | b) != 0;
        }
    } else if (length >= 4) {
        std::uint32_t a = 0;
        std::uint32_t b = 0;
        std::memcpy(&a, cells, 4);
        std::memcpy(&b, cells + length - 4, 4);
        return (a | b) != 0;
    }
    std::uint8_t any = 0;
    for (int k = 0; k < length; ++k) {
        any |= cells[k];
    }
    return any != 0;
}

bool stampFitsFast(const TCellGrid& board, int column, int row, int n) {
    if (!StampInBounds(column, row, n)) {
        return false;
    }
    const TCellStamp& stamp = CellStamp(n);
    const StampColumnRuns& runs = ColumnRuns(n);
    for (int i = stamp.minColumn; i <= stamp.maxColumn; ++i) {
        const int first = runs.first[i + 7];
        const int last = runs.last[i + 7];
        if (first > last) {
            continue;
        }
        const std::uint8_t* cells = &board.cells[(column + i) * kRows + row + first];
        const int length = last - first + 1;
        if (!anyFilled(cells, length)) {
            continue;
        }
        for (int k = 0; k < length; ++k) {
            const std::uint8_t g = cells[k];
            const std::uint8_t s = stamp.code(i, first + k);
            if (g != 0 && s != 0 && !IsCompatible(g, s)) {
                return false;
            }
        }
    }
    return true;
}

// The literal test: every cell of the stamp's box, each shared cell searched in the pair list.
template <bool Linear> bool stampFitsImpl(const TCellGrid& board, int column, int row, int n) {
    if constexpr (!Linear) {
        return stampFitsFast(board, column, row, n);
    }
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
                if (!IsCompatibleLinear(g, s)) {
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
