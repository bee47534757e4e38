// SPDX-License-Identifier: GPL-3.0-or-later
// The pattern selection dialog driven offscreen: thumbnails and markers read back from the painted
// box, the scroll range, the searches for open patterns and the choosing click.
#include "data/gamestate.h"
#include "tests/unit/language_support.h"
#include "dialogs/Select.h"
#include "dialogs/selectmarkers.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace tangram;

namespace {

constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kGrey = 0xFF7F7F7F;
constexpr QRgb kBlack = 0xFF000000;

// Every pattern stacks the seven pieces around grid point (60, 40), all in orientation 0: the
// square covers (55..65, 35..45), so the thumbnail's pixel at (60, 15 + 40) is inside the figure.
constexpr int kFigureX = 60;
constexpr int kFigureY = TSelectDlg::kNumberBand + 40;

std::unique_ptr<GameState> stateWith(int patternCount, int level) {
    auto state = std::make_unique<GameState>();
    state->language = Language::English;
    state->setPatternCount(patternCount);
    state->setLevel(level);
    for (int n = 1; n <= patternCount; ++n)
        state->patterns[static_cast<std::size_t>(n)].fill(TPlacement{60, 40, 0});
    return state;
}

QPoint cellOrigin(int cell) {
    return {TSelectDlg::kCellStepX * (cell % 3), TSelectDlg::kCellStepY * (cell / 3)};
}

QImage grabBox(TSelectDlg& dialog) {
    auto* box = dialog.findChild<QWidget*>(QStringLiteral("box"));
    return box->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage markerArea(const QImage& box, int cell) {
    const QPoint origin = cellOrigin(cell);
    return box.copy(origin.x() + 103, origin.y() + 2, kMarkerSize, kMarkerSize);
}

QImage marker(int k) {
    return makeMarkerStrip().copy(kMarkerSize * k, 0, kMarkerSize, kMarkerSize);
}

bool allPixels(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != colour)
                return false;
    return true;
}

QString hex(QRgb colour) {
    return QString::number(colour & 0xFFFFFF, 16);
}

} // namespace

class SelectDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void markerStripHasEightFacesOnSilver();
    void markerFollowsRevealedPieces_data();
    void markerFollowsRevealedPieces();
    void thumbnailsShowStatusColoursAndMarkers();
    void scrollingRepaintsTheThumbnails();
    void levelNearTheEndShowsTheLastPage();
    void levelOutsideTheCategoryIsClamped();
    void clickChoosesThePatternUnderThePointer_data();
    void clickChoosesThePatternUnderThePointer();
    void nextFindsTheNextOpenPattern();
    void nextStopsAtTheLastTopLeftPattern();
    void previousFindsThePreviousOpenPattern();
    void previousStaysWhenEverythingBeforeIsDone();
    void previousAtTheStartChangesNothing();
    void fewPatternsNeverOfferALevelBeyondTheCount();
    void emptyCategoryOnlyCancels();
    void cancelLeavesTheLevelAlone();
    void execReturnsAcceptedAfterAClick();
    void textsFollowTheLanguageAtEveryShow();
};

void SelectDialogTest::markerStripHasEightFacesOnSilver() {
    const QImage strip = makeMarkerStrip();
    QCOMPARE(strip.size(), QSize(120, 15));
    for (int k = 0; k < kMarkerCount; ++k) {
        // Corners are background, the forehead between the eyes is the face colour.
        QCOMPARE(hex(strip.pixel(15 * k, 0)), hex(kSilver));
        QCOMPARE(hex(strip.pixel(15 * k + 14, 14)), hex(kSilver));
        QCOMPARE(hex(strip.pixel(15 * k + 7, 3)), hex(markerFaceColour(k).rgb()));
    }
    QCOMPARE(markerFaceColour(0).rgb(), qRgb(255, 0, 0));
    QCOMPARE(markerFaceColour(3).rgb(), qRgb(255, 230, 52));
    QCOMPARE(markerFaceColour(7).rgb(), qRgb(0, 255, 0));
    // Each face has its own mouth: no two markers are alike.
    for (int a = 0; a < kMarkerCount; ++a)
        for (int b = a + 1; b < kMarkerCount; ++b)
            QVERIFY2(marker(a) != marker(b), qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
}

void SelectDialogTest::markerFollowsRevealedPieces_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("marker");
    QTest::newRow("untouched") << 0 << -1;
    QTest::newRow("one piece revealed, open") << 1 << 6;
    QTest::newRow("three revealed, open") << 3 << 4;
    QTest::newRow("solved clean") << 8 << 7;
    QTest::newRow("solved after two") << 10 << 5;
    QTest::newRow("solved after six") << 14 << 1;
    QTest::newRow("given up") << 15 << 0;
}

