// SPDX-License-Identifier: GPL-3.0-or-later
// The board's pictures, checked pixel by pixel on its back buffer and on what reaches the
// screen: the colours of every play state, the yellow XOR outline of the lifted piece, and the
// rule that the drawing done step by step during play equals a full repaint from the state.
// Run at device pixel ratio 1 and, through QT_SCALE_FACTOR, at 2.
#include "board_support.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

using namespace tangram;
using namespace tangram::test;

class TestBoardDrawing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placedPiecesAreBlackWithGreyEdgesOnSilver();
    void onlyTheGameColoursAppear();
    void paintCopiesTheBuffer();
    void liftedPieceIsOnlyAYellowXorOutline();
    void xorOutlineDrawnTwiceRestoresEveryPixel();
    void draggingEqualsAFullRepaint();
    void turningAndMirroringEqualAFullRepaint();
    void droppedPieceIsFilledAgain();
    void solvedFigureTurnsGreen();
    void seventhHelpTurnsPiecesRed();
    void screenShowsTheBufferAfterEachStep();
    void everyOutlineIsClosedAndCoversItsVertices();
    void everyFilledPieceIsEdgedAllRound();
};

namespace {

// Vertices in logical pixels of a shape in an orientation, reference point at grid (15, 15).
std::vector<QPoint> shapeVertices(int shape, int orientation, int cell) {
    std::vector<QPoint> points;
    for (int v = 0; v < VertexCount(shape); ++v) {
        const GridOffset o = OutlineVertex(shape, v, orientation);
        points.push_back(gridPixel(15 + o.x, 15 + o.y, cell));
    }
    return points;
}

QImage silverImage(int cell) {
    const qreal dpr = qApp->devicePixelRatio();
    QImage image(QSize(30 * cell + 1, 30 * cell + 1) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(rgb(kSilver));
    return image;
}

// Number of 8-connected groups among the pixels for which `inSet` holds.
template <typename InSet> int groupCount(const QImage& image, InSet inSet) {
    std::vector<char> seen(static_cast<std::size_t>(image.width() * image.height()), 0);
    int groups = 0;
    std::vector<QPoint> stack;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!inSet(x, y) || seen[static_cast<std::size_t>(y * image.width() + x)]) {
                continue;
            }
            ++groups;
            stack.push_back(QPoint(x, y));
            seen[static_cast<std::size_t>(y * image.width() + x)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = p.x() + dx;
                        const int ny = p.y() + dy;
                        if (nx < 0 || ny < 0 || nx >= image.width() || ny >= image.height() ||
                            !inSet(nx, ny) ||
                            seen[static_cast<std::size_t>(ny * image.width() + nx)]) {
                            continue;
                        }
                        seen[static_cast<std::size_t>(ny * image.width() + nx)] = 1;
                        stack.push_back(QPoint(nx, ny));
                    }
                }
            }
        }
    }
    return groups;
}

} // namespace

void TestBoardDrawing::placedPiecesAreBlackWithGreyEdgesOnSilver() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    const QImage& buffer = h.board.backBuffer();
    QCOMPARE(buffer.size(), QSize(606, 406) * h.board.devicePixelRatioF());
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const QPoint centre = centrePixel(h.puzzle, piece);
        QCOMPARE(logicalPixel(buffer, centre.x(), centre.y()), rgb(kBlack));
        for (const QPoint& v : vertexPixels(h.puzzle, piece)) {
            QCOMPARE(logicalPixel(buffer, v.x(), v.y()), rgb(kGrey));
        }
    }
    // Ground everywhere else, up to the last pixel column and row (grid line 121 and 81).
    QCOMPARE(logicalPixel(buffer, 0, 0), rgb(kSilver));
    QCOMPARE(logicalPixel(buffer, 605, 405), rgb(kSilver));
    QCOMPARE(logicalPixel(buffer, 300, 250), rgb(kSilver));
}

void TestBoardDrawing::onlyTheGameColoursAppear() {
    // No antialiasing: the pixel checks of the game rely on exact colours.
    BoardHarness h;
    h.board.boxPaint();
    QCOMPARE(coloursOf(h.board.backBuffer()),
             (std::set<QRgb>{rgb(kSilver), rgb(kBlack), rgb(kGrey)}));
}

