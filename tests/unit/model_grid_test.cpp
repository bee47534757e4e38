// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/cellgrid.h"
#include "model/solution.h"
#include "model_support.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace tangram;
using namespace tangram::test;

TEST(PairTable, HoldsItsOrderedPairsWithTheKnownSums) {
    const auto& pairs = CompatiblePairs();
    int sum64 = 0, below = 0, above = 0;
    for (int i = 0; i < kPairCount; ++i) {
        if (i > 0) {
            const bool ascending =
                pairs[i - 1].grid < pairs[i].grid ||
                (pairs[i - 1].grid == pairs[i].grid && pairs[i - 1].stamp < pairs[i].stamp);
            EXPECT_TRUE(ascending) << i;
        }
        const int sum = pairs[i].grid + pairs[i].stamp;
        (sum == 64 ? sum64 : sum < 64 ? below : above)++;
        EXPECT_NE(pairs[i].grid, 64);
        EXPECT_NE(pairs[i].stamp, 64);
    }
    EXPECT_EQ(sum64, 52);
    EXPECT_EQ(below, 246);
    EXPECT_EQ(above, 3);
}

TEST(PairTable, ConstantTimeLookupEqualsTheLinearSearchForAllCodes) {
    int members = 0;
    for (int g = 0; g < 256; ++g) {
        for (int s = 0; s < 256; ++s) {
            const bool fast = IsCompatible(std::uint8_t(g), std::uint8_t(s));
            ASSERT_EQ(fast, IsCompatibleLinear(std::uint8_t(g), std::uint8_t(s))) << g << "," << s;
            members += fast;
        }
    }
    EXPECT_EQ(members, kPairCount);
    // Not symmetric, and the sum-only codes take exactly one partner.
    EXPECT_TRUE(IsCompatible(10, 54));
    EXPECT_FALSE(IsCompatible(54, 10));
    EXPECT_TRUE(IsCompatible(17, 54));
    for (int s = 1; s < 256; ++s) {
        EXPECT_EQ(IsCompatible(10, std::uint8_t(s)), s == 54);
        EXPECT_EQ(IsCompatible(54, std::uint8_t(s)), s == 1 || s == 6 || s == 9);
    }
}

TEST(Grid, SquareFillsItsAreaWithFullCells) {
    TCellGrid grid{};
    AddPieceStamps(grid, 6, {40, 40, 0});
    int full = 0, other = 0;
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            const bool inside = c >= 35 && c < 45 && r >= 35 && r < 45;
            if (inside && grid.at(c, r) == 64) {
                ++full;
            } else if (grid.at(c, r) != 0) {
                ++other;
            }
        }
    }
    EXPECT_EQ(full, 100);
    EXPECT_EQ(other, 0);
}

TEST(Grid, FullCellsRefuseAnyCodeAndSumOnlyCodesTakeOnlyTheirComplement) {
    int accepted = 0;
    for (int n = 0; n < kStampCount; ++n) {
        const TCellStamp& s = CellStamp(n);
        for (int dc = s.minColumn; dc <= s.maxColumn; ++dc) {
            for (int dr = s.minRow; dr <= s.maxRow; ++dr) {
                const int code = s.code(dc, dr);
                if (code == 0) {
                    continue;
                }
                TCellGrid full{};
                full.at(40, 40) = 64;
                EXPECT_FALSE(StampFits(full, 40 - dc, 40 - dr, n)) << n << " " << dc << "," << dr;
                TCellGrid ten{};
                ten.at(40, 40) = 10;
                const bool fits = StampFits(ten, 40 - dc, 40 - dr, n);
                EXPECT_EQ(fits, code == 54) << n << " " << dc << "," << dr;
                accepted += fits;
            }
        }
    }
    EXPECT_GT(accepted, 0);
}

TEST(Grid, BoundsTestReachesTheLastColumnAndRowExactly) {
    for (int n = 0; n < kStampCount; ++n) {
        const TCellStamp& s = CellStamp(n);
        const int c = 120 - s.maxColumn;
        const int r = 80 - s.maxRow;
        EXPECT_TRUE(StampInBounds(c, r, n));
        EXPECT_FALSE(StampInBounds(c + 1, r, n));
        EXPECT_FALSE(StampInBounds(c, r + 1, n));
        EXPECT_TRUE(StampInBounds(-s.minColumn, -s.minRow, n));
        EXPECT_FALSE(StampInBounds(-s.minColumn - 1, -s.minRow, n));
        EXPECT_FALSE(StampInBounds(-s.minColumn, -s.minRow - 1, n));
    }
}

TEST(Grid, EveryPieceFitsAtHomeBesideTheOthers) {
    TCellGrid board{};
    for (int piece = 1; piece <= 7; ++piece) {
        AddPieceStamps(board, piece, HomePlacements[piece - 1]);
    }
    for (int piece = 1; piece <= 7; ++piece) {
        const TPlacement& p = HomePlacements[piece - 1];
        SubtractPieceStamps(board, piece, p);
        EXPECT_TRUE(PieceFits(board, piece, p.column, p.row, p.orientation)) << piece;
        EXPECT_FALSE(PieceFits(board, piece, p.column, p.row, p.orientation) !=
                     PieceFitsLinear(board, piece, p.column, p.row, p.orientation));
        AddPieceStamps(board, piece, p);
        // ...and not on top of itself.
        EXPECT_FALSE(PieceFits(board, piece, p.column, p.row, p.orientation)) << piece;
    }
}

