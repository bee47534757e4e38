// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics dialog driven offscreen: what its labels say, what its gauges and its help bar
// paint, and that every show recounts the status bytes.
#include "data/gamestate.h"
#include "tests/unit/language_support.h"
#include "dialogs/Statis.h"
#include "dialogs/gauge.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace tangram;

namespace {

QString hex(QRgb colour) {
    return QString::number(colour & 0xFFFFFF, 16);
}

QImage grabChild(QWidget& dialog, const char* name) {
    return dialog.findChild<QWidget*>(QString::fromLatin1(name))
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int countPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == (colour | 0xFF000000) ? 1 : 0;
    return count;
}

// Ten patterns: a clean solve, one after a revealed piece, one given up, one with help but open.
std::unique_ptr<GameState> tenPatterns() {
    auto state = std::make_unique<GameState>();
    state->language = Language::English;
    state->category = 4;
    state->setPatternCount(10);
    state->status[1] = 8;
    state->status[2] = 9;
    state->status[3] = 15;
    state->status[4] = 2;
    return state;
}

} // namespace

class StatisticsDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sentencesAndGaugesSummariseTheCategory();
    void helpBarPaintsEachLevelInItsColour();
    void gaugeTextIsExclusiveOrOverFillAndGround();
    void nothingSolvedShowsEmptyBarAndZeroGauges();
    void everyShowRecountsAndFollowsTheLanguage();
    void okClosesWithAccepted();
};

void StatisticsDialogTest::sentencesAndGaugesSummariseTheCategory() {
    auto state = tenPatterns();
    state->progressPath = QStringLiteral("/home/bo/tangram/sunday.pzs");
    TStatDlg dialog(*state);
    dialog.show();
    QCOMPARE(dialog.windowTitle(),
             QStringLiteral("Tangram statistics for game sunday - category: figures and shapes"));
    // Two solved and one dropped: the dropped one is not called solved.
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("L1"))->text(),
             QStringLiteral("Until now 2 out of total 10 Tangrams were solved."));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("L2"))->text(),
             QStringLiteral("For one Tangram you didn't need any help. For one Tangram you needed "
                            "little, for no Tangram some more and for no Tangram much help. You "
                            "dropped one Tangram."));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("L3"))->text(),
             QStringLiteral("Until now you've reached 13 out of 70 possible points."));
    auto* g1 = dialog.findChild<TGauge*>(QStringLiteral("G1"));
    auto* g2 = dialog.findChild<TGauge*>(QStringLiteral("G2"));
    QCOMPARE(g1->maxValue(), 10);
    QCOMPARE(g1->percentText(), QStringLiteral("30%"));
    QCOMPARE(g2->maxValue(), 70);
    QCOMPARE(g2->percentText(), QStringLiteral("18%"));
}

void StatisticsDialogTest::helpBarPaintsEachLevelInItsColour() {
    auto state = tenPatterns();
    TStatDlg dialog(*state);
    dialog.show();
    const QImage bar = grabChild(dialog, "pieBox");
    // Three solved: 410 / 3 = 136.67 per pattern, so green 0..137, yellow-green 137..274 and red
    // from 274 to the bar's end at 410.
    const QRgb green = qRgb(0, 255, 0);
    const QRgb yellowGreen = qRgb(160, 252, 0);
    const QRgb red = qRgb(255, 0, 0);
    QCOMPARE(hex(bar.pixel(0, 0)), hex(green));
    QCOMPARE(hex(bar.pixel(136, 17)), hex(green));
    QCOMPARE(hex(bar.pixel(137, 9)),
             hex(yellowGreen)); // the later segment paints the shared column
    QCOMPARE(hex(bar.pixel(273, 9)), hex(yellowGreen));
    QCOMPARE(hex(bar.pixel(274, 9)), hex(red));
    QCOMPARE(hex(bar.pixel(410, 9)), hex(red));
    QVERIFY(bar.pixel(411, 9) != red);
    QVERIFY(bar.pixel(200, 18) != yellowGreen); // 18 rows high
}

