// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/puzzle.h"
#include "model/solution.h"
#include "model_support.h"

#include <gtest/gtest.h>

#include <random>

using namespace tangram;
using namespace tangram::test;
using Calls = std::vector<std::string>;

namespace {

TCellGrid targetOf(const TPatternRecord& figure) {
    TCellGrid grid{};
    for (int piece = 1; piece <= 7; ++piece) {
        const TPlacement& p = figure[piece - 1];
        if (p.orientation >= kOrientations) {
            continue;
        }
        const int shape = PieceShapeOf(piece);
        for (int e = 1; e <= StampCount(shape); ++e) {
            const StampEntry s = StampList(shape, e, p.orientation);
            AddStampClipped(grid, p.column + s.dc, p.row + s.dr, s.stamp);
        }
    }
    return grid;
}

void expectConsistent(const Puzzle& puzzle) {
    for (int piece = 1; piece <= 7; ++piece) {
        const TPlacement& p = puzzle.placement(piece);
        ASSERT_LT(p.orientation, kOrientations);
        ASSERT_TRUE(PieceInBounds(piece, p.column, p.row, p.orientation)) << piece;
    }
    ASSERT_EQ(puzzle.boardGrid(), gridOf(puzzle, puzzle.selectedPiece()));
}

struct Fixture : ::testing::Test {
    RecordingView view;
    Puzzle puzzle{view, view};
    PatternStatus status;
    bool modified = false;
    TPatternRecord figure = spreadFigure();
};

} // namespace

using PatternSetUp = Fixture;

TEST_F(PatternSetUp, FreshPatternPutsEveryPieceHomeAndBuildsTheSilhouette) {
    puzzle.SetUpPattern(figure, status, modified);
    EXPECT_EQ(view.take(), Calls{"help on"});
    for (int piece = 1; piece <= 7; ++piece) {
        EXPECT_EQ(puzzle.placement(piece), HomePlacements[piece - 1]);
    }
    expectConsistent(puzzle);
    EXPECT_EQ(puzzle.targetGrid(), targetOf(figure));
    int c = 0, r = 0;
    ASSERT_TRUE(FirstFilledCell(puzzle.targetGrid(), c, r));
    EXPECT_EQ(puzzle.anchorColumn(), c);
    EXPECT_EQ(puzzle.anchorRow(), r);
    EXPECT_EQ(puzzle.selectedPiece(), 0);
    EXPECT_EQ(puzzle.playState(), PlayState::Playing);
}

TEST_F(PatternSetUp, RevealedPiecesReturnToTheirSolutionUnlessTheFigureIsDone) {
    status = 3;
    puzzle.SetUpPattern(figure, status, modified);
    for (int piece = 1; piece <= 7; ++piece) {
        EXPECT_EQ(puzzle.placement(piece),
                  piece <= 3 ? figure[piece - 1] : HomePlacements[piece - 1]);
    }
    expectConsistent(puzzle);
    EXPECT_EQ(view.take(), Calls{"help on"});

    status = 11;
    puzzle.SetUpPattern(figure, status, modified);
    for (int piece = 1; piece <= 7; ++piece) {
        EXPECT_EQ(puzzle.placement(piece), HomePlacements[piece - 1]);
    }
    EXPECT_EQ(view.take(), Calls{"help off"});
    EXPECT_EQ(status, 11);
    EXPECT_FALSE(modified);
}

// Damaged library records: any byte value anywhere never writes outside a grid and always leaves
// a board the player can use.
TEST_F(PatternSetUp, ArbitraryRecordsAreSetUpSafely) {
    std::mt19937 rng(7);
    auto exercise = [&](const TPatternRecord& record, std::uint8_t st) {
        status = st;
        puzzle.SetUpPattern(record, status, modified);
        expectConsistent(puzzle);
        ASSERT_EQ(puzzle.targetGrid(), targetOf(record));
        for (int i = 0; i < 8; ++i) {
            puzzle.TipBtnClick();
            expectConsistent(puzzle);
        }
        EXPECT_EQ(status, 15);
    };
    for (int byte = 0; byte < 21; ++byte) {
        for (int value = 0; value < 256; ++value) {
            TPatternRecord record = figure;
            auto* raw = reinterpret_cast<std::uint8_t*>(record.data());
            raw[byte] = static_cast<std::uint8_t>(value);
            exercise(record, static_cast<std::uint8_t>(value % 16));
            if (HasFatalFailure()) {
                return;
            }
        }
    }
    for (int round = 0; round < 3000; ++round) {
        TPatternRecord record;
        auto* raw = reinterpret_cast<std::uint8_t*>(record.data());
        for (int i = 0; i < 21; ++i) {
            raw[i] = static_cast<std::uint8_t>(rng());
        }
        exercise(record, static_cast<std::uint8_t>(rng() % 16));
        if (HasFatalFailure()) {
            return;
        }
    }
}

using Solution = Fixture;