void SelectDialogTest::markerFollowsRevealedPieces() {
    QFETCH(int, status);
    QFETCH(int, marker);
    QCOMPARE(markerForStatus(status), marker);
}

void SelectDialogTest::thumbnailsShowStatusColoursAndMarkers() {
    auto state = stateWith(40, 1);
    state->status[1] = 0;
    state->status[2] = 3;
    state->status[3] = 10;
    state->status[4] = 15;
    TSelectDlg dialog(*state);
    dialog.show();
    const QImage box = grabBox(dialog);

    struct Expect {
        int cell;
        QRgb figure;
        int marker;
    };
    for (const Expect& e :
         {Expect{0, kBlack, -1}, Expect{1, kBlack, 4}, Expect{2, kGrey, 5}, Expect{3, kGrey, 0}}) {
        const QPoint origin = cellOrigin(e.cell);
        QCOMPARE(hex(box.pixel(origin + QPoint(kFigureX, kFigureY))), hex(e.figure));
        // Frame, silver ground away from the figure.
        QCOMPARE(hex(box.pixel(origin + QPoint(0, 50))), hex(kBlack));
        QCOMPARE(hex(box.pixel(origin + QPoint(119, 50))), hex(kBlack));
        QCOMPARE(hex(box.pixel(origin + QPoint(10, 85))), hex(kSilver));
        const QImage area = markerArea(box, e.cell);
        if (e.marker < 0)
            QVERIFY(allPixels(area, kSilver));
        else
            QCOMPARE(area, marker(e.marker));
    }
    // The number stands at the top left in black.
    const QImage number = box.copy(3, 1, 20, 13);
    QVERIFY(!allPixels(number, kSilver));
}

void SelectDialogTest::scrollingRepaintsTheThumbnails() {
    auto state = stateWith(40, 1);
    state->status[10] = 15;
    TSelectDlg dialog(*state);
    dialog.show();
    QCOMPARE(hex(grabBox(dialog).pixel(kFigureX, kFigureY)), hex(kBlack));
    dialog.findChild<QScrollBar*>(QStringLiteral("Scroll"))->setValue(10);
    QCOMPARE(dialog.patternInCell(0), 10);
    const QImage box = grabBox(dialog);
    QCOMPARE(hex(box.pixel(kFigureX, kFigureY)), hex(kGrey));
    QCOMPARE(markerArea(box, 0), marker(0));
}

