// SPDX-License-Identifier: GPL-3.0-or-later
// The difficulty measure: the reference square, a rectangle, a figure with a piece sticking out,
// and raw placements.
#include "patterns_support.h"
#include "tools/patterns/difficulty.h"

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
    return library.figures.empty() ? Difficulty{} : difficultyOf(library.figures.front().source);
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

TEST(Difficulty, MeasuresHullAndOutlineOfSimpleShapes) {
    const Difficulty square = difficultyOfSource(test::kSquarePieces);
    ASSERT_TRUE(square.exact);
    EXPECT_NEAR(square.hullArea, 8, 1e-9);
    EXPECT_NEAR(square.outline, 8 * std::numbers::sqrt2, 1e-9);
    EXPECT_NEAR(square.score, 1, 1e-9);

    const Difficulty rectangle = difficultyOfSource(rectangleWith("4,1 4,2 3,2 3,1"));
    EXPECT_NEAR(rectangle.hullArea, 8, 1e-9);
    EXPECT_NEAR(rectangle.outline, 12, 1e-9);
    EXPECT_GT(rectangle.score, square.score);
}

TEST(Difficulty, APieceSetApartMakesTheFigureHarder) {
    // The rectangle with its square moved out beside the top-right corner, joined along one side:
    // the hull grows, and the notch left behind and the square's three free sides add outline.
    const Difficulty notched = difficultyOfSource(rectangleWith("4,1 5,1 5,0 4,0"));
    ASSERT_TRUE(notched.exact);
    EXPECT_NEAR(notched.outline, 12 - 2 + 4, 1e-9);
    EXPECT_GT(notched.hullArea, 8.5);
    EXPECT_GT(notched.score, 1.3);
}

TEST(Difficulty, IsUnknownForRawPlacements) {
    SourceFigure figure;
    figure.pieces[0].raw = true;
    EXPECT_FALSE(difficultyOf(figure).exact);
}

} // namespace
} // namespace tangram::patterns
