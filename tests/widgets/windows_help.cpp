// SPDX-License-Identifier: GPL-3.0-or-later
// The rules window and the help document, offscreen: the document beside the program opens at the
// topic of the language, a missing document is reported in the player's language, and the
// document itself has both topics, working links and the whole of the rules in both languages.
#include "dialogs/HelpViewer.h"
#include "tests/unit/language_support.h"
#include "tests/widgets/windows_support.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <memory>

using namespace tangram;
using testing::whenModal;

namespace {

QString helpSource() {
    QFile file(QStringLiteral(WT_HELP_SOURCE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Anchor names of the document shown.
QSet<QString> anchorsOf(const QTextDocument* document) {
    QSet<QString> names;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (const QString& name : it.fragment().charFormat().anchorNames())
                names.insert(name);
    return names;
}

// Top of the block holding anchor `name`, in document pixels; -1 when there is none.
int anchorTop(const QTextDocument* document, const QString& name) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(name))
                return qRound(document->documentLayout()->blockBoundingRect(block).top());
    return -1;
}

// The view shows `topic` at its top, as far as the document can scroll.
bool scrolledTo(QTextBrowser* browser, const QString& topic) {
    const int top = anchorTop(browser->document(), topic);
    const QScrollBar* bar = browser->verticalScrollBar();
    return top >= 0 && bar->value() == qMin(top, bar->maximum());
}

// Anchor names written in the document's source.
QSet<QString> anchorsIn(const QString& source) {
    QSet<QString> names;
    for (const auto& match :
         QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(source))
        names.insert(match.captured(1));
    return names;
}

// The plain text of one language's part of the document.
QString section(const QString& source, const QString& from, const QString& to) {
    const int begin = source.indexOf(QStringLiteral("name=\"%1\"").arg(from));
    const int end =
        to.isEmpty() ? source.size() : source.indexOf(QStringLiteral("name=\"%1\"").arg(to));
    if (begin < 0 || end < begin)
        return {};
    QTextDocument document;
    document.setHtml(source.mid(begin - 3, end - begin));
    return document.toPlainText();
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void topicFollowsTheLanguage() {
        QCOMPARE(HelpViewer::topicFor(Language::German), QStringLiteral("Das_Spiel"));
        QCOMPARE(HelpViewer::topicFor(Language::English), QStringLiteral("The_game"));
        QCOMPARE(HelpViewer::topicFor(Language::NotChosen), QStringLiteral("The_game"));
    }

    void opensTheFileBesideTheProgramAtTheLanguagesTopic() {
        GameState state;
        state.programDir = QStringLiteral(WT_PROGRAM_DIR "/");
        HelpViewer viewer;
        viewer.resize(500, 400);

        state.language = Language::English;
        QVERIFY(viewer.showRules(state));
        QVERIFY(viewer.isVisible());
        QCOMPARE(viewer.browser()->source().fragment(), QStringLiteral("The_game"));
        QCOMPARE(viewer.browser()->source().fileName(), QStringLiteral("KELM2.HLP"));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Wimbo Tangram - Rules"));
        // Every anchor of the file survives into the document shown, the two topics included.
        const QSet<QString> shown = anchorsOf(viewer.browser()->document());
        const QSet<QString> written = anchorsIn(helpSource());
        QVERIFY(written.contains(QStringLiteral("Das_Spiel")));
        QVERIFY(written.contains(QStringLiteral("The_game")));
        for (const QString& anchor : written)
            QVERIFY2(shown.contains(anchor), qPrintable(anchor));
        // The English part follows the German one: the view has scrolled down to it.
        QTRY_VERIFY(scrolledTo(viewer.browser(), QStringLiteral("The_game")));
        QVERIFY(viewer.browser()->verticalScrollBar()->value() > 100);
        // Read as UTF-8.
        QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("Spielstände")));

        state.language = Language::German;
        auto german = std::make_unique<testing::ScopedLanguage>(Language::German);
        QVERIFY(viewer.showRules(state));
        QCOMPARE(viewer.browser()->source().fragment(), QStringLiteral("Das_Spiel"));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Wimbo Tangram - Spielregeln"));
        QCOMPARE(viewer.findChild<QPushButton*>(QStringLiteral("CloseBtn"))->text(),
                 QStringLiteral("Schließen"));
        QTRY_VERIFY(scrolledTo(viewer.browser(), QStringLiteral("Das_Spiel")));
        QVERIFY(viewer.browser()->verticalScrollBar()->value() < 100);
        // A switch back to English while the window is open retitles it as soon as Qt passes the
        // change on.
        german.reset();
        QTRY_COMPARE(viewer.windowTitle(), QStringLiteral("Wimbo Tangram - Rules"));
        QCOMPARE(viewer.findChild<QPushButton*>(QStringLiteral("CloseBtn"))->text(),
                 QStringLiteral("Close"));

        viewer.close();
        QVERIFY(!viewer.isVisible());
    }