void TestBoardDrawing::paintCopiesTheBuffer() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    const QImage shown = h.board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, h.board.backBuffer());
}

void TestBoardDrawing::liftedPieceIsOnlyAYellowXorOutline() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    const QPoint centre = centrePixel(h.puzzle, 6);
    pressAt(h.board, centre);
    QCOMPARE(h.puzzle.selectedPiece(), 6);
    const QImage& buffer = h.board.backBuffer();
    // Not filled: the ground shows through; the edge is silver XOR yellow.
    QCOMPARE(logicalPixel(buffer, centre.x(), centre.y()), rgb(kSilver));
    for (const QPoint& v : vertexPixels(h.puzzle, 6)) {
        QCOMPARE(logicalPixel(buffer, v.x(), v.y()), xorYellow(rgb(kSilver)));
    }
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
}

void TestBoardDrawing::xorOutlineDrawnTwiceRestoresEveryPixel() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    // Lift the square by its centre and drag it onto the parallelogram, so that its outline
    // crosses black, grey and silver pixels.
    const QPoint from = gridPixel(50, 65, 5);
    pressAt(h.board, from);
    moveTo(h.board, gridPixel(73, 63, 5), Qt::LeftButton);
    QCOMPARE(h.puzzle.placement(6), (TPlacement{73, 63, 0}));
    const QImage withOutline = h.board.backBuffer().copy();

    h.board.DrawPieceOutline(6, kYellow, true);
    const QImage withoutOutline = h.board.backBuffer().copy();
    h.board.DrawPieceOutline(6, kYellow, true);
    QCOMPARE(h.board.backBuffer(), withOutline);

    // Every pixel the outline changed is the yellow XOR of what lies beneath, over the ground
    // as well as over the black and grey of the piece beneath.
    std::set<QRgb> beneath;
    for (int y = 0; y < withOutline.height(); ++y) {
        for (int x = 0; x < withOutline.width(); ++x) {
            const QRgb below = withoutOutline.pixel(x, y) & RGB_MASK;
            const QRgb shown = withOutline.pixel(x, y) & RGB_MASK;
            if (below != shown) {
                QCOMPARE(shown, xorYellow(below));
                beneath.insert(below);
            }
        }
    }
    QCOMPARE(beneath, (std::set<QRgb>{rgb(kSilver), rgb(kBlack), rgb(kGrey)}));
    // The square's inside shows the parallelogram, not a fill.
    QCOMPARE(logicalPixel(withOutline, 73 * 5, 63 * 5), rgb(kBlack));
}

void TestBoardDrawing::draggingEqualsAFullRepaint() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    const QPoint grip = pixelInZone(h.puzzle, 4, HitZone::Move);
    QVERIFY(!grip.isNull());
    pressAt(h.board, grip);
    QCOMPARE(h.puzzle.dragMode(), HitZone::Move);
    // Across other pieces, one cell and several cells at a time, and past the board's edge.
    for (const QPoint& delta : {QPoint(-5, 0), QPoint(-40, 3), QPoint(-120, 30), QPoint(-200, 150),
                                QPoint(-900, 0), QPoint(30, 40)}) {
        moveTo(h.board, grip + delta, Qt::LeftButton);
        QCOMPARE(differencesFromFullRepaint(h.board), 0);
    }
    QVERIFY(h.puzzle.placement(4) != separatedFigure()[3]);
}

void TestBoardDrawing::turningAndMirroringEqualAFullRepaint() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    const QPoint grip = pixelInZone(h.puzzle, 7, HitZone::Turn);
    QVERIFY(!grip.isNull());
    pressAt(h.board, grip);
    QCOMPARE(h.puzzle.dragMode(), HitZone::Turn);
    const QPoint centre = gridPixel(75, 65, 5);
    for (int step = 1; step <= 8; ++step) {
        const qreal a = step * M_PI / 5;
        const QPoint at = centre + QPoint(qRound(40 * qCos(a)), qRound(-40 * qSin(a)));
        moveTo(h.board, at, Qt::LeftButton);
        QCOMPARE(differencesFromFullRepaint(h.board), 0);
    }
    QVERIFY(h.puzzle.placement(7).orientation != 0);
    const int before = h.puzzle.placement(7).orientation;
    pressAt(h.board, grip, Qt::RightButton);
    QCOMPARE(int(h.puzzle.placement(7).orientation), MirrorOrientation(before));
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
}

