// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison behind the solution check: do the board's non-empty cells equal the target's
// cells once the board's first non-empty cell (in reading order: rows top to bottom, columns left
// to right) is laid onto the target's anchor cell? Translated cells must land in columns 0..119 and
// rows 0..79; a cell landing in column 120 or row 80 counts as a mismatch.
#pragma once

#include "model/cellgrid.h"

namespace tangram {

// A rectangle of cells, inclusive; empty when maxColumn < minColumn.
struct CellBox {
    int minColumn = 0;
    int minRow = 0;
    int maxColumn = -1;
    int maxRow = -1;
};

// The same, looking only inside `box`, which must contain every non-empty cell of `grid`.
bool FirstFilledCellIn(const TCellGrid& grid, const CellBox& box, int& column, int& row);

// Reading-order first non-empty cell of `grid`; false when the grid is empty.
bool FirstFilledCell(const TCellGrid& grid, int& column, int& row);

// The literal algorithm: scans all 9801 cells.
bool FigureMatchesLinear(const TCellGrid& board, const TCellGrid& target, int anchorColumn,
                         int anchorRow);
// The same answer, looking only inside `boardBox`, which must contain every non-empty board cell.
bool FigureMatches(const TCellGrid& board, const CellBox& boardBox, const TCellGrid& target,
                   int anchorColumn, int anchorRow);

// The box covering every stamp of the given placements (pieces 1..7 at index 0..6), clipped to the
// grid; pieces whose index is `skipPiece - 1` are left out.
CellBox PiecesBox(const TPatternRecord& placements, int skipPiece);

} // namespace tangram
