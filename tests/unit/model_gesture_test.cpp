// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/puzzle.h"
#include "model_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

using namespace tangram;
using namespace tangram::test;
using Calls = std::vector<std::string>;

namespace {

// A board at cell size 5 with the small triangle (piece 1) at (60, 40) in orientation 0, so its
// reference point is pixel (300, 200); every other piece at home.
struct Gestures : ::testing::Test {
    RecordingView view;
    Puzzle puzzle{view, view};
    PatternStatus status;
    bool modified = false;
    TPatternRecord figure = spreadFigure();

    void SetUp() override {
        puzzle.SetUpPattern(figure, status, modified);
        TPatternRecord at = HomePlacements;
        at[0] = {60, 40, 0};
        puzzle.LayPieces(at);
        puzzle.SetCellSize(5, 5);
        view.take();
    }
    void lift() {
        puzzle.boxMousedown(MouseButton::Left, 300 - 5, 200);
        view.take();
    }
};

} // namespace

TEST_F(Gestures, HitZonesOfTheSmallTriangle) {
    EXPECT_EQ(puzzle.PieceHitZone(300 - 14, 200, 1), HitZone::Move);
    EXPECT_EQ(puzzle.PieceHitZone(300 - 15, 200, 1), HitZone::Turn);
    EXPECT_EQ(puzzle.PieceHitZone(300 + 15, 200, 1), HitZone::Turn); // on the vertical edge
    EXPECT_EQ(puzzle.PieceHitZone(300 + 16, 200, 1), HitZone::Outside);
    EXPECT_EQ(puzzle.PieceHitZone(300, 200 + 15, 1), HitZone::Turn); // on the bottom edge
    EXPECT_EQ(puzzle.PieceHitZone(300, 200 + 16, 1), HitZone::Outside);
}

TEST_F(Gestures, PressOnAPieceLiftsItAndStartsMoving) {
    puzzle.boxMousedown(MouseButton::Left, 300 - 5, 200 + 5);
    EXPECT_EQ(view.take(), (Calls{"sound pick-up", "filled 1 silver silver", "placed black grey",
                                  "outline 1 yellow xor"}));
    EXPECT_EQ(puzzle.selectedPiece(), 1);
    EXPECT_EQ(puzzle.dragMode(), HitZone::Move);
    EXPECT_EQ(puzzle.grabDx(), 60 - 59);
    EXPECT_EQ(puzzle.grabDy(), 40 - 41);
    EXPECT_EQ(puzzle.boardGrid(), gridOf(puzzle, 1));

    // Held left button: the reference point keeps the grab offset to the pointer's cell.
    // The cursor follows the piece as it lay before the step: the pointer has left it.
    puzzle.boxMouseMove(true, 300 + 20, 200 + 5);
    EXPECT_EQ(view.take(),
              (Calls{"cursor hand", "sound move-step", "outline 1 yellow xor", "outline 1 yellow xor"}));
    EXPECT_EQ(puzzle.placement(1), (TPlacement{65, 40, 0}));
    // Same cell again: only the cursor follows.
    puzzle.boxMouseMove(true, 300 + 21, 200 + 6);
    EXPECT_EQ(view.take(), Calls{"cursor move"});
    // Without the button only the cursor changes.
    puzzle.boxMouseMove(false, 0, 0);
    EXPECT_EQ(view.take(), Calls{"cursor hand"});
    EXPECT_EQ(puzzle.placement(1), (TPlacement{65, 40, 0}));
}

TEST_F(Gestures, MovesThatLeaveTheBoardAreRefusedSilently) {
    lift();
    puzzle.boxMouseMove(true, -400, 200);
    EXPECT_EQ(view.take(), Calls{"cursor hand"});
    EXPECT_EQ(puzzle.placement(1).column, 60);
}