void TestBoardDrawing::droppedPieceIsFilledAgain() {
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.boxPaint();
    const QImage before = h.board.backBuffer().copy();
    pressAt(h.board, gridPixel(50, 65, 5));
    moveTo(h.board, gridPixel(52, 66, 5), Qt::LeftButton);
    releaseAt(h.board, gridPixel(52, 66, 5));
    pressAt(h.board, gridPixel(100, 75, 5)); // empty ground: a drop
    QCOMPARE(h.puzzle.selectedPiece(), 0);
    QCOMPARE(h.sounds.back(), SoundEffect::Drop);
    const QPoint centre = centrePixel(h.puzzle, 6);
    QCOMPARE(centre, gridPixel(52, 66, 5));
    QCOMPARE(logicalPixel(h.board.backBuffer(), centre.x(), centre.y()), rgb(kBlack));
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
    QVERIFY(h.board.backBuffer() != before);
}

void TestBoardDrawing::solvedFigureTurnsGreen() {
    BoardHarness h;
    const TPatternRecord figure = separatedFigure();
    h.puzzle.SetUpPattern(figure, h.status, h.modified);
    h.puzzle.LayPieces(figure);
    h.board.boxPaint();
    // Lift the square and put it back where it was: the figure is complete.
    pressAt(h.board, gridPixel(50, 65, 5));
    pressAt(h.board, gridPixel(100, 75, 5));
    QCOMPARE(int(h.puzzle.playState()), int(PlayState::Solved));
    QCOMPARE(h.wonPages, 1);
    for (int pass = 0; pass < 2; ++pass) { // as drawn by the success, then by a repaint
        const QImage& buffer = h.board.backBuffer();
        for (int piece = 1; piece <= kPieceCount; ++piece) {
            const QPoint centre = centrePixel(h.puzzle, piece);
            QCOMPARE(logicalPixel(buffer, centre.x(), centre.y()), rgb(kGreen));
            const QPoint v = vertexPixels(h.puzzle, piece).front();
            QCOMPARE(logicalPixel(buffer, v.x(), v.y()), rgb(kGrey));
        }
        QCOMPARE(coloursOf(buffer), (std::set<QRgb>{rgb(kSilver), rgb(kGreen), rgb(kGrey)}));
        h.board.boxPaint();
    }
}

void TestBoardDrawing::seventhHelpTurnsPiecesRed() {
    BoardHarness h;
    h.puzzle.SetUpPattern(separatedFigure(), h.status, h.modified);
    h.board.boxPaint();
    for (int help = 1; help <= 6; ++help) {
        h.puzzle.TipBtnClick();
    }
    QCOMPARE(coloursOf(h.board.backBuffer()),
             (std::set<QRgb>{rgb(kSilver), rgb(kBlack), rgb(kGrey)}));
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
    h.puzzle.TipBtnClick();
    QCOMPARE(int(h.puzzle.playState()), int(PlayState::GivenUp));
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        QCOMPARE(h.puzzle.placement(piece), separatedFigure()[piece - 1]);
        const QPoint centre = centrePixel(h.puzzle, piece);
        QCOMPARE(logicalPixel(h.board.backBuffer(), centre.x(), centre.y()), rgb(kRed));
    }
    QCOMPARE(coloursOf(h.board.backBuffer()),
             (std::set<QRgb>{rgb(kSilver), rgb(kRed), rgb(kGrey)}));
    QCOMPARE(differencesFromFullRepaint(h.board), 0);
}

