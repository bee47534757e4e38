// SPDX-License-Identifier: GPL-3.0-or-later
// The help bar of the statistics dialog as geometry: eight segments side by side, one per number
// of pieces the help revealed (0..7), each as long as its share of the solved patterns. Kept free
// of widgets so that the pixel boundaries can be checked exactly.
#pragma once

#include "dialogs/statisticstexts.h"

#include <QColor>
#include <array>

namespace tangram {

inline constexpr int kHelpBarLength = 410;
inline constexpr int kHelpBarHeight = 18;

// Segment h covers the pixel columns start..end inclusive (so neighbours share one column, which
// the later segment paints over) and rows 0..kHelpBarHeight - 1. Only painted segments are drawn.
struct HelpBarSegment {
    int start = 0;
    int end = 0;
    bool painted = false;
};

// Each segment h < 7 is help[h] * (410 / solved) long, rounded to the nearest pixel with ties to
// even; the last one always ends at 410 and so absorbs the rounding of the others when it is
// painted. Nothing is painted when nothing is solved. Expects help[] to sum to `solved`.
std::array<HelpBarSegment, kHelpLevels> helpBarSegments(const StatisticsCounts& counts);

// Green for no help through yellow and orange to red for given up; h is 0..7.
QColor helpBarColour(int h);

} // namespace tangram