    void escapeClosesTheRules() {
        GameState state;
        state.programDir = QStringLiteral(WT_PROGRAM_DIR "/");
        HelpViewer viewer;
        QVERIFY(viewer.showRules(state));
        viewer.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        QTest::keyClick(viewer.browser(), Qt::Key_Escape);
        QVERIFY(!viewer.isVisible());
    }

    void missingFileIsReported_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("words");
        QTest::newRow("German") << 1 << QStringLiteral("nicht gefunden");
        QTest::newRow("English") << 0 << QStringLiteral("Cannot find");
    }
    void missingFileIsReported() {
        QFETCH(int, language);
        QFETCH(QString, words);
        QTemporaryDir empty;
        GameState state;
        state.language = languageFromSetting(language);
        const testing::ScopedLanguage installed(state.language);
        state.programDir = empty.path() + QLatin1Char('/');
        HelpViewer viewer;
        QString message;
        auto answered = whenModal([&](QWidget* open) {
            auto* box = qobject_cast<QMessageBox*>(open);
            QVERIFY(box);
            message = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        QVERIFY(!viewer.showRules(state));
        QVERIFY(*answered);
        QVERIFY(!viewer.isVisible());
        QVERIFY2(message.contains(words), qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("KELM2.HLP")));
        QVERIFY(message.contains(empty.path()));
    }

    void everyLinkOfTheDocumentLeadsSomewhere() {
        const QString source = helpSource();
        QVERIFY(!source.isEmpty());
        const QSet<QString> anchors = anchorsIn(source);
        int links = 0;
        for (const auto& match :
             QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).globalMatch(source)) {
            const QString target = match.captured(1);
            QVERIFY2(target.startsWith(QLatin1Char('#')), qPrintable(target));
            QVERIFY2(anchors.contains(target.mid(1)), qPrintable(target));
            ++links;
        }
        QVERIFY(links > 10);
    }

    // Each language explains every part of the game.
    void bothLanguagesExplainTheWholeGame_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("German") << QStringLiteral("Das_Spiel") << QStringLiteral("The_game")
                                << QStringList{"Aufnehmen",      "Schieben",
                                               "Drehen",         "Spiegeln",
                                               "Ablegen",        "rechten Maustaste",
                                               "Hilfe",          "aufgegeben",
                                               "Menschen",       "Buchstaben und Ziffern",
                                               ".pzs",           "Statistik",
                                               "Punkte",         "22,5",
                                               "Parallelogramm", "Quadrat"};
        QTest::newRow("English") << QStringLiteral("The_game") << QString()
                                 << QStringList{"Lift",          "Move",
                                                "Turn",          "Mirror",
                                                "Drop",          "right mouse button",
                                                "Help",          "dropped",
                                                "humans",        "letters and numbers",
                                                ".pzs",          "statistics",
                                                "points",        "22.5",
                                                "parallelogram", "square"};
    }
    void bothLanguagesExplainTheWholeGame() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, words);
        const QString text = section(helpSource(), from, to);
        QVERIFY(text.size() > 3000);
        for (const QString& word : words)
            QVERIFY2(text.contains(word), qPrintable(word));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "windows_help.moc"
