// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/statisticsbar.h"

#include <cmath>

namespace tangram {

std::array<HelpBarSegment, kHelpLevels> helpBarSegments(const StatisticsCounts& counts) {
    std::array<HelpBarSegment, kHelpLevels> segments{};
    if (counts.solved <= 0)
        return segments;
    const double scale = static_cast<double>(kHelpBarLength) / counts.solved;
    int start = 0;
    for (std::size_t h = 0; h < segments.size(); ++h) {
        const int count = counts.help[h];
        HelpBarSegment& segment = segments[h];
        segment.start = start;
        // std::nearbyint rounds half-way cases to the even neighbour in the default mode.
        segment.end = h + 1 < segments.size()
                          ? start + static_cast<int>(std::nearbyint(count * scale))
                          : kHelpBarLength;
        segment.painted = count > 0;
        start = segment.end;
    }
    return segments;
}

QColor helpBarColour(int h) {
    static constexpr std::array<QRgb, kHelpLevels> colours{
        qRgb(0, 255, 0),   qRgb(160, 252, 0),  qRgb(228, 252, 0),  qRgb(225, 228, 0),
        qRgb(255, 193, 0), qRgb(255, 195, 63), qRgb(255, 121, 30), qRgb(255, 0, 0)};
    if (h < 0 || h >= kHelpLevels)
        return QColor(Qt::black);
    return QColor(colours[static_cast<std::size_t>(h)]);
}

} // namespace tangram
