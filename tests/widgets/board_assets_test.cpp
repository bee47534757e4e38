// SPDX-License-Identifier: GPL-3.0-or-later
// The board's pictures as the game loads them: the seamless grey background tile and the two
// monochrome cursors, and that the committed files are exactly what the generator makes.
#include "ui/boardlayout.h"
#include "ui/cursors.h"

#include <QBitmap>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace tangram;

namespace {

// Mean absolute difference between horizontally (or vertically) adjacent pixels, over the
// pixel pairs for which `pick(x)` holds; x is the left (or upper) pixel's coordinate.
template <typename Pick> double meanStep(const QImage& grey, bool horizontal, Pick pick) {
    double sum = 0;
    int count = 0;
    for (int a = 0; a < 100; ++a) {
        for (int b = 0; b < 100; ++b) {
            if (!pick(b)) {
                continue;
            }
            const int x1 = horizontal ? b : a;
            const int y1 = horizontal ? a : b;
            const int x2 = horizontal ? (b + 1) % 100 : a;
            const int y2 = horizontal ? a : (b + 1) % 100;
            sum += std::abs(qGray(grey.pixel(x1, y1)) - qGray(grey.pixel(x2, y2)));
            ++count;
        }
    }
    return sum / count;
}

} // namespace

class TestBoardAssets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tileIsAGreySeamlessTexture();
    void cursorsAreMonochromeWithTheHotSpotInTheMiddle();
    void monochromeCursorMapsBlackWhiteAndTransparent();
    void generatorReproducesTheCommittedPictures();
};

void TestBoardAssets::tileIsAGreySeamlessTexture() {
    const QImage tile = loadBackgroundTile().toImage();
    QCOMPARE(tile.size(), QSize(100, 100));
    int darkest = 255;
    int lightest = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            const QRgb p = tile.pixel(x, y);
            QCOMPARE(qRed(p), qGreen(p));
            QCOMPARE(qGreen(p), qBlue(p));
            darkest = std::min(darkest, qRed(p));
            lightest = std::max(lightest, qRed(p));
        }
    }
    // A visible relief, but light enough that the black frames stand out.
    QVERIFY(lightest - darkest >= 40);
    QVERIFY(darkest >= 96);
    // Across the seam (column 99 to column 0, row 99 to row 0) the texture changes no more
    // than between any two neighbours inside the tile.
    const double insideH = meanStep(tile, true, [](int x) { return x < 99; });
    const double seamH = meanStep(tile, true, [](int x) { return x == 99; });
    const double insideV = meanStep(tile, false, [](int y) { return y < 99; });
    const double seamV = meanStep(tile, false, [](int y) { return y == 99; });
    QVERIFY2(seamH <= 1.5 * insideH, qPrintable(QString("%1 vs %2").arg(seamH).arg(insideH)));
    QVERIFY2(seamV <= 1.5 * insideV, qPrintable(QString("%1 vs %2").arg(seamV).arg(insideV)));
}

void TestBoardAssets::cursorsAreMonochromeWithTheHotSpotInTheMiddle() {
    const BoardCursors cursors = loadBoardCursors();
    for (const QCursor& cursor : {cursors.turn, cursors.move}) {
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(kCursorHotSpot, kCursorHotSpot));
        const QImage bits = cursor.bitmap().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(bits.size(), QSize(32, 32));
        QCOMPARE(mask.size(), QSize(32, 32));
        int black = 0;
        int white = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const bool set = qGray(bits.pixel(x, y)) < 128;
                const bool opaque = qGray(mask.pixel(x, y)) < 128;
                QVERIFY(!set || opaque); // black only where the cursor is opaque
                black += set ? 1 : 0;
                white += opaque && !set ? 1 : 0;
            }
        }
        QVERIFY(black >= 40);
        QVERIFY(white >= 40); // the rim that keeps the cursor visible on black pieces
        // The hot spot is black (the cross or the dot); the corners are see-through.
        QVERIFY(qGray(bits.pixel(15, 15)) < 128);
        QVERIFY(qGray(mask.pixel(0, 31)) >= 128 || qGray(mask.pixel(31, 31)) >= 128);
    }
    QVERIFY(cursors.turn.bitmap().toImage() != cursors.move.bitmap().toImage());
}

void TestBoardAssets::monochromeCursorMapsBlackWhiteAndTransparent() {
    QImage picture(4, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 255));
    picture.setPixel(1, 0, qRgba(255, 255, 255, 255));
    picture.setPixel(2, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(3, 0, qRgba(40, 40, 40, 255)); // dark grey counts as black
    const QCursor cursor = monochromeCursor(picture, 1, 0);
    QCOMPARE(cursor.hotSpot(), QPoint(1, 0));
    const QImage bits = cursor.bitmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_RGB32);
    const std::vector<bool> expectBits = {true, false, false, true};
    const std::vector<bool> expectMask = {true, true, false, true};
    for (int x = 0; x < 4; ++x) {
        QCOMPARE(qGray(bits.pixel(x, 0)) < 128, bool(expectBits[std::size_t(x)]));
        QCOMPARE(qGray(mask.pixel(x, 0)) < 128, bool(expectMask[std::size_t(x)]));
    }
    QCOMPARE(monochromeCursor(QImage(), 0, 0).shape(), Qt::ArrowCursor);
}

void TestBoardAssets::generatorReproducesTheCommittedPictures() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess generator;
    generator.start(QStringLiteral(WT_GEN_BOARD_ASSETS), {dir.path()});
    QVERIFY(generator.waitForFinished(30000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);
    for (const char* name : {"tile.png", "CRMOVE1.png", "CRTURN2.png"}) {
        const QImage made(dir.filePath(QString::fromLatin1(name)));
        const QImage committed(QStringLiteral(":/board/") + QString::fromLatin1(name));
        QVERIFY2(!made.isNull(), name);
        QVERIFY2(!committed.isNull(), name);
        QCOMPARE(made.convertToFormat(QImage::Format_ARGB32),
                 committed.convertToFormat(QImage::Format_ARGB32));
    }
    // A folder that cannot be written is reported, not ignored.
    QProcess failing;
    failing.start(QStringLiteral(WT_GEN_BOARD_ASSETS), {dir.filePath("missing/folder")});
    QVERIFY(failing.waitForFinished(30000));
    QCOMPARE(failing.exitCode(), 1);
}

QTEST_MAIN(TestBoardAssets)
#include "board_assets_test.moc"
