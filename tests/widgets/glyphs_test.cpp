// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar glyphs read back pixel by pixel: each one fills its icon area at 21 and at 42 device
// pixels, is drawn afresh at 42 rather than blown up, stays inside the rectangle it is given, and
// greys out when disabled; the sound button's two states and the eight category figures can be
// told apart; the program icon's picture loads and fills its tile.
#include "ui/glyphs.h"

#include <QPainter>
#include <QTest>

#include <algorithm>

using namespace tangram;

namespace {

constexpr int kIconSide = 21;

QImage render(ToolGlyph glyph, qreal ratio, QIcon::Mode mode = QIcon::Normal,
              QIcon::State state = QIcon::Off) {
    const QPixmap pixmap = toolGlyph(glyph).pixmap(QSize(kIconSide, kIconSide), ratio, mode, state);
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

int opaqueCount(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    return count;
}

QRect opaqueBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Pixels whose colour or coverage differs clearly between two images of one size.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int delta =
                std::max({std::abs(qAlpha(p) - qAlpha(q)), std::abs(qRed(p) - qRed(q)),
                          std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            count += delta > 96 ? 1 : 0;
        }
    return count;
}

int saturatedCount(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int spread =
                std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
            count += qAlpha(p) > 128 && spread > 60 ? 1 : 0;
        }
    return count;
}

const ToolGlyph kCategories[] = {ToolGlyph::Humans,    ToolGlyph::Animals, ToolGlyph::Tools,
                                 ToolGlyph::Buildings, ToolGlyph::Figures, ToolGlyph::Twins,
                                 ToolGlyph::Convex,    ToolGlyph::Letters};

} // namespace

class GlyphsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyGlyphFillsItsAreaAtBothSizes_data() {
        QTest::addColumn<int>("glyph");
        QTest::addColumn<qreal>("ratio");
        for (int g = 0; g < kToolGlyphCount; ++g) {
            QTest::addRow("glyph %d at 1x", g) << g << qreal(1);
            QTest::addRow("glyph %d at 2x", g) << g << qreal(2);
        }
    }

    void everyGlyphFillsItsAreaAtBothSizes() {
        QFETCH(int, glyph);
        QFETCH(qreal, ratio);
        const QImage image = render(ToolGlyph(glyph), ratio);
        const int side = qRound(kIconSide * ratio);
        QCOMPARE(image.size(), QSize(side, side));

        // Clearly visible, but not a solid block: between a twelfth (a thin figure such as the
        // person) and nine tenths of the area.
        const int area = side * side;
        const int opaque = opaqueCount(image);
        QVERIFY2(opaque > area / 12, qPrintable(QString::number(opaque)));
        QVERIFY2(opaque < area * 9 / 10, qPrintable(QString::number(opaque)));

        // Uses the icon area: three quarters of it along the longer side and half along the
        // shorter, centred within a few pixels.
        const QRect bounds = opaqueBounds(image);
        const int longer = std::max(bounds.width(), bounds.height());
        const int shorter = std::min(bounds.width(), bounds.height());
        QVERIFY2(longer >= side * 3 / 4 && shorter >= side / 2,
                 qPrintable(QStringLiteral("%1 x %2").arg(bounds.width()).arg(bounds.height())));
        const QPoint offCentre = bounds.center() - QPoint(side / 2, side / 2);
        QVERIFY(std::abs(offCentre.x()) <= side / 6 && std::abs(offCentre.y()) <= side / 6);
    }

    void doubleSizeIsDrawnAfreshAndMarkedForHighDensity() {
        for (int g = 0; g < kToolGlyphCount; ++g) {
            const QPixmap pixmap = toolGlyph(ToolGlyph(g)).pixmap(QSize(kIconSide, kIconSide), 2.0);
            QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        }
        // A picture blown up from 21 pixels has its pixels in identical 2 x 2 blocks; a painted
        // one has slanted and round edges that fall inside such blocks.
        for (ToolGlyph glyph : {ToolGlyph::Humans, ToolGlyph::Info, ToolGlyph::Web}) {
            const QImage sharp = render(glyph, 2.0);
            const QImage blown =
                render(glyph, 1.0)
                    .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            QVERIFY(differingPixels(sharp, blown) > sharp.width());
        }
    }

    void paintingStaysInsideItsRectangle() {
        for (int g = 0; g < kToolGlyphCount; ++g) {
            QImage canvas(80, 60, QImage::Format_ARGB32);
            canvas.fill(Qt::transparent);
            const QRect target(30, 10, 30, 21); // wider than high, like the web button
            {
                QPainter painter(&canvas);
                paintToolGlyph(painter, target, ToolGlyph(g), true);
            }
            QVERIFY(opaqueCount(canvas.copy(target)) > 0);
            for (int y = 0; y < canvas.height(); ++y)
                for (int x = 0; x < canvas.width(); ++x)
                    if (!target.contains(x, y))
                        QCOMPARE(qAlpha(canvas.pixel(x, y)), 0);
        }
    }

    void soundStatesDifferAndOtherGlyphsIgnoreTheState() {
        for (qreal ratio : {1.0, 2.0}) {
            const QImage on = render(ToolGlyph::Sound, ratio, QIcon::Normal, QIcon::On);
            const QImage off = render(ToolGlyph::Sound, ratio, QIcon::Normal, QIcon::Off);
            const int side = on.width();
            QVERIFY2(differingPixels(on, off) > side * side / 20,
                     qPrintable(QString::number(differingPixels(on, off))));
        }
        for (ToolGlyph glyph : {ToolGlyph::Humans, ToolGlyph::Tip, ToolGlyph::Web}) {
            QCOMPARE(render(glyph, 1.0, QIcon::Normal, QIcon::On),
                     render(glyph, 1.0, QIcon::Normal, QIcon::Off));
        }
    }

    void categoryFiguresDifferFromEachOther() {
        // At the toolbar's size, every two figures differ in at least a sixth of the icon area.
        for (qreal ratio : {1.0, 2.0}) {
            for (std::size_t i = 0; i < std::size(kCategories); ++i)
                for (std::size_t j = i + 1; j < std::size(kCategories); ++j) {
                    const QImage a = render(kCategories[i], ratio);
                    const QImage b = render(kCategories[j], ratio);
                    const int differing = differingPixels(a, b);
                    QVERIFY2(differing > a.width() * a.height() / 6,
                             qPrintable(QStringLiteral("categories %1 and %2: %3")
                                            .arg(i)
                                            .arg(j)
                                            .arg(differing)));
                }
        }
    }

    void disabledGlyphIsGreyAndFainter() {
        // The help button is disabled once a pattern is done.
        const QImage normal = render(ToolGlyph::Tip, 1.0);
        const QImage disabled = render(ToolGlyph::Tip, 1.0, QIcon::Disabled);
        QVERIFY(saturatedCount(normal) > 40);
        QCOMPARE(saturatedCount(disabled), 0);
        int normalAlpha = 0, disabledAlpha = 0;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x) {
                normalAlpha += qAlpha(normal.pixel(x, y));
                disabledAlpha += qAlpha(disabled.pixel(x, y));
            }
        QVERIFY(disabledAlpha > 0);
        QVERIFY(disabledAlpha < normalAlpha * 3 / 4);
        // Same picture: the disabled glyph covers the very same pixels.
        QCOMPARE(opaqueBounds(disabled).united(opaqueBounds(normal)), opaqueBounds(normal));
    }

    void programIconPictureLoadsAndFillsItsTile() {
        const QIcon icon = programIcon();
        QVERIFY(!icon.isNull());
        for (int side : {48, 128}) {
            const QImage image = icon.pixmap(QSize(side, side), 1.0)
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(side, side));
            // The rounded tile leaves the corners clear and covers the middle, where the seven
            // coloured pieces are.
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(side / 2, side / 2)), 255);
            QVERIFY(opaqueCount(image) > side * side * 3 / 4);
            const int coloured = saturatedCount(image);
            QVERIFY2(coloured > side * side / 5, qPrintable(QString::number(coloured)));
        }
    }
};

QTEST_MAIN(GlyphsTest)
#include "glyphs_test.moc"
