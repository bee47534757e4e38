// SPDX-License-Identifier: GPL-3.0-or-later
// How hard a figure is to lay. A player (and the solver) has to find where the pieces meet inside
// the silhouette: every stretch of piece edge that runs along the outline gives that away, every
// stretch hidden inside the figure has to be found. So the measure has two parts:
//   - the hidden edge length: the length along which two pieces meet inside the silhouette, in
//     small-triangle legs (0 when the pieces only touch at corners; the plain square hides 11.4);
//   - the search effort: the number of placements the exact solver tries before it finds an
//     arrangement, the median over several fixed orders of trying the piece kinds (one order
//     alone is often lucky or unlucky), as a base-2 logarithm.
// score = hidden + log2(search): twice the search weighs as much as one more leg of hidden edge.
// Outline measures alone (hull area, outline length) do not predict the search: a compact figure
// with a long smooth outline can be as hard as a spread-out one. They are kept as parts for the
// reports.
#pragma once

#include "model/geometry.h"
#include "tools/patterns/sourcefigure.h"

#include <cstdint>
#include <vector>

namespace tangram::patterns {

struct Difficulty {
    bool exact = false;            // false for figures with raw placements: nothing is known
    double hullArea = 0;           // area of the convex hull, in square units (8 when convex)
    double outline = 0;            // length of the silhouette's boundary, holes included
    double hidden = 0;             // length of piece edges inside the silhouette
    std::uint64_t searchNodes = 0; // median solver nodes to the first arrangement
    double score = 0;              // hidden + log2(searchNodes); 0 when not exact
};

// The outline parts only (hull, outline, hidden edge length), from the exact geometry.
Difficulty outlineOf(const SourceFigure& figure);

// The median number of solver nodes until the first arrangement of the record's silhouette, over
// seven fixed orders of trying the piece kinds.
std::uint64_t medianSearchNodes(const TPatternRecord& record);

// Every part and the score.
Difficulty difficultyOf(const SourceFigure& figure, const TPatternRecord& record);

// Spearman's rank correlation of two equally long series (ties share their mean rank); 0 when
// either series is constant or shorter than two.
double rankCorrelation(const std::vector<double>& x, const std::vector<double>& y);

} // namespace tangram::patterns
