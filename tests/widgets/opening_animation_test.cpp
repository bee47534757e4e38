// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OpeningAnimation.h"

#include <QApplication>
#include <QTest>

using tangram::OpeningAnimation;

class OpeningAnimationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void framesGrowFromThePointerToTheWindow() {
        const QPoint pointer(80, 720);
        const QRect window(300, 150, 691, 481);
        const QRect first = OpeningAnimation::frame(1, pointer, window);
        // 80 + (300 - 80) / 40 = 85.5, rounded away from zero; 720 + (150 - 720) / 40 = 705.75.
        QCOMPARE(first, QRect(86, 706, 17, 12));
        QCOMPARE(OpeningAnimation::frame(20, pointer, window), QRect(190, 435, 346, 241));
        QCOMPARE(OpeningAnimation::frame(OpeningAnimation::kFrames, pointer, window), window);
        for (int i = 2; i <= OpeningAnimation::kFrames; ++i) {
            const QRect a = OpeningAnimation::frame(i - 1, pointer, window);
            const QRect b = OpeningAnimation::frame(i, pointer, window);
            QVERIFY(b.width() > a.width() && b.height() > a.height());
        }
    }

    void keepsItsTimeByTheClock() {
        using Shown = OpeningAnimation::Shown;
        QCOMPARE(OpeningAnimation::kSteps * OpeningAnimation::kStepMs, 480);
        QCOMPARE(OpeningAnimation::shownAt(0), (Shown{0, 0}));
        QCOMPARE(OpeningAnimation::shownAt(5), (Shown{0, 0}));
        QCOMPARE(OpeningAnimation::shownAt(6), (Shown{0, 1}));
        QCOMPARE(OpeningAnimation::shownAt(239), (Shown{0, 39}));
        QCOMPARE(OpeningAnimation::shownAt(240), (Shown{0, 40}));
        QCOMPARE(OpeningAnimation::shownAt(246), (Shown{1, 40}));
        QCOMPARE(OpeningAnimation::shownAt(479), (Shown{39, 40}));
        QCOMPARE(OpeningAnimation::shownAt(480), (Shown{40, 40})); // over after 0.48 s
        QCOMPARE(OpeningAnimation::shownAt(5000), (Shown{40, 40})); // however late the tick
        QCOMPARE(OpeningAnimation::shownAt(-3), (Shown{0, 0}));
    }

    void aLateTickSkipsStepsInsteadOfFallingBehind() {
        using Shown = OpeningAnimation::Shown;
        // On time: one frame more each step.
        auto c = OpeningAnimation::change(Shown{0, 3}, Shown{0, 4});
        QCOMPARE((QList<int>{c.drawFirst, c.drawLast}), (QList<int>{4, 4}));
        QVERIFY(c.eraseFirst > c.eraseLast);
        // 60 ms late while drawing: the ten frames due are drawn at once.
        c = OpeningAnimation::change(Shown{0, 10}, Shown{0, 20});
        QCOMPARE((QList<int>{c.drawFirst, c.drawLast}), (QList<int>{11, 20}));
        // From the middle of drawing to the middle of erasing: frames 31..40 are drawn (they are
        // still due) and 1..5 erased; nothing erased that was never drawn.
        c = OpeningAnimation::change(Shown{0, 30}, Shown{5, 40});
        QCOMPARE((QList<int>{c.drawFirst, c.drawLast}), (QList<int>{31, 40}));
        QCOMPARE((QList<int>{c.eraseFirst, c.eraseLast}), (QList<int>{1, 5}));
        // So late that frames 11..30 are both due and over: they are skipped, not drawn.
        c = OpeningAnimation::change(Shown{0, 10}, Shown{30, 40});
        QCOMPARE((QList<int>{c.drawFirst, c.drawLast}), (QList<int>{31, 40}));
        QCOMPARE((QList<int>{c.eraseFirst, c.eraseLast}), (QList<int>{1, 10}));
        // Stalled past the end: only what is on the screen is erased.
        c = OpeningAnimation::change(Shown{2, 12}, Shown{40, 40});
        QVERIFY(c.drawFirst > c.drawLast);
        QCOMPARE((QList<int>{c.eraseFirst, c.eraseLast}), (QList<int>{3, 12}));
    }

    void anOutlineIsFourStripsCoveringItsRingOnce() {
        const QRect frame(100, 50, 30, 20);
        const std::vector<QRect> strips = OpeningAnimation::strips(frame);
        QCOMPARE(strips.size(), std::size_t(4));
        QRegion covered;
        int area = 0;
        for (const QRect& strip : strips) {
            QVERIFY(frame.contains(strip));
            covered += strip;
            area += strip.width() * strip.height();
        }
        const QRegion ring = QRegion(frame).subtracted(QRegion(frame.adjusted(2, 2, -2, -2)));
        QCOMPARE(covered, ring);
        QCOMPARE(area, 30 * 20 - 26 * 16); // no pixel covered twice
        // The first frames are tiny: a dot, a bar, a ring without inside; never an empty strip.
        for (const QRect& tiny : {QRect(5, 5, 1, 1), QRect(5, 5, 9, 2), QRect(5, 5, 2, 9),
                                  QRect(5, 5, 3, 4), QRect(5, 5, 0, 7)}) {
            QRegion part;
            for (const QRect& strip : OpeningAnimation::strips(tiny)) {
                QVERIFY(!strip.isEmpty());
                QVERIFY(!part.intersects(strip));
                part += strip;
            }
            QCOMPARE(part, tiny.isEmpty() ? QRegion() : QRegion(tiny).subtracted(
                                                            QRegion(tiny.adjusted(2, 2, -2, -2))));
        }
    }

    void skippedWhereTheScreenCannotShowIt() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        QVERIFY(!OpeningAnimation::supported());
        // Without an X connection there is nothing to draw with; starting must not try.
        OpeningAnimation::start(QPoint(0, 0), QRect(10, 10, 100, 100));
        QTest::qWait(50);
    }
};

QTEST_MAIN(OpeningAnimationTest)
#include "opening_animation_test.moc"