void SelectDialogTest::levelNearTheEndShowsTheLastPage() {
    auto state = stateWith(40, 35);
    TSelectDlg dialog(*state);
    dialog.show();
    auto* scroll = dialog.findChild<QScrollBar*>(QStringLiteral("Scroll"));
    QCOMPARE(scroll->minimum(), 1);
    QCOMPARE(scroll->maximum(), 32);
    QCOMPARE(scroll->singleStep(), 4);
    QCOMPARE(scroll->pageStep(), 9);
    QCOMPARE(dialog.position(), 32);
    QCOMPARE(dialog.patternInCell(0), 32);
    QCOMPARE(dialog.patternInCell(8), 40);
    // The bottom-right cell chooses 40.
    dialog.boxMouseDown(2 * 130 + 60, 2 * 105 + 50);
    QCOMPARE(dialog.chosen(), 40);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void SelectDialogTest::levelOutsideTheCategoryIsClamped() {
    auto state = stateWith(40, 0);
    TSelectDlg dialog(*state);
    dialog.show();
    QCOMPARE(dialog.position(), 1);
    dialog.hide();
    state->setLevel(999);
    dialog.show();
    QCOMPARE(dialog.position(), 32);
    // Showing never writes the level, which the state keeps in range anyway.
    QCOMPARE(state->level(), 40);
    QCOMPARE(dialog.chosen(), 0);
}

void SelectDialogTest::clickChoosesThePatternUnderThePointer_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("level");
    // (A null point would mean the centre to QTest, so the corner is (1, 1).)
    QTest::newRow("top left") << QPoint(1, 1) << 12;
    QTest::newRow("middle") << QPoint(200, 150) << 16;
    QTest::newRow("gap right of the first cell counts for it") << QPoint(125, 40) << 12;
    QTest::newRow("gap below the first row counts for it") << QPoint(140, 100) << 13;
    QTest::newRow("bottom left") << QPoint(5, 300) << 18;
    QTest::newRow("last pixel") << QPoint(384, 312) << 20;
}

void SelectDialogTest::clickChoosesThePatternUnderThePointer() {
    QFETCH(QPoint, at);
    QFETCH(int, level);
    auto state = stateWith(100, 12);
    TSelectDlg dialog(*state);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QWidget*>(QStringLiteral("box")), Qt::RightButton, {}, at);
    QCOMPARE(dialog.chosen(), level);
    QCOMPARE(state->level(), 12); // the session takes the choice, not the dialog
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

void SelectDialogTest::nextFindsTheNextOpenPattern() {
    auto state = stateWith(40, 1);
    for (int n = 1; n <= 5; ++n)
        state->status[static_cast<std::size_t>(n)] = 8 + (n % 8);
    state->status[6] = 3; // help used but not done: still open
    TSelectDlg dialog(*state);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QToolButton*>(QStringLiteral("NextBtn")), Qt::LeftButton);
    QCOMPARE(dialog.position(), 6);
    // Next from an open pattern moves one on.
    dialog.NextBtnClick();
    QCOMPARE(dialog.position(), 7);
    QCOMPARE(dialog.chosen(), 0);
}

void SelectDialogTest::nextStopsAtTheLastTopLeftPattern() {
    auto state = stateWith(40, 30);
    for (int n = 31; n <= 40; ++n)
        state->status[static_cast<std::size_t>(n)] = 8;
    TSelectDlg dialog(*state);
    dialog.show();
    // 31 and 32 (the maximum) are done; 33..40 are not searched.
    dialog.NextBtnClick();
    QCOMPARE(dialog.position(), 30);
    state->status[32] = 0;
    dialog.NextBtnClick();
    QCOMPARE(dialog.position(), 32);
}

void SelectDialogTest::previousFindsThePreviousOpenPattern() {
    auto state = stateWith(40, 20);
    for (int n = 10; n <= 19; ++n)
        state->status[static_cast<std::size_t>(n)] = 15;
    TSelectDlg dialog(*state);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QToolButton*>(QStringLiteral("PrevBtn")), Qt::LeftButton);
    QCOMPARE(dialog.position(), 9);
}

void SelectDialogTest::previousStaysWhenEverythingBeforeIsDone() {
    auto state = stateWith(40, 20);
    for (int n = 1; n <= 19; ++n)
        state->status[static_cast<std::size_t>(n)] = 8;
    TSelectDlg dialog(*state);
    dialog.show();
    dialog.PrevBtnClick();
    QCOMPARE(dialog.position(), 20);
}

void SelectDialogTest::previousAtTheStartChangesNothing() {
    auto state = stateWith(40, 1);
    TSelectDlg dialog(*state);
    dialog.show();
    dialog.PrevBtnClick();
    QCOMPARE(dialog.position(), 1);
}

