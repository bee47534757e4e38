// SPDX-License-Identifier: GPL-3.0-or-later
// Exact geometry: the a + b*d arithmetic, the 10a + 7b map onto the board, the source notation
// and the match of every exact piece against the game's outline tables.
#include "tools/patterns/exact.h"
#include "tools/patterns/figurecompiler.h"
#include "tools/patterns/sourceparser.h"

#include <gtest/gtest.h>

using namespace tangram;
using namespace tangram::patterns;

TEST(ExactGeometry, MapsUnitsAndHalfDiagonalsToTenAndSevenCells) {
    EXPECT_EQ((Exact{1, 0}.cells()), 10);
    EXPECT_EQ((Exact{0, 1}.cells()), 7);
    EXPECT_EQ((Exact{2, -3}.cells()), -1);
    EXPECT_EQ((Exact{0, 2}.cells()), 14); // sqrt(2): medium leg, square diagonal
}

TEST(ExactGeometry, SignIsExactWhereTheCellMapIsNot) {
    // 7 - 10d = -0.07.. maps to 0 cells, but is negative.
    EXPECT_EQ((Exact{7, -10}.sign()), -1);
    EXPECT_EQ((Exact{-7, 10}.sign()), 1);
    EXPECT_EQ((Exact{3, -4}.sign()), 1); // 3 - 2.83
    EXPECT_EQ((Exact{0, 0}.sign()), 0);
    EXPECT_EQ(compareExact({1, 0}, {0, 1}), std::strong_ordering::greater);
}

TEST(ExactGeometry, TurnsByFortyFiveDegreesClockwiseOnTheScreen) {
    bool ok = true;
    const ExactPoint east{{1, 0}, {0, 0}};
    EXPECT_EQ(turned(east, 1, ok), (ExactPoint{{0, 1}, {0, 1}})); // south-east: (d, d)
    EXPECT_EQ(turned(east, 2, ok), (ExactPoint{{0, 0}, {1, 0}})); // south (y grows downward)
    EXPECT_EQ(turned(east, 8, ok), east);
    EXPECT_TRUE(ok);
    // (d, 0) turned by 45 degrees would need half of d: off the lattice.
    turned(ExactPoint{{0, 1}, {0, 0}}, 1, ok);
    EXPECT_FALSE(ok);
    // A quarter turn of it is on the lattice, although the 45-degree step half-way is not.
    ok = true;
    EXPECT_EQ(turned(ExactPoint{{0, 1}, {0, 0}}, 2, ok), (ExactPoint{{0, 0}, {0, 1}}));
    EXPECT_EQ(turned(ExactPoint{{0, 1}, {0, 0}}, 6, ok), (ExactPoint{{0, 0}, {0, -1}}));
    EXPECT_TRUE(ok);
}

TEST(SourceNotation, ParsesCoordinates) {
    Exact v;
    ASSERT_TRUE(parseExact("2", v));
    EXPECT_EQ(v, (Exact{2, 0}));
    ASSERT_TRUE(parseExact("-d", v));
    EXPECT_EQ(v, (Exact{0, -1}));
    ASSERT_TRUE(parseExact("1+2d", v));
    EXPECT_EQ(v, (Exact{1, 2}));
    ASSERT_TRUE(parseExact("-3-4d", v));
    EXPECT_EQ(v, (Exact{-3, -4}));
    EXPECT_FALSE(parseExact("d2", v));
    EXPECT_FALSE(parseExact("x", v));
    EXPECT_FALSE(parseExact("", v));
    EXPECT_EQ((Exact{1, -2}.text()), "1-2d");
}

// Every piece at every 45-degree turn, mapped onto the grid, is one row of the outline tables:
// the map keeps the pieces' shapes exactly.
TEST(ExactGeometry, EveryExactPieceMatchesTheOutlineTables) {
    const struct {
        const char* kind;
        int piece;
    } kinds[] = {{"small", 1},  {"medium", 3}, {"large", 4},
                 {"square", 6}, {"para", 7},   {"mpara", 7}};
    for (const auto& k : kinds) {
        for (int turn = 0; turn < 8; ++turn) {
            std::vector<GridOffset> grid;
            for (const ExactPoint& v : canonicalVertices(k.kind, turn))
                grid.push_back({v.x.cells() + 30, v.y.cells() + 30});
            FreePlacement found;
            ASSERT_TRUE(matchPlacement(k.piece, grid, found)) << k.kind << " turn " << turn;
            // Even turn steps only; the mirrored parallelogram in the mirror half.
            EXPECT_EQ(found.orientation % 2, 0);
            EXPECT_EQ(found.orientation >= 16, std::string(k.kind) == "mpara");
            if (k.piece <= 5) {
                EXPECT_EQ(found.orientation, 2 * turn) << k.kind;
            }
        }
    }
}

TEST(ExactGeometry, RejectsAVertexSetOfTheWrongSize) {
    // A small triangle with legs 2 is no piece of the set.
    const std::vector<GridOffset> tooBig{{30, 30}, {10, 30}, {30, 10}};
    FreePlacement found;
    EXPECT_FALSE(matchPlacement(1, tooBig, found));
    EXPECT_TRUE(matchPlacement(4, tooBig, found)); // but it is a large one
}
