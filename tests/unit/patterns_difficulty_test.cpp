// SPDX-License-Identifier: GPL-3.0-or-later
// The difficulty measure: hidden edge length of simple shapes, the search part, raw placements,
// and the rank correlation used to judge the measure.
#include "patterns_support.h"
#include "tools/patterns/difficulty.h"
#include "tools/patterns/silhouette.h"
#include "tools/patterns/solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tangram::patterns {
namespace {

Difficulty difficultyOfSource(const std::string& pieces) {
    std::vector<std::string> errors;
    const Library library =
        test::buildOne("category 4 Shapes | Formen\nfigure Test | Test\n" + pieces, errors);
    EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front());
    EXPECT_EQ(library.figures.size(), 1u);
    if (library.figures.empty())
        return {};
    return difficultyOf(library.figures.front().source, library.figures.front().record);
}

// A 4 x 2 rectangle of all seven pieces, with the square given by `square` (in the rectangle, the
// square fills the bottom-right unit).
std::string rectangleWith(const std::string& square) {
    return "  large  2,0 2,2 0,0\n"
           "  large  0,2 0,0 2,2\n"
           "  medium 2,0 4,0 3,1\n"
           "  para   3,2 3,1 2,0 2,1\n"
           "  small  2,2 2,1 3,2\n"
           "  small  4,1 3,1 4,0\n"
           "  square " +
           square + "\n";
}

TEST(Difficulty, MeasuresHullOutlineAndHiddenEdgesOfSimpleShapes) {
    const Difficulty square = difficultyOfSource(test::kSquarePieces);
    ASSERT_TRUE(square.exact);
    EXPECT_NEAR(square.hullArea, 8, 1e-9);
    EXPECT_NEAR(square.outline, 8 * std::numbers::sqrt2, 1e-9);
    // Piece perimeters 20 + 10 sqrt 2, all but the outline counted twice.
    EXPECT_NEAR(square.hidden, 10 + std::numbers::sqrt2, 1e-9);

    const Difficulty rectangle = difficultyOfSource(rectangleWith("4,1 4,2 3,2 3,1"));
    EXPECT_NEAR(rectangle.hullArea, 8, 1e-9);
    EXPECT_NEAR(rectangle.outline, 12, 1e-9);
    EXPECT_NEAR(rectangle.hidden, 4 + 5 * std::numbers::sqrt2, 1e-9);
}

TEST(Difficulty, APieceSetApartShowsItsEdgesAndHidesLess) {
    // The rectangle with its square moved out beside the top-right corner, joined along one side:
    // the notch left behind and the square's three free sides add outline that was hidden.
    const Difficulty rectangle = difficultyOfSource(rectangleWith("4,1 4,2 3,2 3,1"));
    const Difficulty notched = difficultyOfSource(rectangleWith("4,1 5,1 5,0 4,0"));
    ASSERT_TRUE(notched.exact);
    EXPECT_NEAR(notched.outline, 12 - 2 + 4, 1e-9);
    EXPECT_NEAR(notched.hidden, rectangle.hidden - 1, 1e-9);
    EXPECT_GT(notched.hullArea, 8.5);
}

TEST(Difficulty, ScoreAddsTheSearchEffortToTheHiddenEdges) {
    const Difficulty square = difficultyOfSource(test::kSquarePieces);
    ASSERT_GT(square.searchNodes, 0u);
    EXPECT_NEAR(square.score, square.hidden + std::log2(double(square.searchNodes)), 1e-9);
    // The search stops at the first arrangement, so it is well below an exhaustive one.
    std::vector<std::string> errors;
    const Library library = test::buildOne(test::squareSource(), errors);
    Solver all(silhouetteOf(library.figures.front().record));
    all.run(0);
    EXPECT_LT(square.searchNodes, all.nodes());
}

TEST(Difficulty, IsUnknownForRawPlacements) {
    SourceFigure figure;
    figure.pieces[0].raw = true;
    const Difficulty d = difficultyOf(figure, TPatternRecord{});
    EXPECT_FALSE(d.exact);
    EXPECT_EQ(d.score, 0);
}

TEST(RankCorrelation, FollowsOrderNotSizeAndSharesRanksOfTies) {
    EXPECT_NEAR(rankCorrelation({1, 2, 3, 4}, {10, 200, 3000, 40000}), 1, 1e-12);
    EXPECT_NEAR(rankCorrelation({1, 2, 3, 4}, {4, 3, 2, 1}), -1, 1e-12);
    // Ranks 1 2 3 4 against 1.5 1.5 3.5 3.5: 4 / sqrt(5 * 4).
    EXPECT_NEAR(rankCorrelation({1, 2, 3, 4}, {7, 7, 9, 9}), 4 / std::sqrt(20.0), 1e-12);
    EXPECT_EQ(rankCorrelation({1, 2, 3}, {5, 5, 5}), 0);
    EXPECT_EQ(rankCorrelation({1}, {2}), 0);
}

} // namespace
} // namespace tangram::patterns
