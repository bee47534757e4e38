// SPDX-License-Identifier: GPL-3.0-or-later
// Where the board goes in the main window and what is painted around it: the cell size and the
// board's rectangle for window sizes from tiny to wide, and the tiles and black frames of the
// background, pixel by pixel.
#include "ui/boardlayout.h"

#include <QPainter>
#include <QtTest>

using namespace tangram;

namespace {

// A recognisable tile: every pixel's colour encodes its position in the tile.
QPixmap codedTile() {
    QImage image(100, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            image.setPixel(x, y, qRgb(x + 100, y + 100, 7));
        }
    }
    return QPixmap::fromImage(image);
}

QRgb tilePixel(int x, int y) {
    return qRgb(x % 100 + 100, y % 100 + 100, 7);
}

QImage background(int width, int height, const QRect& box, const QPixmap& tile) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    QPainter painter(&image);
    paintFormBackground(painter, width, height, kToolPanelHeight, box, tile);
    return image;
}

bool isBlack(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & RGB_MASK) == 0;
}

} // namespace

class TestBoardLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cellSizeAndBoxFollowTheWindow_data();
    void cellSizeAndBoxFollowTheWindow();
    void tilesCoverTheWholeClientArea();
    void framesLieAroundTheBoard();
    void tinyWindowPaintsSafely();
    void missingTileLeavesPlainGrey();
};

void TestBoardLayout::cellSizeAndBoxFollowTheWindow_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<QRect>("box");
    QTest::newRow("683x454") << 683 << 454 << 5 << QRect(39, 41, 606, 406);
    // Wide: the height decides, and the board is centred horizontally.
    QTest::newRow("1000x500") << 1000 << 500 << 5 << QRect(197, 64, 606, 406);
    // One pixel beyond 121 and 81 cells, to show the last grid lines.
    QTest::newRow("cell 6") << 738 << 531 << 6 << QRect(6, 39, 727, 487);
    QTest::newRow("tall") << 738 << 1000 << 6 << QRect(6, 273, 727, 487);
    QTest::newRow("1920x1080") << 1920 << 1080 << 12 << QRect(234, 70, 1453, 973);
    // Too narrow or too low for cell size 1: a one-pixel board in the middle.
    QTest::newRow("narrow") << 122 << 500 << 0 << QRect(61, 266, 1, 1);
    QTest::newRow("low") << 500 << 115 << 0 << QRect(250, 74, 1, 1);
    QTest::newRow("empty") << 0 << 0 << 0 << QRect(0, 17, 1, 1);
    // Lower than the toolbar: the cell size must not turn negative.
    QTest::newRow("below toolbar") << 300 << -100 << 0 << QRect(150, -33, 1, 1);
}

void TestBoardLayout::cellSizeAndBoxFollowTheWindow() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, cellSize);
    QFETCH(QRect, box);
    const BoardLayout layout = computeBoardLayout(width, height, kToolPanelHeight);
    QCOMPARE(layout.cellSize, cellSize);
    QCOMPARE(layout.box, box);
}

void TestBoardLayout::tilesCoverTheWholeClientArea() {
    const BoardLayout layout = computeBoardLayout(683, 454, kToolPanelHeight);
    const QImage image = background(683, 454, layout.box, codedTile());
    // Tiles start at the top-left corner of the client area, under the toolbar too, and the
    // last column and row of tiles is cut off by the window's edge.
    for (const QPoint& p : {QPoint(0, 0), QPoint(99, 20), QPoint(100, 0), QPoint(150, 250),
                            QPoint(681, 452), QPoint(5, 300), QPoint(642, 100)}) {
        QCOMPARE(image.pixel(p) & RGB_MASK, tilePixel(p.x(), p.y()) & RGB_MASK);
    }
    // Only tile and frame pixels: the marker colour the image started with is gone.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QVERIFY((image.pixel(x, y) & RGB_MASK) != (qRgb(255, 0, 255) & RGB_MASK));
        }
    }
}

