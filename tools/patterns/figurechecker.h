// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every figure of the library obeys, checked on its stored placements:
//  1. every stamp of every piece lies inside the grid;
//  2. laid one after another in piece order, each piece passes the game's PieceFits;
//  3. the silhouette is one connected region (8-connectivity: pieces that meet only at a
//     corner, as a head on a shoulder often does, still form one figure);
//  4. the silhouette lies within columns 0..119 and rows 0..79, where the solution check can
//     match it;
//  5. it covers no cell of a piece at its home place, so the help command can lay solution
//     pieces without disturbing the pieces still at home;
//  6. built at another place on the board, the game's CheckSolution accepts it.
#pragma once

#include "model/geometry.h"

#include <string>
#include <vector>

namespace tangram::patterns {

struct Problem {
    int piece = 0; // 1..7, or 0 for the figure as a whole
    std::string reason;
};

// All rules; the build check of rule 6 uses a translation chosen to keep every piece on the board.
std::vector<Problem> checkRecord(const TPatternRecord& record);
// Rule 6 at the given translation (which must not be zero); a translation that takes a piece off
// the board is reported as a failure to build there.
std::vector<Problem> checkRecord(const TPatternRecord& record, int buildDx, int buildDy);

// "piece 3 (medium triangle): reason" or "figure: reason".
std::string describe(const Problem& problem);

} // namespace tangram::patterns
