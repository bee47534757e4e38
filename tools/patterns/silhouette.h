// SPDX-License-Identifier: GPL-3.0-or-later
// Cell-grid views of a figure: its silhouette as the game rasterises it, the home pieces' cells,
// connectivity, comparison up to translation and a text dump of the codes.
#pragma once

#include "model/cellgrid.h"
#include "model/geometry.h"

#include <array>
#include <string>
#include <vector>

namespace tangram::patterns {

// The silhouette as the pattern set-up builds it; stamps outside the grid are dropped.
TCellGrid silhouetteOf(const TPatternRecord& record);
// One piece of a record alone.
TCellGrid pieceCells(int piece, const TPlacement& placement);
// The seven pieces at their home placements.
const TCellGrid& homeGrid();

struct CellBox {
    int minColumn = 0;
    int maxColumn = -1;
    int minRow = 0;
    int maxRow = -1;
    bool empty() const { return maxColumn < minColumn; }
};
CellBox occupiedBox(const TCellGrid& grid);

// Labels the non-empty cells by connected region, 8-connectivity (cells touching at a corner
// belong together); labels start at 1, empty cells get 0. Returns the number of regions.
int labelRegions(const TCellGrid& grid, std::vector<int>& labels);

// The non-empty cells as (column, row, code) relative to the first one in reading order: two
// grids have equal shapes exactly when the solution check would accept one for the other.
std::vector<std::array<int, 3>> normalizedCells(const TCellGrid& grid);

// The codes of the occupied box, one text line per row: ". " for 0, "##" for 64, else the
// decimal code.
std::string cellCodeText(const TCellGrid& grid);

} // namespace tangram::patterns