void TestBoardLayout::framesLieAroundTheBoard() {
    // Board at 39, 41, 606 x 406: L = 39, T = 41, right edge 645, bottom edge 447.
    const BoardLayout layout = computeBoardLayout(683, 454, kToolPanelHeight);
    const QImage image = background(683, 454, layout.box, codedTile());
    const int midY = 200;
    const int midX = 300;
    // Columns left of the board, from the window edge inwards: window frame, tile, outer thin
    // frame (L - 7), tile, three-pixel frame (L - 5 .. L - 3), tile (L - 2), inner frame (L - 1).
    const std::vector<bool> leftColumns = {true, false, true, false, true, true, true, false, true};
    const std::vector<int> leftX = {0, 31, 32, 33, 34, 35, 36, 37, 38};
    for (std::size_t i = 0; i < leftX.size(); ++i) {
        QVERIFY2(isBlack(image, leftX[i], midY) == leftColumns[i],
                 qPrintable(QString("column %1").arg(leftX[i])));
    }
    // Right of the board (L + BW = 645): inner frame 645, tile 646, wide frame 647..649,
    // tile 650, outer frame 651, tile, window frame 682.
    const std::vector<int> rightX = {645, 646, 647, 648, 649, 650, 651, 652, 681, 682};
    const std::vector<bool> rightColumns = {true,  false, true,  true,  true,
                                            false, true,  false, false, true};
    for (std::size_t i = 0; i < rightX.size(); ++i) {
        QVERIFY2(isBlack(image, rightX[i], midY) == rightColumns[i],
                 qPrintable(QString("column %1").arg(rightX[i])));
    }
    // Rows above the board (T = 41): window frame at the toolbar's edge 33, outer frame 34,
    // tile 35, wide frame 36..38, tile 39, inner frame 40.
    const std::vector<int> topY = {32, 33, 34, 35, 36, 37, 38, 39, 40};
    const std::vector<bool> topRows = {false, true, true, false, true, true, true, false, true};
    for (std::size_t i = 0; i < topY.size(); ++i) {
        QVERIFY2(isBlack(image, midX, topY[i]) == topRows[i],
                 qPrintable(QString("row %1").arg(topY[i])));
    }
    // Below (T + BH = 447): inner frame 447, tile 448, wide frame 449..451 (its line is row
    // 450), tile 452; the outer frame and the window frame share the last row, 453.
    const std::vector<int> bottomY = {447, 448, 449, 450, 451, 452, 453};
    const std::vector<bool> bottomRows = {true, false, true, true, true, false, true};
    for (std::size_t i = 0; i < bottomY.size(); ++i) {
        QVERIFY2(isBlack(image, midX, bottomY[i]) == bottomRows[i],
                 qPrintable(QString("row %1").arg(bottomY[i])));
    }
    // The frames are closed at the corners.
    QVERIFY(isBlack(image, 32, 34));
    QVERIFY(isBlack(image, 34, 36));
    QVERIFY(isBlack(image, 38, 40));
    QVERIFY(isBlack(image, 649, 451));
}

void TestBoardLayout::tinyWindowPaintsSafely() {
    const BoardLayout layout = computeBoardLayout(100, 60, kToolPanelHeight);
    QCOMPARE(layout.cellSize, 0);
    const QImage image = background(100, 60, layout.box, codedTile());
    const QPoint board = layout.box.topLeft();
    // The inner frame hugs the one-pixel board.
    QVERIFY(isBlack(image, board.x() - 1, board.y()));
    QVERIFY(isBlack(image, board.x() + 1, board.y()));
    QVERIFY(isBlack(image, board.x(), board.y() - 1));
    QVERIFY(isBlack(image, board.x(), board.y() + 1));
}

void TestBoardLayout::missingTileLeavesPlainGrey() {
    const BoardLayout layout = computeBoardLayout(683, 454, kToolPanelHeight);
    const QImage image = background(683, 454, layout.box, QPixmap());
    const QRgb grey = image.pixel(10, 10);
    QCOMPARE(qRed(grey), qGreen(grey));
    QCOMPARE(qGreen(grey), qBlue(grey));
    QVERIFY(qRed(grey) > 100);
    QCOMPARE(image.pixel(300, 200), grey);
    QVERIFY(isBlack(image, 38, 200));
}

QTEST_MAIN(TestBoardLayout)
#include "board_layout_test.moc"
