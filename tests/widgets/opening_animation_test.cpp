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

    void skippedWhereTheScreenCannotShowIt() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        QVERIFY(!OpeningAnimation::supported());
        const int before = QApplication::topLevelWidgets().size();
        OpeningAnimation::start(QPoint(0, 0), QRect(10, 10, 100, 100));
        QCOMPARE(QApplication::topLevelWidgets().size(), before);
    }
};

QTEST_MAIN(OpeningAnimationTest)
#include "opening_animation_test.moc"
