// SPDX-License-Identifier: GPL-3.0-or-later
// Recognises convex tangrams in exact geometry. The seven pieces cover 8 square units; they form
// a convex polygon exactly when their convex hull has that area. The hull is then described by
// its corner turns and side lengths, read from the corner that gives the smallest description,
// over the figure and its mirror image: two convex figures have the same signature exactly when
// one is the other turned and/or mirrored. Wang and Hsiung (1942) showed there are 13 such shapes.
#pragma once

#include "tools/patterns/sourcefigure.h"

#include <string>
#include <vector>

namespace tangram::patterns {

struct ConvexShape {
    bool exact = false; // the figure is written in exact geometry (else nothing is known)
    bool convex = false;
    int corners = 0;       // corners of the hull
    std::string signature; // empty unless convex
};

ConvexShape convexShapeOf(const SourceFigure& figure);

// The corners of the convex hull of `points`, in order round the hull; points on a side are not
// corners and are left out.
std::vector<ExactPoint> convexHull(std::vector<ExactPoint> points);
// Four times the area of a simple polygon, signed by the direction it runs round, exactly.
Surd fourTimesArea(const std::vector<ExactPoint>& polygon);

} // namespace tangram::patterns
