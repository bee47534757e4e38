// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a source figure into the game's placements: finds each piece's orientation and reference
// point by matching its vertices against the outline tables, then moves the whole figure to the
// middle of the board, clear of the pieces' home places.
#pragma once

#include "model/geometry.h"
#include "tools/patterns/sourcefigure.h"

#include <array>
#include <string>
#include <vector>

namespace tangram::patterns {

// A placement before the figure is moved onto the board; coordinates may be negative.
struct FreePlacement {
    int column = 0;
    int row = 0;
    int orientation = 0;
    friend constexpr bool operator==(const FreePlacement&, const FreePlacement&) = default;
};
using FreeRecord = std::array<FreePlacement, kPieceCount>;

// The orientations that turn a piece of `shape` by whole 45-degree steps, one per distinct
// outline (both mirror halves for the parallelogram).
std::vector<int> exactOrientations(int shape);

// The placement of `piece` whose outline has exactly the grid vertices `vertices` (any order);
// false when no 45-degree orientation has that vertex set.
bool matchPlacement(int piece, const std::vector<GridOffset>& vertices, FreePlacement& found);

// Places every piece of `figure` in the figure's own frame. Problems are appended to `errors`
// naming the figure and the piece; the result is true when there were none.
bool placeFigurePieces(const SourceFigure& figure, FreeRecord& placements,
                       std::vector<std::string>& errors);

// Translates the figure so that it lies in the middle of the board, inside columns 0..119 and
// rows 0..79 and clear of the home pieces; the nearest such spot to the centre is taken. False
// (with a reason) when there is none.
bool positionOnBoard(const FreeRecord& placements, TPatternRecord& record, std::string& reason);

} // namespace tangram::patterns
