// SPDX-License-Identifier: GPL-3.0-or-later
// The raster the collision test works on: a 121 x 81 grid of one-byte cell codes, the 16 cell
// stamps (the small triangle in its 16 turn steps), the table of compatible code pairs, and the
// grid operations. Codes add and subtract modulo 256; 0 is empty and 64 fully covered.
#pragma once

#include "model/geometry.h"

#include <array>
#include <cstdint>

namespace tangram {

inline constexpr int kCellCount = kColumns * kRows; // 9801

// Cells are stored column-major: index = column * 81 + row.
struct TCellGrid {
    std::array<std::uint8_t, kCellCount> cells{};

    std::uint8_t& at(int column, int row) { return cells[column * kRows + row]; }
    std::uint8_t at(int column, int row) const { return cells[column * kRows + row]; }
    void clear() { cells.fill(0); }
    friend bool operator==(const TCellGrid&, const TCellGrid&) = default;
};

// One stamp: codes for column and row offsets -7..6 around the stamp's origin (a grid point),
// stored row by row, and the bounding box of its non-zero codes.
struct TCellStamp {
    std::array<std::uint8_t, 14 * 14> codes{};
    std::int8_t minColumn = 0;
    std::int8_t minRow = 0;
    std::int8_t maxColumn = 0;
    std::int8_t maxRow = 0;

    constexpr std::uint8_t code(int dc, int dr) const { return codes[(dr + 7) * 14 + (dc + 7)]; }
};

// For each column offset -7..6 of a stamp, the rows holding its non-zero codes (first > last when
// the column is empty); lets the collision test skip empty board columns quickly.
struct StampColumnRuns {
    std::array<std::int8_t, 14> first{};
    std::array<std::int8_t, 14> last{};
};

struct CodePair {
    std::uint8_t grid;
    std::uint8_t stamp;
};

inline constexpr int kStampCount = 16;
inline constexpr int kPairCount = 301;

// The stamp numbered n (0..15).
const TCellStamp& CellStamp(int n);
const StampColumnRuns& ColumnRuns(int n);
// The 301 compatible pairs in ascending order. The table is not symmetric: it lists which code
// may be laid onto which. (38, 2) joins (2, 38): the two parts of a cell do not overlap, and
// without it two touching pieces were accepted or refused by the order they were put down in.
const std::array<CodePair, kPairCount>& CompatiblePairs();
// One bit per (grid code, stamp code) pair of the table, at index grid * 256 + stamp.
extern const std::array<std::uint64_t, 1024> kCompatibleBits;

// Constant-time membership of (grid code, stamp code) in the pair table.
inline bool IsCompatible(std::uint8_t gridCode, std::uint8_t stampCode) {
    const unsigned index = gridCode * 256u + stampCode;
    return (kCompatibleBits[index / 64] >> (index % 64)) & 1u;
}
// The literal membership search through the pairs, the definition the bit table is built
// from; tests and benchmarks compare the fast test against it.
bool IsCompatibleLinear(std::uint8_t gridCode, std::uint8_t stampCode);

// Add or subtract stamp n with its origin at grid point (column, row). The caller guarantees the
// stamp's box lies inside the grid (StampInBounds).
void AddStamp(TCellGrid& grid, int column, int row, int n);
void SubtractStamp(TCellGrid& grid, int column, int row, int n);
// Adds only the cells that lie inside the grid; for pattern data that is not trusted.
void AddStampClipped(TCellGrid& grid, int column, int row, int n);

bool StampInBounds(int column, int row, int n);
bool PieceInBounds(int piece, int column, int row, int orientation);
// In bounds and colliding with nothing in `board`.
bool StampFits(const TCellGrid& board, int column, int row, int n);
bool PieceFits(const TCellGrid& board, int piece, int column, int row, int orientation);
// The same test with the literal pair search, the reference for the fast one.
bool PieceFitsLinear(const TCellGrid& board, int piece, int column, int row, int orientation);

// All stamps of `piece` at `placement` added to / subtracted from `grid` (caller checks bounds).
void AddPieceStamps(TCellGrid& grid, int piece, const TPlacement& placement);
void SubtractPieceStamps(TCellGrid& grid, int piece, const TPlacement& placement);

} // namespace tangram