// Random pieces added and removed in random order always bring the grid back byte for byte,
// also where codes of several pieces share cells and wrap modulo 256.
TEST(Grid, AnyAddRemoveSequenceRestoresTheGrid) {
    std::mt19937 rng(1234);
    for (int round = 0; round < 200; ++round) {
        TCellGrid grid{};
        for (int c = 0; c < kColumns; ++c) {
            for (int r = 0; r < kRows; ++r) {
                grid.at(c, r) = static_cast<std::uint8_t>(rng());
            }
        }
        const TCellGrid before = grid;
        struct Laid {
            int piece;
            TPlacement at;
        };
        std::vector<Laid> laid;
        const int count = 1 + static_cast<int>(rng() % 12);
        while (static_cast<int>(laid.size()) < count) {
            const int piece = 1 + static_cast<int>(rng() % 7);
            const TPlacement at{static_cast<std::uint8_t>(rng() % 121),
                                static_cast<std::uint8_t>(rng() % 81),
                                static_cast<std::uint8_t>(rng() % 32)};
            if (PieceInBounds(piece, at.column, at.row, at.orientation)) {
                AddPieceStamps(grid, piece, at);
                laid.push_back({piece, at});
            }
        }
        std::shuffle(laid.begin(), laid.end(), rng);
        for (const Laid& l : laid) {
            SubtractPieceStamps(grid, l.piece, l.at);
        }
        ASSERT_EQ(grid, before) << round;
    }
}

// The fast collision and solution tests must answer exactly as the literal algorithms do.
TEST(Grid, FastTestsAgreeWithTheLiteralAlgorithms) {
    std::mt19937 rng(99);
    const TPatternRecord figure = spreadFigure();
    TCellGrid target{};
    for (int piece = 1; piece <= 7; ++piece) {
        AddPieceStamps(target, piece, figure[piece - 1]);
    }
    int anchorC = 0, anchorR = 0;
    ASSERT_TRUE(FirstFilledCell(target, anchorC, anchorR));
    int fitsTrue = 0, matches = 0;
    for (int round = 0; round < 3000; ++round) {
        TPatternRecord at = figure;
        const int dx = static_cast<int>(rng() % 21) - 10;
        const int dy = static_cast<int>(rng() % 15) - 7;
        at = shifted(at, dx, dy);
        // Disturb some pieces to make near misses.
        for (int k = static_cast<int>(rng() % 3); k > 0; --k) {
            TPlacement& p = at[rng() % 7];
            p.column = static_cast<std::uint8_t>(p.column + static_cast<int>(rng() % 3) - 1);
            p.row = static_cast<std::uint8_t>(p.row + static_cast<int>(rng() % 3) - 1);
        }
        TCellGrid board{};
        bool ok = true;
        for (int piece = 1; piece <= 7 && ok; ++piece) {
            const TPlacement& p = at[piece - 1];
            ok = PieceInBounds(piece, p.column, p.row, p.orientation);
            if (!ok) {
                break;
            }
            const bool fast = PieceFits(board, piece, p.column, p.row, p.orientation);
            ASSERT_EQ(fast, PieceFitsLinear(board, piece, p.column, p.row, p.orientation));
            fitsTrue += fast;
            AddPieceStamps(board, piece, p);
        }
        if (!ok) {
            continue;
        }
        const bool fast = FigureMatches(board, PiecesBox(at, 0), target, anchorC, anchorR);
        ASSERT_EQ(fast, FigureMatchesLinear(board, target, anchorC, anchorR)) << round;
        matches += fast;
    }
    EXPECT_GT(fitsTrue, 0);
    EXPECT_GT(matches, 0);
}

// Two pieces that only touch: the put-down of the second never depends on which went first.
TEST(PairTable, TouchingPiecesFitInEitherOrder) {
    const TPlacement first{60, 40, 1};
    const TPlacement second{67, 39, 15};
    TCellGrid grid{};
    AddPieceStamps(grid, 1, first);
    EXPECT_TRUE(PieceFits(grid, 2, second.column, second.row, second.orientation));
    TCellGrid reversed{};
    AddPieceStamps(reversed, 2, second);
    EXPECT_TRUE(PieceFits(reversed, 1, first.column, first.row, first.orientation));
    // They do touch: one cell is shared by both.
    TCellGrid both = grid;
    AddPieceStamps(both, 2, second);
    int shared = 0;
    for (int cell = 0; cell < kColumns * kRows; ++cell)
        shared += both.cells[static_cast<std::size_t>(cell)] != grid.cells[static_cast<std::size_t>(cell)] &&
                  grid.cells[static_cast<std::size_t>(cell)] != 0;
    EXPECT_GT(shared, 0);
}