TEST_F(Solution, FigureBuiltAnywhereIsRecognisedWithTheFullSuccessSequence) {
    status = 2;
    puzzle.SetUpPattern(figure, status, modified);
    for (auto [dx, dy] : {std::pair{0, 0}, {-12, 5}, {9, -4}, {20, 14}}) {
        puzzle.SetUpPattern(figure, status, modified);
        puzzle.LayPieces(shifted(figure, dx, dy));
        view.take();
        puzzle.CheckSolution();
        EXPECT_EQ(view.take(), (Calls{"placed green grey", "sound solved", "won", "status changed"}))
            << dx << "," << dy;
        EXPECT_EQ(puzzle.playState(), PlayState::Solved);
    }
    EXPECT_EQ(status, 10);
    EXPECT_TRUE(modified);
    modified = false;
    puzzle.SetUpPattern(figure, status, modified);
    puzzle.LayPieces(figure);
    puzzle.CheckSolution();
    EXPECT_EQ(status, 10);
    EXPECT_FALSE(modified);
}

TEST_F(Solution, TwinPiecesMayTradePlaces) {
    puzzle.SetUpPattern(figure, status, modified);
    TPatternRecord swapped = figure;
    // Same shapes, different numbers: the cells are all that counts.
    std::swap(swapped[0], swapped[1]);
    std::swap(swapped[3], swapped[4]);
    puzzle.LayPieces(shifted(swapped, 3, 2));
    puzzle.CheckSolution();
    EXPECT_EQ(puzzle.playState(), PlayState::Solved);
}

TEST_F(Solution, OneCellOffIsNotSolvedAndChangesNothing) {
    puzzle.SetUpPattern(figure, status, modified);
    TPatternRecord off = figure;
    off[5].column = static_cast<std::uint8_t>(off[5].column + 1);
    puzzle.LayPieces(off);
    view.take();
    puzzle.CheckSolution();
    EXPECT_TRUE(view.take().empty());
    EXPECT_EQ(puzzle.playState(), PlayState::Playing);
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(modified);
}

TEST(SolutionCompare, CellsLandingInTheLastColumnOrRowNeverMatch) {
    for (auto [at, ok] : {std::pair{TPlacement{115, 40, 0}, true},
                          {TPlacement{116, 40, 0}, false},
                          {TPlacement{60, 75, 0}, true},
                          {TPlacement{60, 76, 0}, false}}) {
        TCellGrid target{};
        AddPieceStamps(target, 6, at);
        TCellGrid board{};
        const TPlacement there{50, 40, 0};
        AddPieceStamps(board, 6, there);
        int c = 0, r = 0;
        ASSERT_TRUE(FirstFilledCell(target, c, r));
        TPatternRecord placed = HomePlacements;
        placed[5] = there;
        CellBox box = PiecesBox(placed, 0);
        // Only the square is on this board; shrink the box to it.
        box = {45, 35, 54, 44};
        EXPECT_EQ(FigureMatchesLinear(board, target, c, r), ok) << int(at.column);
        EXPECT_EQ(FigureMatches(board, box, target, c, r), ok) << int(at.column);
    }
}

TEST(SolutionCompare, EmptyBoardIsNeverSolved) {
    TCellGrid empty{};
    EXPECT_FALSE(FigureMatchesLinear(empty, empty, 0, 0));
    EXPECT_FALSE(FigureMatches(empty, CellBox{0, 0, 120, 80}, empty, 0, 0));
}

using Help = Fixture;

TEST_F(Help, EachUseRevealsOneMorePieceAndTheSeventhGivesUp) {
    puzzle.SetUpPattern(figure, status, modified);
    for (int use = 1; use <= 7; ++use) {
        view.take();
        puzzle.TipBtnClick();
        const bool last = use == 7;
        EXPECT_EQ(view.take(), (Calls{"placed silver silver",
                                      last ? "placed red grey" : "placed black grey"}));
        EXPECT_EQ(status, last ? 15 : use);
        EXPECT_TRUE(modified);
        EXPECT_EQ(puzzle.playState(), last ? PlayState::GivenUp : PlayState::Playing);
        for (int piece = 1; piece <= 7; ++piece) {
            EXPECT_EQ(puzzle.placement(piece),
                      piece <= use ? figure[piece - 1] : HomePlacements[piece - 1]);
        }
        expectConsistent(puzzle);
    }
    puzzle.TipBtnClick();
    EXPECT_TRUE(view.take().empty());
    EXPECT_EQ(status, 15);
}

TEST_F(Help, LowBitsSevenWithoutTheDoneBitGiveUpAtOnce) {
    status = 7;
    puzzle.SetUpPattern(figure, status, modified);
    puzzle.TipBtnClick();
    EXPECT_EQ(status, 15);
    EXPECT_EQ(puzzle.playState(), PlayState::GivenUp);
}

TEST_F(Help, IsIgnoredAfterTheFigureIsSolved) {
    puzzle.SetUpPattern(figure, status, modified);
    puzzle.LayPieces(figure);
    puzzle.CheckSolution();
    view.take();
    puzzle.TipBtnClick();
    EXPECT_TRUE(view.take().empty());
    EXPECT_EQ(status, 8);
}