void TestBoardDrawing::screenShowsTheBufferAfterEachStep() {
    // The primitives repaint only the rectangle they touched; what reaches the window must
    // still be the whole buffer.
    BoardHarness h;
    h.puzzle.LayPieces(separatedFigure());
    h.board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.board));
    auto shown = [&] {
        QCoreApplication::processEvents();
        return h.board.screen()
            ->grabWindow(h.board.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    if (shown().size() != h.board.backBuffer().size()) {
        QSKIP("this platform's window grab is not in device pixels");
    }
    QCOMPARE(shown(), h.board.backBuffer());
    const QPoint grip = pixelInZone(h.puzzle, 3, HitZone::Move);
    pressAt(h.board, grip);
    QCOMPARE(shown(), h.board.backBuffer());
    for (int step = 1; step <= 6; ++step) {
        moveTo(h.board, grip + QPoint(step * 2, step * 7), Qt::LeftButton);
        QCOMPARE(shown(), h.board.backBuffer());
    }
    pressAt(h.board, gridPixel(110, 75, 5));
    QCOMPARE(h.puzzle.selectedPiece(), 0);
    QCOMPARE(shown(), h.board.backBuffer());
}

void TestBoardDrawing::everyOutlineIsClosedAndCoversItsVertices() {
    // An XOR outline on the ground: a pixel touched twice would cancel itself and leave a gap.
    PieceRaster raster;
    for (int cell : {1, 2, 5, 9}) {
        for (int shape = 1; shape <= 5; ++shape) {
            for (int orientation = 0; orientation < kOrientations; ++orientation) {
                const std::vector<QPoint> points = shapeVertices(shape, orientation, cell);
                QImage image = silverImage(cell);
                raster.drawOutline(image, points.data(), int(points.size()), rgb(kYellow), true);
                const QRgb yellowOnSilver = xorYellow(rgb(kSilver));
                for (const QPoint& v : points) {
                    QCOMPARE(logicalPixel(image, v.x(), v.y()), yellowOnSilver);
                }
                const int groups = groupCount(image, [&](int x, int y) {
                    return (reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] & RGB_MASK) ==
                           yellowOnSilver;
                });
                QVERIFY2(groups == 1,
                         qPrintable(QString("shape %1 orientation %2 cell %3: %4 pieces")
                                        .arg(shape)
                                        .arg(orientation)
                                        .arg(cell)
                                        .arg(groups)));
                QCOMPARE(coloursOf(image), (std::set<QRgb>{rgb(kSilver), yellowOnSilver}));
            }
        }
    }
}

void TestBoardDrawing::everyFilledPieceIsEdgedAllRound() {
    // The black of a piece never touches the ground: the grey edge closes it on all sides.
    PieceRaster raster;
    for (int cell : {1, 2, 5, 9}) {
        for (int shape = 1; shape <= 5; ++shape) {
            for (int orientation = 0; orientation < kOrientations; ++orientation) {
                const std::vector<QPoint> points = shapeVertices(shape, orientation, cell);
                QImage image = silverImage(cell);
                const int count = int(points.size());
                raster.fillConvex(image, points.data(), count, rgb(kBlack));
                raster.drawOutline(image, points.data(), count, rgb(kGrey), false);
                auto at = [&](int x, int y) {
                    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] & RGB_MASK;
                };
                int black = 0;
                int blackOnGround = 0;
                for (int y = 1; y + 1 < image.height(); ++y) {
                    for (int x = 1; x + 1 < image.width(); ++x) {
                        if (at(x, y) != rgb(kBlack)) {
                            continue;
                        }
                        ++black;
                        const QRgb ground = rgb(kSilver);
                        if (at(x - 1, y) == ground || at(x + 1, y) == ground ||
                            at(x, y - 1) == ground || at(x, y + 1) == ground) {
                            ++blackOnGround;
                        }
                    }
                }
                QCOMPARE(blackOnGround, 0);
                if (cell >= 5) {
                    QVERIFY(black > 0);
                }
                // The same pixels as the XOR outline: a put-down covers the outline it replaces.
                QImage outline = silverImage(cell);
                raster.drawOutline(outline, points.data(), count, rgb(kYellow), true);
                for (int y = 0; y < outline.height(); ++y) {
                    for (int x = 0; x < outline.width(); ++x) {
                        if ((outline.pixel(x, y) & RGB_MASK) != rgb(kSilver)) {
                            QCOMPARE(image.pixel(x, y) & RGB_MASK, rgb(kGrey));
                        }
                    }
                }
            }
        }
    }
}

QTEST_MAIN(TestBoardDrawing)
#include "board_drawing_test.moc"
