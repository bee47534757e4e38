// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using namespace tangram;

namespace {

const QRect kFullHd(0, 0, 1920, 1040); // 1920 x 1080 less a 40-pixel panel at the bottom

WindowPlacement normalAt(const QRect& bounds) {
    return WindowPlacement::fromWindow(bounds, Qt::WindowNoState);
}

TEST(PlacementRecord, FormatsSevenFieldsWithExclusiveRightAndBottom) {
    EXPECT_EQ(formatPlacementRecord(normalAt(QRect(100, 50, 691, 481))), "200,0,1,100,50,791,531");
    EXPECT_EQ(formatPlacementRecord(normalAt(QRect(-30, -5, 10, 20))), "200,0,1,-30,-5,-20,15");
}

TEST(PlacementRecord, ParsesWhatItFormats) {
    const WindowPlacement placements[] = {
        normalAt(QRect(100, 50, 691, 481)),
        WindowPlacement::fromWindow(QRect(0, 0, 800, 600), Qt::WindowMaximized),
        WindowPlacement::fromWindow(QRect(1920, 10, 640, 480),
                                    Qt::WindowMinimized | Qt::WindowMaximized),
        normalAt(QRect(-500, -400, 1, 1)),
    };
    for (const WindowPlacement& p : placements) {
        const std::optional<WindowPlacement> back = parsePlacementRecord(formatPlacementRecord(p));
        ASSERT_TRUE(back.has_value()) << formatPlacementRecord(p).toStdString();
        EXPECT_EQ(*back, p);
    }
    const std::optional<WindowPlacement> spaced = parsePlacementRecord(" 200, 2 ,3,1,2,3,4 ");
    ASSERT_TRUE(spaced.has_value());
    EXPECT_EQ(spaced->flags, 2);
    EXPECT_EQ(spaced->showCommand, 3);
    EXPECT_EQ(spaced->normalBounds, QRect(1, 2, 2, 2));
}

TEST(PlacementRecord, WindowStateDecidesShowCommandAndMaximisedOpening) {
    const QRect b(10, 10, 300, 200);
    const WindowPlacement normal = WindowPlacement::fromWindow(b, Qt::WindowNoState);
    const WindowPlacement maximized = WindowPlacement::fromWindow(b, Qt::WindowMaximized);
    const WindowPlacement minimized = WindowPlacement::fromWindow(b, Qt::WindowMinimized);
    const WindowPlacement minimizedFromMax =
        WindowPlacement::fromWindow(b, Qt::WindowMinimized | Qt::WindowMaximized);

    EXPECT_EQ(normal.showCommand, 1);
    EXPECT_EQ(maximized.showCommand, 3);
    EXPECT_EQ(minimized.showCommand, 2);
    EXPECT_EQ(minimized.flags, 0);
    EXPECT_EQ(minimizedFromMax.flags, 2);

    EXPECT_FALSE(normal.opensMaximized());
    EXPECT_TRUE(maximized.opensMaximized());
    EXPECT_FALSE(minimized.opensMaximized()); // reopens normal, never minimised
    EXPECT_TRUE(minimizedFromMax.opensMaximized());
}

TEST(PlacementRecord, DamagedRecordsAreInvalid) {
    const char* damaged[] = {
        "",
        "garbage",
        "200,0,1,100,50,791",                   // six fields
        "200,0,1,100,50,791,531,9",             // eight fields
        "201,0,1,100,50,791,531",               // wrong format marker
        "200,0,1,100,50,abc,531",               // not an integer
        "200,0,1,100,50,791.5,531",             // not an integer
        "200,0,1,100,50,,531",                  // empty field
        "200;0;1;100;50;791;531",               // wrong separator
        "200,0,1,100,50,100,531",               // zero width
        "200,0,1,100,531,791,50",               // negative height
        "200,0,1,-2000000000,0,2000000000,100", // width beyond int: damage
        "200,0,1,99999999,0,100000000,100",     // far beyond any screen
    };
    for (const char* text : damaged)
        EXPECT_FALSE(parsePlacementRecord(QString::fromLatin1(text)).has_value()) << text;
}

TEST(WindowGeometry, WithoutRecordCentresTheDesignedSizeOnThePrimaryScreen) {
    EXPECT_EQ(decideWindowGeometry(std::nullopt, {kFullHd}), QRect(614, 279, 691, 481));
    // Available area not at the origin (a panel on the top and on the left).
    EXPECT_EQ(decideWindowGeometry(std::nullopt, {QRect(60, 30, 1220, 994), kFullHd}),
              QRect(60 + 264, 30 + 256, 691, 481));
    // A screen smaller than the designed size: the window fills it.
    EXPECT_EQ(decideWindowGeometry(std::nullopt, {QRect(0, 0, 640, 400)}), QRect(0, 0, 640, 400));
}

TEST(WindowGeometry, RecordOnScreenIsKept) {
    const QRect bounds(100, 50, 900, 700);
    EXPECT_EQ(decideWindowGeometry(normalAt(bounds), {kFullHd}), bounds);
    EXPECT_EQ(decideWindowGeometry(normalAt(kFullHd), {kFullHd}), kFullHd);
}

TEST(WindowGeometry, EdgesBeyondTheScreenMoveTheWindowBackKeepingItsSize) {
    // Right edge beyond the screen: moved left to end at the screen's right edge.
    EXPECT_EQ(decideWindowGeometry(normalAt(QRect(1500, 100, 691, 481)), {kFullHd}),
              QRect(1920 - 691, 100, 691, 481));
    // Bottom edge beyond: moved up.
    EXPECT_EQ(decideWindowGeometry(normalAt(QRect(100, 900, 691, 481)), {kFullHd}),
              QRect(100, 1040 - 481, 691, 481));
    // Left and top before the screen: moved right and down.
    EXPECT_EQ(decideWindowGeometry(normalAt(QRect(-300, -200, 691, 481)), {kFullHd}),
              QRect(0, 0, 691, 481));
}

TEST(WindowGeometry, RecordLargerThanTheScreenShrinksToIt) {
    const QRect laptop(0, 0, 1366, 728);
    EXPECT_EQ(decideWindowGeometry(normalAt(QRect(200, 100, 1900, 1000)), {laptop}), laptop);
}

TEST(WindowGeometry, RecordFarOffScreenIsPulledOntoTheNearestScreen) {
    const QRect r = decideWindowGeometry(normalAt(QRect(50000, 300, 800, 600)), {kFullHd});
    EXPECT_EQ(r, QRect(1920 - 800, 300, 800, 600));
    const QRect up = decideWindowGeometry(normalAt(QRect(-90000, -90000, 800, 600)), {kFullHd});
    EXPECT_EQ(up, QRect(0, 0, 800, 600));
}

TEST(WindowGeometry, SecondMonitorIsRespectedAndAGoneMonitorIsReplaced) {
    const QRect right(1920, 0, 1280, 1024);
    const QRect onRight(2200, 100, 800, 600);
    EXPECT_EQ(decideWindowGeometry(normalAt(onRight), {kFullHd, right}), onRight);
    // Mostly on the right monitor, partly on the left: kept whole on the right one.
    EXPECT_EQ(decideWindowGeometry(normalAt(QRect(1800, 100, 800, 600)), {kFullHd, right}),
              QRect(1920, 100, 800, 600));
    // The right monitor is unplugged: the window comes back to the remaining screen.
    EXPECT_EQ(decideWindowGeometry(normalAt(onRight), {kFullHd}), QRect(1120, 100, 800, 600));
}

TEST(WindowGeometry, WithoutScreensTheRecordOrTheDesignedSizeStands) {
    EXPECT_EQ(decideWindowGeometry(normalAt(QRect(5, 6, 7, 8)), {}), QRect(5, 6, 7, 8));
    EXPECT_EQ(decideWindowGeometry(std::nullopt, {}), QRect(0, 0, 691, 481));
}

TEST(WindowGeometry, AvailableScreensStartWithThePrimary) {
    const QList<QRect> screens = availableScreenGeometries();
    ASSERT_FALSE(screens.isEmpty());
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    EXPECT_EQ(screens.first(), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(screens.size(), QGuiApplication::screens().size());
    // A damaged record on the real screens still ends wholly on one of them.
    const QRect r =
        decideWindowGeometry(parsePlacementRecord("200,0,1,-5000,-5000,-4000,-4500"), screens);
    EXPECT_TRUE(screens.first().contains(r));
}

// The title bar and the border count: at scale 2 on a 1024 x 768 screen (512 x 384 logical)
// a stored window whose client area starts at the top would put its title above the screen.
TEST(WindowGeometry, TheWholeFrameFitsOnTheScreen) {
    const QRect small(0, 0, 512, 384);
    const QMargins frame(4, 28, 4, 4);
    const QRect fitted = decideWindowGeometry(normalAt(QRect(0, 0, 683, 454)), {small},
                                              QSize(683, 454), frame);
    EXPECT_TRUE(small.contains(fitted.marginsAdded(frame)));
    EXPECT_EQ(fitted.top(), 28);
    // A first start centres the client with its frame on the screen.
    const QRect first = decideWindowGeometry(std::nullopt, {small}, QSize(683, 454), frame);
    EXPECT_TRUE(small.contains(first.marginsAdded(frame)));
    // On a large screen a stored place stays where it was.
    EXPECT_EQ(decideWindowGeometry(normalAt(QRect(300, 200, 683, 454)), {kFullHd},
                                   QSize(683, 454), frame),
              QRect(300, 200, 683, 454));
}

TEST(PreviewPlacement, AStoredPlaceCountsOnlyWhileTheWholeWindowIsOnAScreen) {
    const QSize size(241, 160);
    const QMargins frame(4, 28, 4, 4);
    const QRect main(100, 100, 700, 500);
    const QRect board(110, 140, 680, 450);
    EXPECT_EQ(decidePreviewPosition(QPoint(1000, 300), size, frame, main, board, {kFullHd}),
              QPoint(1000, 300));
    // 29 pixels of it would show: not good enough.
    const QPoint partly(1920 - 29, 300);
    EXPECT_NE(decidePreviewPosition(partly, size, frame, main, board, {kFullHd}), partly);
    // A monitor since removed.
    const QPoint gone(2500, 300);
    const QPoint placed = decidePreviewPosition(gone, size, frame, main, board, {kFullHd});
    EXPECT_TRUE(kFullHd.contains(QRect(placed, size).marginsAdded(frame)));
    // The second screen of two keeps it.
    const QRect second(1920, 0, 1280, 1024);
    EXPECT_EQ(decidePreviewPosition(gone, size, frame, main, board, {kFullHd, second}), gone);
}

TEST(PreviewPlacement, BesideTheMainWindowOrInTheBoardsCorner) {
    const QSize size(241, 160);
    const QMargins frame(4, 28, 4, 4);
    // Room on the right.
    const QRect main(100, 100, 700, 500);
    const QPoint right = decidePreviewPosition(std::nullopt, size, frame, main,
                                               main.adjusted(10, 40, -10, -10), {kFullHd});
    EXPECT_GT(right.x() - frame.left(), main.right());
    EXPECT_TRUE(kFullHd.contains(QRect(right, size).marginsAdded(frame)));
    // No room right, room left.
    const QRect atRight(1100, 100, 800, 500);
    const QPoint left = decidePreviewPosition(std::nullopt, size, frame, atRight,
                                              atRight.adjusted(10, 40, -10, -10), {kFullHd});
    EXPECT_LT(QRect(left, size).marginsAdded(frame).right(), atRight.left());
    // A small screen the main window fills: inside the board's top-right corner, below the
    // toolbar, all of it on the board.
    const QRect small(0, 0, 512, 384);
    const QRect filled(0, 0, 512, 384);
    const QRect board(20, 40, 470, 330);
    const QPoint corner = decidePreviewPosition(std::nullopt, size, frame, filled, board, {small});
    const QRect window = QRect(corner, size).marginsAdded(frame);
    EXPECT_TRUE(board.contains(window));
    EXPECT_EQ(window.right(), board.right());
    EXPECT_EQ(window.top(), board.top());
}

TEST(WonPagePlacement, NeverCoversTheFigure) {
    const QRect window(0, 0, 1000, 700);
    const QSize page(270, 130);
    for (const QRect& figure : {QRect(400, 300, 200, 150), QRect(20, 20, 300, 300),
                                QRect(600, 450, 380, 240), QRect(100, 200, 800, 300)}) {
        const QRect placed(wonPagePosition(figure, page, window), page);
        EXPECT_TRUE(window.contains(placed)) << figure.x() << "," << figure.y();
        EXPECT_FALSE(placed.intersects(figure)) << figure.x() << "," << figure.y();
    }
    // A figure that fills the window leaves only the top, over the toolbar.
    const QRect whole(0, 0, 1000, 700);
    EXPECT_EQ(wonPagePosition(whole, page, window).y(), 0);
}

} // namespace
