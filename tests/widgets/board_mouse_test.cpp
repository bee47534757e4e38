// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse on the board as the player uses it: presses of each button, double clicks, drags that
// leave the board, the cursor over the lifted piece, and a board too small to play on. Run at
// device pixel ratio 1 and 2: positions are always the board's logical pixels.
#include "board_support.h"

#include <QWheelEvent>

#include <QtTest>

using namespace tangram;
using namespace tangram::test;

class TestBoardMouse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cursorFollowsTheHitZoneOfTheLiftedPiece();
    void doubleClickIsASecondPress();
    void eachButtonDoesItsOwnThing();
    void dragPastTheBoardEdgeKeepsThePieceOnTheBoard();
    void releaseChangesNothing();
    void tinyBoardIgnoresTheMouseAndStillPaints();
    void newCellSizeRedrawsAtTheNextPaint();
    void keysPlayAFigureToTheEnd();
    void wheelTurnsTheLiftedPieceAStepPerNotch();
    void refusedPutDownFlashesAndLeavesThePictureAsItWas();
};

void TestBoardMouse::cursorFollowsTheHitZoneOfTheLiftedPiece() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    QCOMPARE(h.board.cursor().shape(), Qt::PointingHandCursor);
    // With nothing lifted the cursor keeps its shape.
    moveTo(h.board, centrePixel(h.puzzle, 6), Qt::NoButton);
    QCOMPARE(h.board.cursor().shape(), Qt::PointingHandCursor);

    const QPoint grip = centrePixel(h.puzzle, 6);
    pressAt(h.board, grip);
    releaseAt(h.board, grip);
    QCOMPARE(h.puzzle.selectedPiece(), 6);
    const TPlacement lifted = h.puzzle.placement(6);

    moveTo(h.board, pixelInZone(h.puzzle, 6, HitZone::Move), Qt::NoButton);
    QCOMPARE(h.board.boardCursor(), BoardCursor::Move);
    QCOMPARE(h.board.cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(h.board.cursor().hotSpot(), QPoint(15, 15));
    const qint64 moveKey = h.board.cursor().bitmap().cacheKey();

    moveTo(h.board, pixelInZone(h.puzzle, 6, HitZone::Turn), Qt::NoButton);
    QCOMPARE(h.board.boardCursor(), BoardCursor::Turn);
    QCOMPARE(h.board.cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(h.board.cursor().hotSpot(), QPoint(15, 15));
    QVERIFY(h.board.cursor().bitmap().cacheKey() != moveKey);

    moveTo(h.board, gridPixel(110, 75, 5), Qt::NoButton);
    QCOMPARE(h.board.boardCursor(), BoardCursor::Hand);
    QCOMPARE(h.board.cursor().shape(), Qt::PointingHandCursor);
    // Moving without the button never moves the piece.
    QCOMPARE(h.puzzle.placement(6), lifted);
}

void TestBoardMouse::doubleClickIsASecondPress() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    const QPoint at = pixelInZone(h.puzzle, 4, HitZone::Turn);
    pressAt(h.board, at);
    releaseAt(h.board, at);
    sendMouse(h.board, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    releaseAt(h.board, at);
    // The second press lands on the lifted piece: it only sets the drag mode again.
    QCOMPARE(h.puzzle.selectedPiece(), 4);
    QCOMPARE(h.puzzle.dragMode(), HitZone::Turn);
    QCOMPARE(h.sounds, (std::vector<SoundEffect>{SoundEffect::PickUp}));

    // A double click on empty ground puts the piece down with the first press; the second
    // press finds nothing to lift.
    const QPoint ground = gridPixel(110, 75, 5);
    pressAt(h.board, ground);
    releaseAt(h.board, ground);
    sendMouse(h.board, QEvent::MouseButtonDblClick, ground, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(h.puzzle.selectedPiece(), 0);
    QCOMPARE(h.sounds, (std::vector<SoundEffect>{SoundEffect::PickUp, SoundEffect::Drop}));
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
}

void TestBoardMouse::eachButtonDoesItsOwnThing() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    const QPoint onParallelogram = centrePixel(h.puzzle, 7);
    // Right: nothing is lifted, so nothing happens.
    pressAt(h.board, onParallelogram, Qt::RightButton);
    QCOMPARE(h.puzzle.selectedPiece(), 0);
    // Middle lifts like left.
    pressAt(h.board, onParallelogram, Qt::MiddleButton);
    QCOMPARE(h.puzzle.selectedPiece(), 7);
    // Right mirrors the lifted parallelogram: orientation 0 becomes 16.
    pressAt(h.board, onParallelogram, Qt::RightButton);
    QCOMPARE(int(h.puzzle.placement(7).orientation), 16);
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
    // Other buttons are not the game's.
    const QImage before = h.board.backBuffer().copy();
    pressAt(h.board, gridPixel(110, 75, 5), Qt::BackButton);
    QCOMPARE(h.puzzle.selectedPiece(), 7);
    QCOMPARE(h.board.backBuffer(), before);
}

void TestBoardMouse::dragPastTheBoardEdgeKeepsThePieceOnTheBoard() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    const QPoint grip = pixelInZone(h.puzzle, 5, HitZone::Move);
    pressAt(h.board, grip);
    QCOMPARE(h.puzzle.dragMode(), HitZone::Move);
    // The widget keeps the pointer while the button is held, so positions leave the board;
    // steps that stay on the board move the piece, the others are refused.
    int moves = 0;
    for (const QPoint& at :
         {grip + QPoint(-60, -20), QPoint(-40, -30), grip + QPoint(100, -100), QPoint(2000, 2000),
          QPoint(605, 405), QPoint(-1, -1), grip + QPoint(150, -50)}) {
        const TPlacement before = h.puzzle.placement(5);
        moveTo(h.board, at, Qt::LeftButton);
        const TPlacement p = h.puzzle.placement(5);
        moves += p == before ? 0 : 1;
        QVERIFY(PieceInBounds(5, p.column, p.row, p.orientation));
        QCOMPARE(differencesFromFullRepaint(h.board), 0);
    }
    QCOMPARE(moves, 3);
    // A step that would take a stamp off the board is refused as a whole.
    const TPlacement before = h.puzzle.placement(5);
    moveTo(h.board, QPoint(-300, -300), Qt::LeftButton);
    QCOMPARE(h.puzzle.placement(5), before);
}