void StatisticsDialogTest::gaugeTextIsExclusiveOrOverFillAndGround() {
    TGauge gauge;
    gauge.resize(410, 18);
    gauge.setBackColor(QColor(160, 160, 160));
    gauge.setForeColor(QColor(0, 128, 255));
    gauge.setMaxValue(2);
    gauge.setProgress(1); // 50%: the text straddles the fill's edge at 205
    const QImage image = gauge.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(hex(image.pixel(2, 2)), hex(qRgb(0, 128, 255)));
    QCOMPARE(hex(image.pixel(204, 0)), hex(qRgb(0, 128, 255)));
    QCOMPARE(hex(image.pixel(205, 0)), hex(qRgb(160, 160, 160)));
    QCOMPARE(hex(image.pixel(407, 15)), hex(qRgb(160, 160, 160)));
    // White exclusive-or'd over azure and over grey, and no plain white anywhere.
    QVERIFY(countPixels(image, qRgb(255, 127, 0)) > 0);
    QVERIFY(countPixels(image, qRgb(95, 95, 95)) > 0);
    QCOMPARE(countPixels(image, qRgb(255, 255, 255)), 0);

    gauge.setProgress(5); // above the maximum
    QCOMPARE(gauge.percentText(), QStringLiteral("100%"));
    const QImage full = gauge.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(hex(full.pixel(409, 0)), hex(qRgb(0, 128, 255)));
}

void StatisticsDialogTest::nothingSolvedShowsEmptyBarAndZeroGauges() {
    auto state = std::make_unique<GameState>();
    state->language = Language::German;
    const testing::ScopedLanguage german(Language::German);
    state->setPatternCount(25);
    state->status[5] = 4; // help used, not done
    TStatDlg dialog(*state);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tangram Statistik - Kategorie: Menschen"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("L1"))->text(),
             QStringLiteral("Bisher wurde noch kein Tangram gelöst !!!"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("L3"))->text(),
             QStringLiteral("Du hast bisher leider keine Punkte erreicht."));
    QCOMPARE(dialog.findChild<TGauge*>(QStringLiteral("G1"))->percentText(), QStringLiteral("0%"));
    QCOMPARE(dialog.findChild<TGauge*>(QStringLiteral("G2"))->percentText(), QStringLiteral("0%"));
    const QImage bar = grabChild(dialog, "pieBox");
    const QRgb ground = bar.pixel(416, 28);
    QCOMPARE(countPixels(bar, ground), bar.width() * bar.height());
}

void StatisticsDialogTest::everyShowRecountsAndFollowsTheLanguage() {
    auto state = tenPatterns();
    TStatDlg dialog(*state);
    dialog.show();
    QCOMPARE(dialog.counts().solved, 3);
    dialog.hide();

    state->language = Language::German;
    const testing::ScopedLanguage german(Language::German);
    for (int n = 1; n <= 10; ++n)
        state->status[static_cast<std::size_t>(n)] = 8;
    dialog.show();
    QCOMPARE(dialog.counts().solved, 10);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("L3"))->text(),
             QStringLiteral("Hurra, Du hast alle möglichen Punkte erreicht."));
    QCOMPARE(dialog.findChild<TGauge*>(QStringLiteral("G2"))->percentText(),
             QStringLiteral("100%"));
    const QImage bar = grabChild(dialog, "pieBox");
    QCOMPARE(hex(bar.pixel(0, 0)), hex(qRgb(0, 255, 0)));
    QCOMPARE(hex(bar.pixel(410, 17)), hex(qRgb(0, 255, 0)));
}

void StatisticsDialogTest::okClosesWithAccepted() {
    auto state = tenPatterns();
    TStatDlg dialog(*state);
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OkBtn"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QTimer::singleShot(0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
}

QTEST_MAIN(StatisticsDialogTest)
#include "statistics_dialog_test.moc"