// Pressed 15 pixels right of the reference point, then carried clockwise round to 15 pixels
// below it: a quarter turn through orientations 1, 2 and 3.
TEST_F(Gestures, TurningFollowsThePointerClockwise) {
    puzzle.boxMousedown(MouseButton::Left, 315, 200);
    view.take();
    ASSERT_EQ(puzzle.dragMode(), HitZone::Turn);
    EXPECT_EQ(puzzle.turnBase(), 0);
    const double pi = std::numbers::pi;
    std::vector<int> seen;
    for (int step = 1; step <= 4; ++step) {
        const double a = -step * pi / 8;
        const int x = 300 + static_cast<int>(std::lround(15 * std::cos(a)));
        const int y = 200 - static_cast<int>(std::lround(15 * std::sin(a)));
        puzzle.boxMouseMove(true, x, y);
        const Calls calls = view.take();
        ASSERT_EQ(calls.size(), 4u) << step;
        EXPECT_EQ(calls[1], "sound turn-step");
        seen.push_back(puzzle.placement(1).orientation);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(puzzle.placement(1).column, 60);
}

TEST_F(Gestures, DirectQuarterTurnAndTurnsKeepTheMirrorHalf) {
    puzzle.boxMousedown(MouseButton::Left, 315, 200);
    puzzle.boxMouseMove(true, 300, 215);
    EXPECT_EQ(puzzle.placement(1).orientation, 4);

    // The parallelogram mirrored stays in its mirror half while turning.
    TPatternRecord at = HomePlacements;
    at[6] = {60, 40, 20};
    puzzle.LayPieces(at);
    puzzle.boxMousedown(MouseButton::Left, 300 + 22, 200 - 45); // far end: turn zone
    ASSERT_EQ(puzzle.selectedPiece(), 7);
    ASSERT_EQ(puzzle.dragMode(), HitZone::Turn);
    for (int i = 0; i < 32; ++i) {
        const double a = i * std::numbers::pi / 8;
        puzzle.boxMouseMove(true, 300 + int(std::lround(40 * std::cos(a))),
                            200 - int(std::lround(40 * std::sin(a))));
        EXPECT_GE(puzzle.placement(7).orientation, 16);
        EXPECT_LT(puzzle.placement(7).orientation, 32);
    }
}

TEST_F(Gestures, RightButtonMirrorsOnlyTheParallelogram) {
    lift();
    puzzle.boxMousedown(MouseButton::Right, 300, 200);
    EXPECT_TRUE(view.take().empty());
    EXPECT_EQ(puzzle.placement(1).orientation, 0);

    for (auto [from, to] : {std::pair{8, 16}, {24, 0}, {5, 27}}) {
        TPatternRecord at = HomePlacements;
        at[6] = {60, 40, static_cast<std::uint8_t>(from)};
        puzzle.LayPieces(at);
        puzzle.boxMousedown(MouseButton::Left, 300, 200);
        ASSERT_EQ(puzzle.selectedPiece(), 7);
        const HitZone mode = puzzle.dragMode();
        view.take();
        puzzle.boxMousedown(MouseButton::Right, 0, 0);
        EXPECT_EQ(view.take(), (Calls{"outline 7 yellow xor", "outline 7 yellow xor"}));
        EXPECT_EQ(puzzle.placement(7).orientation, to);
        EXPECT_EQ(puzzle.dragMode(), mode);
    }
}

TEST_F(Gestures, RefusedDropKeepsThePieceLiftedAndStopsDragging) {
    lift();
    // Carry the triangle onto the square at home (7, 42) and try to drop it there.
    puzzle.boxMouseMove(true, 40, 210);
    ASSERT_EQ(puzzle.placement(1).column, 9);
    view.take();
    puzzle.boxMousedown(MouseButton::Left, 400, 300);
    EXPECT_EQ(view.take(), (Calls{"sound refused", "flash 1"}));
    EXPECT_EQ(puzzle.selectedPiece(), 1);
    EXPECT_EQ(puzzle.dragMode(), HitZone::Outside);
    puzzle.boxMouseMove(true, 200, 200);
    EXPECT_EQ(puzzle.placement(1).column, 9);
}

TEST_F(Gestures, AcceptedDropPutsThePieceBackAndMayLiftAnother) {
    lift();
    // Press outside the lifted piece, on the square at home: drop, then lift the square.
    puzzle.boxMousedown(MouseButton::Left, 7 * 5, 42 * 5);
    EXPECT_EQ(view.take(),
              (Calls{"sound drop", "filled 1 black grey", "sound pick-up", "filled 6 silver silver",
                     "placed black grey", "outline 6 yellow xor"}));
    EXPECT_EQ(puzzle.selectedPiece(), 6);
    EXPECT_EQ(puzzle.boardGrid(), gridOf(puzzle, 6));
}

TEST_F(Gestures, DoubleClickLiftsOnceAndKeepsThePieceLifted) {
    puzzle.boxMousedown(MouseButton::Left, 295, 200);
    view.take();
    puzzle.boxMousedown(MouseButton::Left, 295, 200);
    EXPECT_TRUE(view.take().empty());
    EXPECT_EQ(puzzle.selectedPiece(), 1);
    EXPECT_EQ(puzzle.dragMode(), HitZone::Move);
}

TEST_F(Gestures, PressInTheLastPixelColumnOnlyClearsTheGrabOffset) {
    puzzle.boxMousedown(MouseButton::Left, 300 - 5, 200 + 5); // grab offset (1, -1)
    view.take();
    puzzle.boxMousedown(MouseButton::Left, 121 * 5, 100);
    EXPECT_TRUE(view.take().empty());
    EXPECT_EQ(puzzle.grabDx(), 0);
    EXPECT_EQ(puzzle.grabDy(), 0);
    puzzle.boxMouseMove(true, 52 * 5 + 2, 33 * 5 + 2);
    EXPECT_EQ(puzzle.placement(1), (TPlacement{52, 33, 0}));
}

TEST_F(Gestures, DropThatSolvesTurnsGreenAndLiftsNothingElse) {
    // Everything but piece 1 already in the silhouette, shifted; piece 1 lifted and carried in.
    const TPatternRecord goal = shifted(figure, 2, 1);
    TPatternRecord at = goal;
    at[0] = {60, 40, 0};
    puzzle.LayPieces(at);
    puzzle.boxMousedown(MouseButton::Left, 295, 200);
    ASSERT_EQ(puzzle.selectedPiece(), 1);
    puzzle.boxMouseMove(true, (goal[0].column - 1) * 5, goal[0].row * 5);
    ASSERT_EQ(puzzle.placement(1), goal[0]);
    view.take();
    // The drop press lands on piece 2: it must not be lifted once the figure is solved.
    const int x = goal[1].column * 5 - 5;
    const int y = goal[1].row * 5;
    ASSERT_GT(puzzle.PieceHitZone(x, y, 2), HitZone::Outside);
    puzzle.boxMousedown(MouseButton::Left, x, y);
    EXPECT_EQ(view.take(), (Calls{"sound drop", "filled 1 black grey", "placed green grey",
                                  "sound solved", "won", "status changed"}));
    EXPECT_EQ(puzzle.selectedPiece(), 0);
    EXPECT_EQ(puzzle.playState(), PlayState::Solved);
    puzzle.boxMousedown(MouseButton::Left, x, y);
    EXPECT_TRUE(view.take().empty());
}

TEST_F(Gestures, HelpWithAPieceLiftedPutsItBackLikeTheOthers) {
    lift();
    puzzle.boxMouseMove(true, 100, 100);
    puzzle.TipBtnClick();
    EXPECT_EQ(puzzle.selectedPiece(), 0);
    EXPECT_EQ(puzzle.placement(1), figure[0]);
    EXPECT_EQ(puzzle.boardGrid(), gridOf(puzzle, 0));
}

TEST_F(Gestures, NoMouseInputWhileTheCellSizeIsZero) {
    puzzle.SetCellSize(0, 0);
    puzzle.boxMousedown(MouseButton::Left, 0, 0);
    puzzle.boxMouseMove(true, 10, 10);
    EXPECT_TRUE(view.take().empty());
}

// A million random presses and moves, with any button, anywhere, at any cell size: the board
// grid always equals the placed pieces' stamps and every piece stays on the board.
TEST(GestureSoak, RandomInputNeverBreaksTheBoard) {
    RecordingView view;
    Puzzle puzzle(view, view);
    PatternStatus status;
    bool modified = false;
    const TPatternRecord figure = spreadFigure();
    puzzle.SetUpPattern(figure, status, modified);
    std::mt19937 rng(2024);
    int cell = 5;
    puzzle.SetCellSize(cell, cell);
    int lifts = 0;
    for (int i = 0; i < 1000000; ++i) {
        const unsigned roll = rng() % 1000;
        if (roll == 0) {
            cell = static_cast<int>(rng() % 13);
            puzzle.SetCellSize(cell, cell);
        } else if (roll == 1) {
            puzzle.TipBtnClick();
        } else if (roll == 2) {
            status = static_cast<std::uint8_t>(rng() % 16);
            puzzle.SetUpPattern(figure, status, modified);
        }
        const int span = 122 * std::max(cell, 1);
        const int x = static_cast<int>(rng() % (span + 200)) - 100;
        const int y = static_cast<int>(rng() % (span + 200)) - 100;
        if (rng() % 3 == 0) {
            const MouseButton b = static_cast<MouseButton>(rng() % 3);
            const int before = puzzle.selectedPiece();
            puzzle.boxMousedown(b, x, y);
            lifts += before == 0 && puzzle.selectedPiece() != 0;
        } else {
            puzzle.boxMouseMove(rng() % 2 == 0, x, y);
        }
        view.calls.clear();
        if (i % 997 == 0) {
            ASSERT_EQ(puzzle.boardGrid(), gridOf(puzzle, puzzle.selectedPiece())) << i;
            for (int piece = 1; piece <= 7; ++piece) {
                const TPlacement& p = puzzle.placement(piece);
                ASSERT_TRUE(PieceInBounds(piece, p.column, p.row, p.orientation));
            }
        }
    }
    EXPECT_EQ(puzzle.boardGrid(), gridOf(puzzle, puzzle.selectedPiece()));
    EXPECT_GT(lifts, 1000);
}

// The keyboard and the wheel play the same game as the mouse: the same sounds, tests and
// drawing, step by step.
TEST_F(Gestures, KeysLiftPiecesInTurnAndPutThemDown) {
    puzzle.LiftNextPiece();
    EXPECT_EQ(puzzle.selectedPiece(), 1) << "nothing lifted yet: the first piece";
    EXPECT_EQ(view.take(), (Calls{"sound pick-up", "filled 1 silver silver", "placed black grey",
                                  "outline 1 yellow xor"}));
    // The next key puts piece 1 back where it lies and lifts piece 2.
    puzzle.LiftNextPiece();
    EXPECT_EQ(puzzle.selectedPiece(), 2);
    EXPECT_EQ(view.take().front(), "sound drop");
    puzzle.LiftNextPiece(-1);
    EXPECT_EQ(puzzle.selectedPiece(), 1);
    EXPECT_TRUE(puzzle.DropSelectedPiece());
    puzzle.LiftNextPiece(-1);
    EXPECT_EQ(puzzle.selectedPiece(), kPieceCount) << "backwards from the first is the last";
    EXPECT_TRUE(puzzle.DropSelectedPiece());
    EXPECT_EQ(puzzle.selectedPiece(), 0);
    EXPECT_EQ(gridOf(puzzle, 0), puzzle.boardGrid());
}

TEST_F(Gestures, ArrowsMoveByACellWithinTheBoard) {
    puzzle.LiftPiece(1);
    view.take();
    puzzle.NudgeSelectedPiece(1, 0);
    EXPECT_EQ(puzzle.placement(1).column, 61);
    EXPECT_EQ(view.take(),
              (Calls{"sound move-step", "outline 1 yellow xor", "outline 1 yellow xor"}));
    puzzle.NudgeSelectedPiece(0, -1);
    EXPECT_EQ(puzzle.placement(1).row, 39);
    // Against the edge of the board nothing moves and nothing sounds.
    for (int step = 0; step < 200; ++step)
        puzzle.NudgeSelectedPiece(0, -1);
    const int top = puzzle.placement(1).row;
    view.take();
    puzzle.NudgeSelectedPiece(0, -1);
    EXPECT_EQ(puzzle.placement(1).row, top);
    EXPECT_TRUE(view.take().empty());
}

TEST_F(Gestures, TurnsAndMirrorKeepTheMirrorHalfAndTheBounds) {
    puzzle.LiftPiece(kParallelogram);
    for (int step = 0; step < 40; ++step)
        puzzle.NudgeSelectedPiece(-1, 0); // away from the edge, where it has room to turn
    const int start = puzzle.placement(kParallelogram).orientation;
    view.take();
    puzzle.TurnSelectedPiece(1);
    EXPECT_EQ(puzzle.placement(kParallelogram).orientation, TurnOrientation(start, start % 16 + 1));
    EXPECT_EQ(view.take(), (Calls{"sound turn-step", "outline 7 yellow xor", "outline 7 yellow xor"}));
    puzzle.TurnSelectedPiece(-1);
    EXPECT_EQ(puzzle.placement(kParallelogram).orientation, start);
    puzzle.MirrorSelectedPiece();
    EXPECT_EQ(puzzle.placement(kParallelogram).orientation, MirrorOrientation(start));
    // Any other piece has no mirror image of its own.
    EXPECT_TRUE(puzzle.DropSelectedPiece());
    puzzle.LiftPiece(1);
    const int triangle = puzzle.placement(1).orientation;
    puzzle.MirrorSelectedPiece();
    EXPECT_EQ(puzzle.placement(1).orientation, triangle);
}

TEST_F(Gestures, ARefusedKeyPutDownFlashesAndKeepsThePiece) {
    puzzle.LiftPiece(1);
    // Onto the square at home: cells overlap.
    for (int step = 0; step < 60; ++step)
        puzzle.NudgeSelectedPiece(-1, 0);
    puzzle.NudgeSelectedPiece(0, 2);
    view.take();
    EXPECT_FALSE(puzzle.DropSelectedPiece());
    EXPECT_EQ(view.take(), (Calls{"sound refused", "flash 1"}));
    EXPECT_EQ(puzzle.selectedPiece(), 1);
    // The next-piece key does not leave it there either.
    puzzle.LiftNextPiece();
    EXPECT_EQ(puzzle.selectedPiece(), 1);
}

TEST_F(Gestures, KeysDoNothingOnceTheFigureIsDone) {
    for (int k = 0; k < 7; ++k)
        puzzle.TipBtnClick();
    view.take();
    puzzle.LiftNextPiece();
    puzzle.LiftPiece(3);
    puzzle.TurnSelectedPiece(1);
    EXPECT_EQ(puzzle.selectedPiece(), 0);
    EXPECT_TRUE(view.take().empty());
}
