// SPDX-License-Identifier: GPL-3.0-or-later
// The message dialog driven offscreen: every page's name, text and buttons in each language, the
// modal result of every button, Escape, Enter and the close box, and the page kept between calls.
#include "dialogs/YesNo.h"
#include "tests/unit/language_support.h"
#include "tests/widgets/windows_support.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <memory>

using namespace tangram;
using testing::whenModal;

namespace {

struct Expected {
    const char* name;
    const char* german;
    const char* english;
    const char* french;
};

// The nine pages and their texts; French has four of them and shows English on the others.
const Expected kPages[10] = {
    {},
    {"won", "Hurra, geschafft!", "Hurrah, you did it!", "Super, tu as réussi!"},
    {"restart", "Willst Du die Stufe wirklich aufgeben?",
     "Do you really want to give up the level?", "Do you really want to give up the level?"},
    {"endgame", "Willst Du wirklich schon aufhören?", "Do you really want to go?",
     "Veux-tu vraiment arrêter?"},
    {"giveup", "Willst Du das Spiel wirklich aufgeben?", "Do you really want to give up the game?",
     "Veux-tu vraiment abandonner le jeu?"},
    {"toslow", "Du warst leider zu langsam!", "Sorry, you weren't quick enough!",
     "Sorry, you weren't quick enough!"},
    {"allsolved", "Gratulation, Du hast alle Stufen gelöst.",
     "Congratulations, you solved all levels.", "Congratulations, you solved all levels."},
    {"gameover", "Das Spiel ist leider aus.", "Sorry, game over!", "Sorry, game over!"},
    {"nextlevel", "Auf zur nächsten Stufe!", "The next level is waiting!",
     "The next level is waiting!"},
    {"lost", "Du hast leider verloren!", "Sorry, that was it!", "Tu as malheureusement perdu!"},
};

bool isYesNoPage(int page) {
    return page >= 2 && page <= 4;
}

QString part(const char* kind, int page, int index) {
    return QStringLiteral("%1%2%3")
        .arg(QLatin1String(kind))
        .arg(page, 2, 10, QLatin1Char('0'))
        .arg(index, 2, 10, QLatin1Char('0'));
}

QPushButton* button(QWidget* dialog, int page, int index) {
    return dialog->findChild<QPushButton*>(part("Btn", page, index));
}

// What a look at the open dialog found.
struct Seen {
    QString pageName;
    QString text;
    QString firstCaption;
    QString secondCaption; // empty on the OK pages
    int firstLeft = -1;
    int secondLeft = -1;
    bool firstIsDefault = false;
    bool imageSet = false;
};

Seen look(QWidget* dialog, int page) {
    Seen seen;
    auto* pages = dialog->findChild<QStackedWidget*>(QStringLiteral("pages"));
    seen.pageName = pages->currentWidget()->objectName();
    seen.text = dialog->findChild<QLabel*>(part("L", page, 1))->text();
    const auto* image = dialog->findChild<QLabel*>(part("Im", page, 1));
    seen.imageSet = !image->pixmap().isNull();
    QPushButton* first = button(dialog, page, 1);
    seen.firstCaption = first->text();
    seen.firstLeft = first->x();
    seen.firstIsDefault = first->isDefault();
    if (QPushButton* second = button(dialog, page, 2)) {
        seen.secondCaption = second->text();
        seen.secondLeft = second->x();
    }
    return seen;
}

} // namespace

class YesNoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_dialog = std::make_unique<TYesNoDlg>();
    }
    void cleanup() {
        m_dialog.reset();
    }

    void windowIsTheGamesSmallDialog() {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Wimbo Tangram"));
        QCOMPARE(m_dialog->size(), QSize(261, 103));
        QVERIFY(m_dialog->font().bold());
        QCOMPARE(m_dialog->font().pointSize(), 8);
    }

    void everyPageShowsItsTextAndButtons_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("page");
        for (int language : {1, 0, -1, 2})
            for (int page = 1; page <= 9; ++page)
                QTest::addRow("language %d page %d", language, page) << language << page;
    }
    void everyPageShowsItsTextAndButtons() {
        QFETCH(int, language);
        QFETCH(int, page);
        const testing::ScopedLanguage installed(languageFromSetting(language));
        Seen seen;
        auto answered = whenModal([&](QWidget* dialog) {
            seen = look(dialog, page);
            button(dialog, page, 1)->click();
        });
        int(m_dialog->showPage(static_cast<MessagePage>(page)));
        QVERIFY(*answered);

        const Expected& expected = kPages[page];
        QCOMPARE(seen.pageName, QLatin1String(expected.name));
        const char* text = language == 1   ? expected.german
                           : language == 2 ? expected.french
                                           : expected.english;
        QCOMPARE(seen.text, QString::fromUtf8(text));
        QVERIFY(seen.imageSet);
        QVERIFY(seen.firstIsDefault);
        if (isYesNoPage(page)) {
            const QString yes = language == 1 ? "Ja" : language == 2 ? "Oui" : "Yes";
            const QString no = language == 1 ? "Nein" : language == 2 ? "Non" : "No";
            QCOMPARE(seen.firstCaption, yes);
            QCOMPARE(seen.secondCaption, no);
            QCOMPARE(seen.firstLeft, 136); // Yes on the right
            QVERIFY(seen.secondLeft < seen.firstLeft);
        } else {
            QCOMPARE(seen.firstCaption, QStringLiteral("OK"));
            QVERIFY(seen.secondCaption.isEmpty());
            QCOMPARE(seen.firstLeft, 92);
        }
    }

    void buttonsGiveTheirModalResults_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("buttonIndex");
        QTest::addColumn<int>("result");
        for (int page : {1, 5, 6, 7, 8, 9})
            QTest::addRow("page %d OK", page) << page << 1 << 1;
        QTest::newRow("restart yes") << 2 << 1 << 6;
        QTest::newRow("restart no") << 2 << 2 << 7;
        QTest::newRow("endgame yes") << 3 << 1 << 6;
        QTest::newRow("endgame no is cancel") << 3 << 2 << 2;
        QTest::newRow("giveup yes") << 4 << 1 << 6;
        QTest::newRow("giveup no") << 4 << 2 << 7;
    }
    void buttonsGiveTheirModalResults() {
        QFETCH(int, page);
        QFETCH(int, buttonIndex);
        QFETCH(int, result);
        auto answered = whenModal([&](QWidget* dialog) {
            QTest::mouseClick(button(dialog, page, buttonIndex), Qt::LeftButton);
        });
        QCOMPARE(int(m_dialog->showPage(static_cast<MessagePage>(page))), result);
        QVERIFY(*answered);
        QCOMPARE(m_dialog->result(), result);
    }

    void escapeAndCloseBoxNeverSayYes_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<int>("result");
        QTest::newRow("restart escape") << 2 << false << 7;
        QTest::newRow("endgame escape") << 3 << false << 2;
        QTest::newRow("giveup escape") << 4 << false << 7;
        QTest::newRow("won escape") << 1 << false << 2;
        for (int page = 1; page <= 9; ++page)
            QTest::addRow("page %d close box", page) << page << true << 2;
    }
    void escapeAndCloseBoxNeverSayYes() {
        QFETCH(int, page);
        QFETCH(bool, closeBox);
        QFETCH(int, result);
        auto answered = whenModal([&](QWidget* dialog) {
            if (closeBox)
                dialog->close();
            else
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        const int got = int(m_dialog->showPage(static_cast<MessagePage>(page)));
        QVERIFY(*answered);
        QCOMPARE(got, result);
        QVERIFY(got != int(ModalResult::Yes));
    }

    void enterPressesTheDefaultButton_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("result");
        QTest::newRow("won") << 1 << 1;
        QTest::newRow("endgame") << 3 << 6;
        QTest::newRow("giveup") << 4 << 6;
    }
    void enterPressesTheDefaultButton() {
        QFETCH(int, page);
        QFETCH(int, result);
        auto answered = whenModal([](QWidget* dialog) {
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Return);
        });
        QCOMPARE(int(m_dialog->showPage(static_cast<MessagePage>(page))), result);
        QVERIFY(*answered);
    }

    void pageOutsideTheRangeShowsThePageShownLast() {
        QCOMPARE(m_dialog->currentPage(), 9); // before any page was shown
        QString shown;
        auto answerOk = [&](QWidget* dialog) {
            shown = dialog->findChild<QStackedWidget*>(QStringLiteral("pages"))
                        ->currentWidget()
                        ->objectName();
            dialog->findChild<QStackedWidget*>(QStringLiteral("pages"))
                ->currentWidget()
                ->findChildren<QPushButton*>()
                .first()
                ->click();
        };
        whenModal(answerOk);
        int(m_dialog->showPage(static_cast<MessagePage>(0)));
        QCOMPARE(shown, QStringLiteral("lost"));

        whenModal([](QWidget* dialog) { button(dialog, 4, 1)->click(); });
        int(m_dialog->showPage(static_cast<MessagePage>(4)));
        whenModal(answerOk);
        int(m_dialog->showPage(static_cast<MessagePage>(10)));
        QCOMPARE(shown, QStringLiteral("giveup"));
        QCOMPARE(m_dialog->currentPage(), 4);
    }

    void languageChangeShowsAtTheNextShowing() {
        QString text;
        auto answer = [&](QWidget* dialog) {
            text = dialog->findChild<QLabel*>(QStringLiteral("L0301"))->text() + "|" +
                   button(dialog, 3, 1)->text();
            button(dialog, 3, 2)->click();
        };
        whenModal(answer);
        int(m_dialog->showPage(static_cast<MessagePage>(3)));
        QCOMPARE(text, QStringLiteral("Do you really want to go?|Yes"));
        const testing::ScopedLanguage german(Language::German);
        whenModal(answer);
        int(m_dialog->showPage(static_cast<MessagePage>(3)));
        QCOMPARE(text, QStringLiteral("Willst Du wirklich schon aufhören?|Ja"));
    }

private:
    std::unique_ptr<TYesNoDlg> m_dialog;
};

QTEST_MAIN(YesNoTest)
#include "windows_yesno.moc"
