// SPDX-License-Identifier: GPL-3.0-or-later
// How hard a figure is to lay, judged from its outline alone. Players find a compact silhouette
// with a short, smooth outline easy (a square, a rectangle) and a spread-out one with many notches
// hard (a runner with arms and legs apart): the spread shows in the area of the convex hull, the
// notches in the length of the outline. Every figure covers the same 8 square units, so the two
// are compared with the plain square laid from all seven pieces (hull 8, outline 8*sqrt 2), and
// the score is their product: 1 for that square, growing with spread and notches.
#pragma once

#include "tools/patterns/sourcefigure.h"

namespace tangram::patterns {

struct Difficulty {
    bool exact = false;  // false for figures with raw placements: nothing is known
    double hullArea = 0; // area of the convex hull, in square units (8 when convex)
    double outline = 0;  // length of the silhouette's boundary, holes included
    double score = 0;    // (hullArea / 8) * (outline / (8 sqrt 2))
};

Difficulty difficultyOf(const SourceFigure& figure);

} // namespace tangram::patterns