void TestBoardMouse::releaseChangesNothing() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    const QPoint grip = pixelInZone(h.puzzle, 3, HitZone::Move);
    pressAt(h.board, grip);
    moveTo(h.board, grip + QPoint(20, 10), Qt::LeftButton);
    const TPlacement moved = h.puzzle.placement(3);
    const QImage before = h.board.backBuffer().copy();
    releaseAt(h.board, grip + QPoint(20, 10));
    moveTo(h.board, grip + QPoint(40, 30), Qt::NoButton);
    QCOMPARE(h.puzzle.selectedPiece(), 3);
    QCOMPARE(h.puzzle.placement(3), moved);
    QCOMPARE(h.board.backBuffer(), before);
}

void TestBoardMouse::tinyBoardIgnoresTheMouseAndStillPaints() {
    // A window too small for cell size 1: the board is one pixel and the game ignores it.
    BoardHarness h(0);
    QCOMPARE(h.board.size(), QSize(1, 1));
    QVERIFY(!h.board.backBuffer().isNull());
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton}) {
        pressAt(h.board, QPoint(0, 0), button);
        moveTo(h.board, QPoint(0, 0), Qt::LeftButton);
        moveTo(h.board, QPoint(-5, 3), Qt::LeftButton);
    }
    QCOMPARE(h.puzzle.selectedPiece(), 0);
    QVERIFY(h.sounds.empty());
    h.board.DrawPlacedPieces(kBlack, kGrey);
    h.board.DrawPieceOutline(1, kYellow, true);
    h.board.DrawPieceOutline(1, kYellow, true);
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
    QVERIFY(!h.board.grab().isNull());
}

