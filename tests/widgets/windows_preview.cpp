// SPDX-License-Identifier: GPL-3.0-or-later
// The preview window offscreen: the silhouette read back pixel by pixel, the caption with its
// suffixes in both languages, and the position kept in the settings between runs.
#include "data/language.h"
#include "tests/unit/language_support.h"
#include "dialogs/pattern.h"
#include "services/settingsstore.h"

#include <QDialog>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tangram;

namespace {

constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kBlack = 0xFF000000;

constexpr TPlacement kOffWindow{255, 255, 0};
constexpr int kSquareIndex = kSquare - 1; // the square is piece 6

// Pattern 1: the square near the top left, pattern 2: the square far to the right; the other
// pieces lie beyond the window. The square in orientation 0 spans -5..5 around its reference
// point.
std::unique_ptr<GameState> twoPatterns() {
    auto state = std::make_unique<GameState>();
    state->language = Language::English;
    state->category = 1;
    state->setPatternCount(2);
    state->setLevel(1);
    state->patterns[1].fill(kOffWindow);
    state->patterns[1][kSquareIndex] = TPlacement{20, 20, 0};
    state->patterns[2].fill(kOffWindow);
    state->patterns[2][kSquareIndex] = TPlacement{100, 60, 0};
    return state;
}

// A main window's frame near the top left of the primary screen, and its board.
QRect mainFrameOnScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    return QRect(screen.left() + 10, screen.top() + 10, 500, 400);
}
QRect boardIn(const QRect& mainFrame) { return mainFrame.adjusted(10, 50, -10, -10); }