void SelectDialogTest::fewPatternsNeverOfferALevelBeyondTheCount() {
    auto state = stateWith(5, 4);
    TSelectDlg dialog(*state);
    dialog.show();
    auto* scroll = dialog.findChild<QScrollBar*>(QStringLiteral("Scroll"));
    QCOMPARE(dialog.position(), 1);
    QVERIFY(!scroll->isEnabled());
    QCOMPARE(dialog.patternInCell(4), 5);
    QCOMPARE(dialog.patternInCell(5), 0);
    dialog.NextBtnClick();
    QCOMPARE(dialog.position(), 1);

    // Cells behind the last pattern stay unpainted and ignore clicks.
    const QImage box = grabBox(dialog);
    QCOMPARE(hex(box.pixel(cellOrigin(4) + QPoint(10, 85))), hex(kSilver));
    QVERIFY(box.pixel(cellOrigin(5) + QPoint(10, 85)) != kSilver);
    dialog.boxMouseDown(2 * 130 + 10, 105 + 10); // cell 5
    dialog.boxMouseDown(10, 2 * 105 + 10);       // cell 6
    QCOMPARE(dialog.chosen(), 0);
    QVERIFY(dialog.isVisible());
    dialog.boxMouseDown(130 + 10, 105 + 10); // cell 4: pattern 5
    QCOMPARE(dialog.chosen(), 5);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void SelectDialogTest::emptyCategoryOnlyCancels() {
    auto state = stateWith(0, 1);
    state->status.fill(0);
    TSelectDlg dialog(*state);
    dialog.show();
    QCOMPARE(dialog.position(), 1);
    for (int cell = 0; cell < 9; ++cell)
        QCOMPARE(dialog.patternInCell(cell), 0);
    grabBox(dialog);
    dialog.PrevBtnClick();
    dialog.NextBtnClick();
    dialog.boxMouseDown(10, 10);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.chosen(), 0);
}

void SelectDialogTest::cancelLeavesTheLevelAlone() {
    auto state = stateWith(40, 7);
    TSelectDlg dialog(*state);
    dialog.show();
    dialog.NextBtnClick();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.chosen(), 0);
    QCOMPARE(state->level(), 7);
}

void SelectDialogTest::execReturnsAcceptedAfterAClick() {
    auto state = stateWith(40, 3);
    TSelectDlg dialog(*state);
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::mouseClick(dialog.findChild<QWidget*>(QStringLiteral("box")), Qt::LeftButton, {},
                          QPoint(135, 0));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosen(), 4);

    QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.chosen(), 0);
}

void SelectDialogTest::textsFollowTheLanguageAtEveryShow() {
    auto state = stateWith(40, 1);
    state->language = Language::German;
    auto german = std::make_unique<testing::ScopedLanguage>(Language::German);
    TSelectDlg dialog(*state);
    dialog.show();
    auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn"));
    auto* prev = dialog.findChild<QToolButton*>(QStringLiteral("PrevBtn"));
    auto* next = dialog.findChild<QToolButton*>(QStringLiteral("NextBtn"));
    auto* box = dialog.findChild<QWidget*>(QStringLiteral("box"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tangram wählen"));
    QCOMPARE(cancel->text(), QStringLiteral("Abbruch"));
    QCOMPARE(prev->toolTip(),
             QStringLiteral("Welches vorhergehende Tangram hab ich noch nicht geschafft?"));
    QCOMPARE(next->toolTip(),
             QStringLiteral("Welches folgende Tangram hab ich noch nicht geschafft?"));
    QCOMPARE(box->toolTip(),
             QStringLiteral("Ein Mausklick und schon geht's mit diesem Tangram los."));
    dialog.hide();

    state->language = Language::NotChosen; // not chosen yet: English
    german.reset();
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Tangram"));
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(prev->toolTip(), QStringLiteral("Which previous Tangram I haven't solved yet?"));
    QCOMPARE(next->toolTip(), QStringLiteral("Which following Tangram I haven't solved yet?"));
    QCOMPARE(box->toolTip(), QStringLiteral("A mouse click and the Tangram is selected."));
}

QTEST_MAIN(SelectDialogTest)
#include "select_dialog_test.moc"