void TestBoardMouse::newCellSizeRedrawsAtTheNextPaint() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    pressAt(h.board, centrePixel(h.puzzle, 6));
    QCOMPARE(h.puzzle.selectedPiece(), 6);

    // The window grows: the main window sets the new cell size and the board's new size; a
    // primitive arriving before the next paint must not draw at the old scale.
    h.board.resize(kColumns * 6 + 1, kRows * 6 + 1);
    h.puzzle.SetCellSize(6, 6);
    const QImage stale = h.board.backBuffer().copy();
    h.board.DrawPieceOutline(6, kYellow, true);
    QCOMPARE(h.board.backBuffer(), stale);

    h.board.grab(); // paints, which rebuilds the buffer from the state
    const QImage& buffer = h.board.backBuffer();
    QCOMPARE(buffer.size(), QSize(727, 487) * h.board.devicePixelRatioF());
    for (const QPoint& v : vertexPixels(h.puzzle, 6)) {
        QCOMPARE(logicalPixel(buffer, v.x(), v.y()), xorYellow(rgb(kSilver)));
    }
    const QPoint square = centrePixel(h.puzzle, 1);
    QCOMPARE(logicalPixel(buffer, square.x(), square.y()), rgb(kBlack));
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
}

void TestBoardMouse::keysPlayAFigureToTheEnd() {
    // The figure is the separated pieces with the square one cell off to the left; the player
    // takes the square with Tab, moves it right with an arrow and puts it down with Enter.
    BoardHarness h;
    TPatternRecord figure = separatedFigure();
    h.puzzle.SetUpPattern(figure, h.status, h.modified);
    TPatternRecord laid = figure;
    laid[kSquare - 1].column = static_cast<std::uint8_t>(laid[kSquare - 1].column - 1);
    h.puzzle.LayPieces(laid);
    h.board.boxPaint();
    h.board.setFocus();
    for (int k = 0; k < kSquare; ++k)
        QTest::keyClick(&h.board, Qt::Key_Tab);
    QCOMPARE(h.puzzle.selectedPiece(), kSquare);
    QTest::keyClick(&h.board, Qt::Key_Right);
    QCOMPARE(int(h.puzzle.placement(kSquare).column), int(figure[kSquare - 1].column));
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
    QTest::keyClick(&h.board, Qt::Key_Return);
    QCOMPARE(h.puzzle.playState(), PlayState::Solved);
    QCOMPARE(h.wonPages, 1);
    QCOMPARE(h.sounds.back(), SoundEffect::Solved);
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
}

void TestBoardMouse::wheelTurnsTheLiftedPieceAStepPerNotch() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    const QPoint on = centrePixel(h.puzzle, 4);
    auto wheel = [&](int delta) {
        QWheelEvent event(on, h.board.mapToGlobal(on), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&h.board, &event);
    };
    wheel(120); // nothing lifted: nothing turns
    QCOMPARE(int(h.puzzle.placement(4).orientation), 0);
    pressAt(h.board, on);
    wheel(120);
    QCOMPARE(int(h.puzzle.placement(4).orientation), 1);
    QCOMPARE(h.sounds.back(), SoundEffect::TurnStep);
    wheel(60); // half a notch of a smooth wheel
    QCOMPARE(int(h.puzzle.placement(4).orientation), 1);
    wheel(60);
    QCOMPARE(int(h.puzzle.placement(4).orientation), 2);
    wheel(-360);
    QCOMPARE(int(h.puzzle.placement(4).orientation), 15);
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
}

void TestBoardMouse::refusedPutDownFlashesAndLeavesThePictureAsItWas() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.show();
    h.board.boxPaint();
    // Lift the small triangle and carry it onto the medium triangle next to it.
    h.board.setFocus();
    h.puzzle.LiftPiece(1);
    for (int k = 0; k < 20; ++k)
        h.puzzle.NudgeSelectedPiece(1, 0);
    const QImage before = h.board.grab().toImage();
    const QImage bufferBefore = h.board.backBuffer().copy();
    QTest::keyClick(&h.board, Qt::Key_Space);
    QCOMPARE(h.sounds.back(), SoundEffect::Refused);
    QCOMPARE(h.puzzle.selectedPiece(), 1);
    QCOMPARE(h.board.flashingPiece(), 1);
    // The outline shows in red while it flashes.
    const QImage flashing = h.board.grab().toImage();
    int red = 0;
    for (const QPoint& corner : vertexPixels(h.puzzle, 1))
        red += logicalPixel(flashing, corner.x(), corner.y()) == rgb(kRed) ? 1 : 0;
    QVERIFY(red > 0);
    QCOMPARE(h.board.backBuffer(), bufferBefore);
    QTRY_COMPARE_WITH_TIMEOUT(h.board.flashingPiece(), 0, 2000);
    QCOMPARE(h.board.grab().toImage(), before);
}

QTEST_MAIN(TestBoardMouse)
#include "board_mouse_test.moc"
