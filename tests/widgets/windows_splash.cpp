// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window and its title picture, offscreen: closed by a click or by its timer counted
// from creation, never left hanging when its time ran out before it was shown; the picture shows
// the seven pieces drawn from the game's own outlines.
#include "dialogs/Splasher.h"
#include "dialogs/TitlePicture.h"
#include "tests/widgets/windows_support.h"

#include <QDeadlineTimer>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>

using namespace tangram;
using testing::whenModal;

namespace {

// Centre of piece 1..7 of the emblem in grid units, from the outline table.
QPointF pieceCentre(int piece) {
    const TPlacement& p = emblemLayout()[static_cast<std::size_t>(piece - 1)];
    const int shape = PieceShapeOf(piece);
    QPointF sum;
    for (int v = 0; v < VertexCount(shape); ++v) {
        const GridOffset o = OutlineVertex(shape, v, p.orientation);
        sum += QPointF(p.column + o.x, p.row + o.y);
    }
    return sum / VertexCount(shape);
}

} // namespace

class SplashTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void isAFramelessTopWindowOfTheTitlePicture() {
        TSplash splash;
        QCOMPARE(splash.size(), QSize(200, 150));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash.Timer1()->interval(), 3000);
        QVERIFY(splash.Timer1()->isActive()); // running from creation, before any showing
        QCOMPARE(splash.Image1()->pixmap().deviceIndependentSize().toSize(), QSize(200, 150));
    }

    void clickOnThePictureClosesIt() {
        TSplash splash;
        QRect shownAt;
        auto answered = whenModal([&](QWidget* open) {
            shownAt = open->frameGeometry();
            QTest::mouseClick(splash.Image1(), Qt::LeftButton, {}, QPoint(100, 75));
        });
        splash.exec();
        QVERIFY(*answered);
        QVERIFY(!splash.isVisible());
        // Centred on the screen.
        const QRect screen = splash.screen()->availableGeometry();
        QVERIFY(qAbs(shownAt.center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(shownAt.center().y() - screen.center().y()) <= 1);
    }

    void timerClosesIt() {
        TSplash splash(nullptr, 100);
        // Should the timer fail, this closes the splash after a while and the test notices.
        bool rescued = false;
        QTimer::singleShot(4000, &splash, [&] {
            rescued = splash.isVisible();
            splash.reject();
        });
        auto answered = whenModal([](QWidget*) {});
        splash.exec();
        QVERIFY(*answered); // it was shown
        QVERIFY(!rescued);
        QVERIFY(!splash.isVisible());
    }

    // The interval counts from creation: a splash shown after its time has run out does not stay
    // on the screen until clicked.
    void splashShownAfterItsTimeDoesNotStay() {
        TSplash splash(nullptr, 20);
        QTRY_VERIFY_WITH_TIMEOUT(!splash.Timer1()->isActive(), 3000);
        bool shown = false;
        QTimer::singleShot(2000, &splash, [&] {
            shown = splash.isVisible();
            splash.reject();
        });
        splash.exec();
        QVERIFY(!shown);
    }

    void titlePictureShowsEveryPieceInItsOwnColour() {
        // The figure drawn at 10 pixels per grid unit into a known box.
        QImage image(400, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintTangramFigure(painter, emblemLayout(), QRectF(0, 0, 40, 40),
                               QRectF(0, 0, 400, 400));
        }
        QSet<QRgb> colours;
        for (int piece = 1; piece <= 7; ++piece) {
            const QPoint at = (pieceCentre(piece) * 10).toPoint();
            const QRgb colour = image.pixel(at);
            QVERIFY2(colour != qRgb(255, 255, 255), qPrintable(QString::number(piece)));
            colours.insert(colour);
        }
        QCOMPARE(colours.size(), 7);
        // The square stands on its corner: the picture's corners stay empty.
        for (QPoint corner : {QPoint(5, 5), QPoint(394, 5), QPoint(5, 394), QPoint(394, 394)})
            QCOMPARE(image.pixel(corner), qRgb(255, 255, 255));
        // Together the pieces cover the square: its centre line has no gap.
        for (int x = 20; x < 380; x += 7)
            QVERIFY2(image.pixel(x, 195) != qRgb(255, 255, 255), qPrintable(QString::number(x)));
    }

    void titlePictureFollowsThePixelRatio() {
        const QImage sharp = titlePicture(2.0);
        QCOMPARE(sharp.size(), QSize(400, 300));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(titlePicture(1.0).size(), QSize(200, 150));
    }
};

QTEST_MAIN(SplashTest)
#include "windows_splash.moc"
