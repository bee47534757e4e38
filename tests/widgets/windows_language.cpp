// SPDX-License-Identifier: GPL-3.0-or-later
// The language dialog driven offscreen: each button writes its language and nothing else, the
// close box and Escape leave the language alone, and the dialog looks as the game designs it.
#include "dialogs/Tongdlg.h"
#include "tests/widgets/windows_support.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tangram;
using testing::whenModal;

namespace {

// A state with something in every field, so that a stray write shows.
std::unique_ptr<GameState> busyState(int language) {
    auto state = std::make_unique<GameState>();
    state->programDir = QStringLiteral("/opt/game/");
    state->language = language;
    state->category = 3;
    state->level = 7;
    state->patternCount = 12;
    state->patterns[7][2] = TPlacement{40, 30, 5};
    state->status[7] = 9;
    state->progressPath = QStringLiteral("/home/player/puzzle.pzs");
    state->modified = true;
    return state;
}

void expectUntouchedBesidesLanguage(const GameState& state) {
    const auto reference = busyState(state.language);
    QCOMPARE(state.programDir, reference->programDir);
    QCOMPARE(state.category, reference->category);
    QCOMPARE(state.level, reference->level);
    QCOMPARE(state.patternCount, reference->patternCount);
    QVERIFY(state.patterns == reference->patterns);
    QVERIFY(state.status == reference->status);
    QCOMPARE(state.progressPath, reference->progressPath);
    QCOMPARE(state.modified, reference->modified);
}

} // namespace

class LanguageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesigned() {
        GameState state;
        TTongueDlg dialog(state);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Wimbo Tangram V2.7"));
        QCOMPARE(dialog.size(), QSize(320, 91));
        QCOMPARE(dialog.EnglishBtn()->text(), QStringLiteral("I speak english."));
        QCOMPARE(dialog.GermanBtn()->text(), QStringLiteral("Ich spreche deutsch."));
        QCOMPARE(dialog.EnglishBtn()->size(), QSize(221, 27));
        QCOMPARE(dialog.GermanBtn()->size(), QSize(221, 27));
        QVERIFY(dialog.EnglishBtn()->y() < dialog.GermanBtn()->y());
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("Image4"))->pixmap().isNull());
    }

    // The flags are drawn from the project's pictures: a missing or broken picture would leave
    // the button's icon blank.
    void flagPicturesAreDrawn() {
        GameState state;
        TTongueDlg dialog(state);
        for (QPushButton* button : {dialog.EnglishBtn(), dialog.GermanBtn()}) {
            const QImage flags = button->icon().pixmap(button->iconSize()).toImage();
            QVERIFY(!flags.isNull());
            int coloured = 0;
            for (int y = 0; y < flags.height(); ++y)
                for (int x = 0; x < flags.width(); ++x)
                    coloured += qAlpha(flags.pixel(x, y)) > 0 ? 1 : 0;
            QVERIFY2(coloured > flags.width() * flags.height() / 2, qPrintable(button->text()));
        }
    }

    void eachButtonWritesItsLanguage_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("german");
        QTest::addColumn<int>("after");
        QTest::newRow("first start, English") << -1 << false << 0;
        QTest::newRow("first start, German") << -1 << true << 1;
        QTest::newRow("German to English") << 1 << false << 0;
        QTest::newRow("English to German") << 0 << true << 1;
    }
    void eachButtonWritesItsLanguage() {
        QFETCH(int, before);
        QFETCH(bool, german);
        QFETCH(int, after);
        auto state = busyState(before);
        TTongueDlg dialog(*state);
        auto answered = whenModal([&](QWidget* open) {
            auto* button = open->findChild<QPushButton*>(german ? QStringLiteral("GermanBtn")
                                                                : QStringLiteral("EnglishBtn"));
            QTest::mouseClick(button, Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), 1);
        QVERIFY(*answered);
        QCOMPARE(state->language, after);
        expectUntouchedBesidesLanguage(*state);
    }

    void closingWithoutChoiceKeepsTheLanguage_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close box") << false;
        QTest::newRow("escape") << true;
    }
    void closingWithoutChoiceKeepsTheLanguage() {
        QFETCH(bool, escape);
        auto state = busyState(-1);
        TTongueDlg dialog(*state);
        auto answered = whenModal([&](QWidget* open) {
            if (escape)
                QTest::keyClick(open, Qt::Key_Escape);
            else
                open->close();
        });
        QCOMPARE(dialog.exec(), 2);
        QVERIFY(*answered);
        QCOMPARE(state->language, -1);
        expectUntouchedBesidesLanguage(*state);
    }

    // The English button has the focus, so Enter chooses English.
    void enterChoosesEnglish() {
        auto state = busyState(1);
        TTongueDlg dialog(*state);
        QWidget* focused = nullptr;
        whenModal([&](QWidget* open) {
            focused = open->focusWidget();
            QTest::keyClick(focused, Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(focused, dialog.EnglishBtn());
        QCOMPARE(state->language, 0);
    }
};

QTEST_MAIN(LanguageDialogTest)
#include "windows_language.moc"