QImage picture(TPatForm& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("s.ini")));
    }
    void cleanup() {
        m_settings.reset();
        m_dir.reset();
    }

    void fixedSmallWindowOnTopWithoutCloseBox() {
        auto state = twoPatterns();
        TPatForm window(*state, *m_settings);
        QVERIFY(!window.isVisible()); // not before the main window is on the screen
        window.showBeside(QRect(100, 100, 500, 400), QRect(110, 160, 480, 330));
        QVERIFY(window.isVisible());
        QCOMPARE(window.size(), QSize(241, 160));
        // It never takes the keyboard from the board.
        QVERIFY(window.windowFlags() & Qt::WindowDoesNotAcceptFocus);
        QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowStaysOnTopHint);
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
        QVERIFY(!(flags & Qt::WindowSystemMenuHint));
    }

    void silhouetteAtTwoPixelsPerGridUnit() {
        auto state = twoPatterns();
        TPatForm window(*state, *m_settings);
        QImage image = picture(window);
        // The square of pattern 1 covers grid 15..25, that is pixels 30..50.
        for (int at : {30, 40, 50}) {
            QCOMPARE(image.pixel(at, 40), kBlack);
            QCOMPARE(image.pixel(40, at), kBlack);
        }
        QCOMPARE(image.pixel(29, 40), kSilver);
        QCOMPARE(image.pixel(51, 40), kSilver);
        QCOMPARE(image.pixel(40, 29), kSilver);
        QCOMPARE(image.pixel(40, 51), kSilver);
        QCOMPARE(image.pixel(200, 120), kSilver);

        // Another level shows another pattern: the square of pattern 2 covers pixels 190..210
        // across and 110..130 down.
        state->setLevel(2);
        window.refresh();
        image = picture(window);
        QCOMPARE(image.pixel(40, 40), kSilver);
        QCOMPARE(image.pixel(200, 120), kBlack);
        QCOMPARE(image.pixel(190, 110), kBlack);
        QCOMPARE(image.pixel(211, 120), kSilver);
    }

    void theTrianglesShowTheirOwnShape() {
        auto state = twoPatterns();
        // Only the large triangle 4 on the window, in orientation 0: legs along the axes with the
        // right angle at (+6, +6) from the reference point (50, 40): grid (36..56, 26..46).
        state->patterns[1].fill(kOffWindow);
        state->patterns[1][3] = TPlacement{50, 40, 0};
        TPatForm window(*state, *m_settings);
        const QImage image = picture(window);
        QCOMPARE(image.pixel(2 * 55, 2 * 45), kBlack);  // near the right angle
        QCOMPARE(image.pixel(2 * 38, 2 * 27), kSilver); // the cut-off corner
        QCOMPARE(image.pixel(2 * 55, 2 * 28), kBlack);  // near the upper tip
        QCOMPARE(image.pixel(2 * 38, 2 * 45), kBlack);  // near the left tip
    }

    void emptyCategoryAndDamagedRecordsShowNothingHarmful() {
        auto state = twoPatterns();
        state->setPatternCount(0);
        TPatForm window(*state, *m_settings);
        const QImage empty = picture(window);
        for (int y = 0; y < empty.height(); y += 5)
            for (int x = 0; x < empty.width(); x += 5)
                QCOMPARE(empty.pixel(x, y), kSilver);
        QCOMPARE(window.windowTitle(), QStringLiteral("animals - 1"));

        // An orientation beyond the table leaves that piece out and draws the rest.
        state->setPatternCount(2);
        state->patterns[1][kSquareIndex].orientation = 200;
        state->patterns[1][0] = TPlacement{60, 40, 0}; // a small triangle
        window.refresh();
        const QImage damaged = picture(window);
        QCOMPARE(damaged.pixel(40, 40), kSilver);
        QCOMPARE(damaged.pixel(120, 80), kBlack);
    }

    void captionNamesCategoryLevelAndOutcome_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("caption");
        QTest::newRow("open, English") << 0 << 0 << "animals - 12";
        QTest::newRow("help shown, English") << 0 << 6 << "animals - 12";
        QTest::newRow("open, German") << 1 << 3 << "Tiere - 12";
        QTest::newRow("solved, German") << 1 << 8 << "Tiere - 12 - gelöst";
        QTest::newRow("solved with help, English") << 0 << 14 << "animals - 12 - solved";
        QTest::newRow("dropped, English") << 0 << 15 << "animals - 12 - dropped";
        QTest::newRow("dropped, German") << 1 << 15 << "Tiere - 12 - aufgegeben";
        QTest::newRow("no language yet") << -1 << 15 << "animals - 12 - dropped";
    }
    void captionNamesCategoryLevelAndOutcome() {
        QFETCH(int, language);
        QFETCH(int, status);
        QFETCH(QString, caption);
        auto state = twoPatterns();
        state->setPatternCount(20);
        state->setLevel(12);
        state->language = languageFromSetting(language);
        const testing::ScopedLanguage installed(state->language);
        state->status[12] = static_cast<std::uint8_t>(status);
        TPatForm window(*state, *m_settings);
        QCOMPARE(window.toolTip(), caption); // the whole caption, where the title bar cuts it
        // The title may shorten the category's name, never the number or the state.
        const QString rest = caption.mid(caption.indexOf(QStringLiteral(" - ")));
        QVERIFY2(window.windowTitle().endsWith(rest), qPrintable(window.windowTitle()));
            }

    // The language button does not refresh the preview; its caption follows at the next repaint.
    void captionFollowsTheLanguageAtTheNextRepaint() {
        auto state = twoPatterns();
        state->status[1] = 8;
        TPatForm window(*state, *m_settings);
        window.showBeside(QRect(100, 100, 500, 400), QRect(110, 160, 480, 330));
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("animals - 1 - solved"));
        state->language = Language::German;
        const testing::ScopedLanguage german(Language::German);
        window.repaint();
        QCOMPARE(window.windowTitle(), QStringLiteral("Tiere - 1 - gelöst"));
        state->category = 7;
        state->status[1] = 15;
        window.refresh();
        QCOMPARE(window.toolTip(), QStringLiteral("Buchstaben und Ziffern - 1 - aufgegeben"));
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Buch")));
        QVERIFY(window.windowTitle().endsWith(QStringLiteral(" - 1 - aufgegeben")));
    }

    void opensBesideTheMainWindowWithoutStoredPosition() {
        auto state = twoPatterns();
        TPatForm window(*state, *m_settings);
        const QRect mainFrame = mainFrameOnScreen();
        window.showBeside(mainFrame, boardIn(mainFrame));
        QVERIFY(window.x() > mainFrame.right());
    }

    void placedAgainUnderAModalDialogItStaysHiddenTillTheDialogCloses() {
        auto state = twoPatterns();
        TPatForm window(*state, *m_settings);
        const QRect mainFrame = mainFrameOnScreen();
        window.showBeside(mainFrame, boardIn(mainFrame));
        QVERIFY(window.isVisible());
        QWidget main; // takes the focus back when the dialog closes
        main.show();
        QDialog dialog;
        dialog.setModal(true);
        dialog.show();
        dialog.activateWindow();
        QTRY_VERIFY(!window.isVisible());
        // The main window moves while the dialog is open: the preview goes along, unseen.
        const QPoint before = window.pos();
        window.showBeside(mainFrame.translated(0, 40), boardIn(mainFrame.translated(0, 40)));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.pos(), before + QPoint(0, 40));
        dialog.close();
        main.activateWindow();
        QTRY_VERIFY(window.isVisible());
    }

    void positionIsKeptAcrossRuns() {
        auto state = twoPatterns();
        {
            TPatForm window(*state, *m_settings);
            window.move(120, 80);
        }
        QCOMPARE(m_settings->read(SettingKeys::pleft), 120);
        QCOMPARE(m_settings->read(SettingKeys::ptop), 80);
        TPatForm again(*state, *m_settings);
        QCOMPARE(again.pos(), QPoint(120, 80));
    }

    void positionOffEveryScreenIsBroughtBack() {
        m_settings->write(SettingKeys::pleft, -5000);
        m_settings->write(SettingKeys::ptop, 9000);
        auto state = twoPatterns();
        TPatForm window(*state, *m_settings);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        window.showBeside(QRect(screen.topLeft() + QPoint(20, 20), QSize(500, 400)),
                          QRect(screen.topLeft() + QPoint(30, 70), QSize(480, 340)));
        QVERIFY2(screen.contains(window.geometry()),
                 qPrintable(QStringLiteral("%1,%2").arg(window.pos().x()).arg(window.pos().y())));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
};

QTEST_MAIN(PreviewWindowTest)
#include "windows_preview.moc"
