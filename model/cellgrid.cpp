// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/cellgrid.h"

#include <bit>
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

// One bit (the top bit of the byte) for every non-zero byte of `word`.
std::uint64_t filledBytes(std::uint64_t word) {
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    return (((word & low7) + low7) | word) & ~low7;
}

// Tests stamp column `i` (board cells `cells`, stamp rows first..first+length-1) cell by cell,
// but only where the board holds something: most cells under a dropped piece are empty, and the
// occupied ones are found a word at a time.
bool columnFits(const TCellStamp& stamp, int i, int first, const std::uint8_t* cells, int length) {
    auto check = [&](int k) {
        const std::uint8_t s = stamp.code(i, first + k);
        return s == 0 || IsCompatible(cells[k], s);
    };
    if (length < 8) {
        for (int k = 0; k < length; ++k) {
            if (cells[k] != 0 && !check(k)) {
                return false;
            }
        }
        return true;
    }
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
    std::memcpy(&head, cells, 8);
    std::memcpy(&tail, cells + length - 8, 8);
    std::uint64_t headBits = filledBytes(head);
    // The tail word overlaps the head word by 16 - length bytes; those were seen already.
    const int overlap = 16 - length;
    std::uint64_t tailBits =
        overlap >= 8 ? 0 : filledBytes(tail) & (~std::uint64_t{0} << (8 * overlap));
    while (headBits != 0) {
        const int k = std::countr_zero(headBits) / 8;
        if (!check(k)) {
            return false;
        }
        headBits &= headBits - 1;
    }
    while (tailBits != 0) {
        const int k = length - 8 + std::countr_zero(tailBits) / 8;
        if (!check(k)) {
            return false;
        }
        tailBits &= tailBits - 1;
    }
    return true;
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
        if (!columnFits(stamp, i, first, cells, last - first + 1)) {
            return false;
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
