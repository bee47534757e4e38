// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel boundaries of the statistics help bar, its colours, and the gauges' percentages.
#include "dialogs/gauge.h"
#include "dialogs/statisticsbar.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace tangram {
namespace {

StatisticsCounts solvedWith(std::array<int, kHelpLevels> help) {
    StatisticsCounts counts;
    counts.help = help;
    for (int n : help)
        counts.solved += n;
    counts.patternCount = counts.solved;
    return counts;
}

// The painted segments as (h, start, end), in order.
std::vector<std::tuple<int, int, int>> painted(const StatisticsCounts& counts) {
    std::vector<std::tuple<int, int, int>> result;
    const auto segments = helpBarSegments(counts);
    for (int h = 0; h < kHelpLevels; ++h) {
        const HelpBarSegment& s = segments[static_cast<std::size_t>(h)];
        if (s.painted)
            result.emplace_back(h, s.start, s.end);
    }
    return result;
}

using Segments = std::vector<std::tuple<int, int, int>>;

TEST(HelpBar, NothingSolvedPaintsNothing) {
    EXPECT_TRUE(painted(solvedWith({})).empty());
}

TEST(HelpBar, AllWithoutHelpIsOneGreenBarAcross) {
    EXPECT_EQ(painted(solvedWith({7})), (Segments{{0, 0, 410}}));
}

TEST(HelpBar, GivenUpPatternPaintsRedAtTheEnd) {
    // 410 / 4 = 102.5 per pattern: the green part rounds 307.5 up to the even 308.
    EXPECT_EQ(painted(solvedWith({3, 0, 0, 0, 0, 0, 0, 1})),
              (Segments{{0, 0, 308}, {7, 308, 410}}));
}

TEST(HelpBar, RoundingTiesGoToTheEvenPixel) {
    // 102.5 rounds down to 102 each time; the last segment takes the two pixels left over.
    EXPECT_EQ(painted(solvedWith({1, 1, 1, 0, 0, 0, 0, 1})),
              (Segments{{0, 0, 102}, {1, 102, 204}, {2, 204, 306}, {7, 306, 410}}));
    // 410 / 20 = 20.5: one pattern rounds down to 20, three (61.5) up to 62.
    EXPECT_EQ(painted(solvedWith({1, 3, 0, 0, 0, 0, 0, 16})),
              (Segments{{0, 0, 20}, {1, 20, 82}, {7, 82, 410}}));
}

TEST(HelpBar, EmptyLevelsTakeNoRoomAndAreNotPainted) {
    const auto segments = helpBarSegments(solvedWith({0, 0, 2, 0, 0, 3, 0, 0}));
    EXPECT_EQ(painted(solvedWith({0, 0, 2, 0, 0, 3, 0, 0})),
              (Segments{{2, 0, 164}, {5, 164, 410}}));
    EXPECT_EQ(segments[3].start, 164);
    EXPECT_EQ(segments[3].end, 164);
    EXPECT_EQ(segments[7].start, 410);
    EXPECT_EQ(segments[7].end, 410);
}

TEST(HelpBar, WithoutGivenUpPatternsTheRoundedSumStands) {
    // 410 / 3 = 136.67 rounds up three times: the bar ends at 411, one pixel past the nominal
    // length, because only a painted red segment is stretched to 410.
    EXPECT_EQ(painted(solvedWith({1, 1, 1})),
              (Segments{{0, 0, 137}, {1, 137, 274}, {2, 274, 411}}));
    // 410 / 6 = 68.33 rounds down: two patterns take 137 (136.67 rounded), the rest 68 each.
    EXPECT_EQ(painted(solvedWith({0, 2, 0, 1, 0, 1, 1, 1})),
              (Segments{{1, 0, 137}, {3, 137, 205}, {5, 205, 273}, {6, 273, 341}, {7, 341, 410}}));
}

TEST(HelpBar, ColoursRunFromGreenToRed) {
    const std::array<QRgb, kHelpLevels> expected{
        qRgb(0, 255, 0),   qRgb(160, 252, 0),  qRgb(228, 252, 0),  qRgb(225, 228, 0),
        qRgb(255, 193, 0), qRgb(255, 195, 63), qRgb(255, 121, 30), qRgb(255, 0, 0)};
    for (int h = 0; h < kHelpLevels; ++h)
        EXPECT_EQ(helpBarColour(h).rgb(), expected[static_cast<std::size_t>(h)]) << "h = " << h;
}

struct PercentCase {
    int progress;
    int maximum;
    int percent;
};

class GaugePercent : public testing::TestWithParam<PercentCase> {};

TEST_P(GaugePercent, TruncatesAndClamps) {
    const PercentCase& c = GetParam();
    EXPECT_EQ(TGauge::percentOf(c.progress, c.maximum), c.percent)
        << c.progress << " of " << c.maximum;
}

INSTANTIATE_TEST_SUITE_P(Cases, GaugePercent,
                         testing::Values(PercentCase{0, 0, 0},        // no patterns loaded
                                         PercentCase{5, 0, 0},        // progress without a maximum
                                         PercentCase{0, 40, 0},       // nothing solved
                                         PercentCase{1, 3, 33},       // 33.3 truncated
                                         PercentCase{2, 3, 66},       // 66.7 truncated, not rounded
                                         PercentCase{13, 70, 18},     // 18.57 truncated
                                         PercentCase{6999, 7000, 99}, // just short of all points
                                         PercentCase{7000, 7000, 100},
                                         PercentCase{12, 10, 100}, // above the maximum: clamped
                                         PercentCase{-3, 10, 0})); // below zero: clamped

TEST(GaugeFill, CoversThePercentOfTheWidthInWholePixels) {
    EXPECT_EQ(TGauge::fillWidth(0, 410), 0);
    EXPECT_EQ(TGauge::fillWidth(33, 410), 135); // 135.3
    EXPECT_EQ(TGauge::fillWidth(99, 410), 405); // 405.9
    EXPECT_EQ(TGauge::fillWidth(100, 410), 410);
    EXPECT_EQ(TGauge::fillWidth(150, 410), 410);
}

} // namespace
} // namespace tangram
