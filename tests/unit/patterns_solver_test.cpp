// SPDX-License-Identifier: GPL-3.0-or-later
// The solver: finds placements for known silhouettes, every solution rebuilds the silhouette
// exactly, and it proves shapes of the right area impossible.
#include "patterns_support.h"
#include "tools/patterns/figurechecker.h"
#include "tools/patterns/silhouette.h"
#include "tools/patterns/solver.h"

#include <gtest/gtest.h>

using namespace tangram;
using namespace tangram::patterns;
using namespace tangram::patterns::test;

namespace {

std::vector<CompiledFigure> shippedConvex() {
    std::vector<std::string> errors;
    const Library library =
        buildLibraryFromFiles({std::string(WT_PATTERN_DIR) + "/6-convex.tangrams"}, errors);
    EXPECT_TRUE(errors.empty());
    std::vector<CompiledFigure> out;
    for (const CompiledFigure* f : library.inCategory(6))
        out.push_back(*f);
    return out;
}

} // namespace

TEST(Solver, FindsAllArrangementsOfTheClassicSquare) {
    std::vector<std::string> errors;
    const Library library = buildOne(squareSource(), errors);
    const TCellGrid target = silhouetteOf(library.figures[0].record);
    Solver solver(target);
    solver.run(0);
    ASSERT_FALSE(solver.solutions().empty());
    for (const TPatternRecord& s : solver.solutions()) {
        EXPECT_EQ(silhouetteOf(s), target);
        EXPECT_TRUE(checkRecord(s).empty());
    }
    // The stored solution is among them (up to swapping equal pieces).
    Solver first(target);
    first.run(1);
    EXPECT_EQ(first.solutions().size(), 1u);
}

TEST(Solver, SolvesEveryShippedConvexTangramFromItsCellsAlone) {
    for (const CompiledFigure& f : shippedConvex()) {
        const TCellGrid target = silhouetteOf(f.record);
        Solver solver(target);
        solver.run(1);
        ASSERT_EQ(solver.solutions().size(), 1u) << f.source.label();
        EXPECT_EQ(silhouetteOf(solver.solutions()[0]), target) << f.source.label();
    }
}

TEST(Solver, ProvesABarOfEightSquaresImpossible) {
    // Area 8, like the seven pieces, but one unit wide: no large triangle fits.
    TCellGrid bar{};
    for (int i = 0; i < 8; ++i)
        AddPieceStamps(bar, 6, TPlacement{static_cast<std::uint8_t>(25 + 10 * i), 40, 0});
    Solver solver(bar);
    solver.run(0);
    EXPECT_TRUE(solver.solutions().empty());
    EXPECT_GT(solver.nodes(), 0u);
}

TEST(Solver, ProvesAShapeWithAMissingPieceImpossible) {
    std::vector<std::string> errors;
    const Library library = buildOne(squareSource(), errors);
    TCellGrid target{};
    for (int piece = 1; piece <= 6; ++piece) // the parallelogram left out
        AddPieceStamps(target, piece, library.figures[0].record[piece - 1]);
    Solver solver(target);
    solver.run(0);
    EXPECT_TRUE(solver.solutions().empty());
}

TEST(Solver, EveryPieceOrderFindsAnArrangementAndTheNodeLimitStops) {
    std::vector<std::string> errors;
    const Library library = buildOne(squareSource(), errors);
    const TCellGrid target = silhouetteOf(library.figures[0].record);
    Solver reference(target);
    reference.run(0);
    for (const std::array<int, 5>& order :
         {std::array{1, 2, 3, 4, 5}, std::array{5, 4, 3, 2, 1}, std::array{3, 1, 5, 2, 4}}) {
        Solver solver(target);
        solver.setShapeOrder(order);
        solver.run(0);
        EXPECT_FALSE(solver.stopped());
        EXPECT_EQ(solver.solutions().size(), reference.solutions().size());
    }
    Solver limited(target);
    limited.run(0, 10);
    EXPECT_TRUE(limited.stopped());
    EXPECT_EQ(limited.nodes(), 10u);
    EXPECT_LT(limited.solutions().size(), reference.solutions().size());
}
