// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as host of the game session: the toolbar reaches the session, the window
// follows the session's state, and its own dialogs (file dialogs, the overwrite question, errors)
// answer the session's questions. Driven offscreen with the other windows replaced by a scripted
// stand-in and modal dialogs answered by timers. The flows themselves are tested on the session.
#include "data/texts.h"
#include "tests/unit/language_support.h"
#include "model/cellgrid.h"
#include "services/settingsstore.h"
#include "ui/Main.h"
#include "ui/gamedialogs.h"
#include "windows_support.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <deque>
#include <memory>

using namespace tangram;
using tangram::testing::whenModal;

namespace {

class ScriptedDialogs : public GameDialogs {
public:
    std::deque<ModalResult> answers; // results of the next message pages
    QStringList log;
    ModalResult showMessagePage(MessagePage page) override {
        log << QStringLiteral("page %1").arg(static_cast<int>(page));
        if (answers.empty()) {
            return ModalResult::Cancel;
        }
        const ModalResult a = answers.front();
        answers.pop_front();
        return a;
    }
    void showSplash() override { log << "splash"; }
    std::optional<Language> chosenLanguage; // what the language dialog "chooses"
    std::optional<Language> showLanguageDialog() override {
        log << "language";
        return chosenLanguage;
    }
    int chosenLevel = 0;
    int showSelectDialog() override {
        log << "select";
        return chosenLevel;
    }
    void showStatistics() override { log << "statistics"; }
    void showInfo() override { log << "info"; }
    void refreshPreview() override { log << "preview"; }
    QRect previewBeside; // the main window's frame the preview was last placed beside
    void showPreview(const QRect& mainFrame, const QRect&) override {
        log << "show preview";
        previewBeside = mainFrame;
    }
    void showWonPage(const QRect& figure) override {
        log << "won";
        wonFigure = figure;
    }
    QRect wonFigure;
    void openRules() override { log << "rules"; }
    void closeRules() override { log << "close rules"; }
};

// Records for a library: `counts[c]` patterns of category c, each a valid arrangement.
QByteArray library(const QList<int>& counts) {
    QByteArray bytes;
    for (int c = 0; c < counts.size(); ++c) {
        for (int n = 0; n < counts[c]; ++n) {
            bytes.append(char(c));
            for (int piece = 0; piece < 7; ++piece) {
                const TPlacement& p = HomePlacements[piece];
                bytes.append(char(p.column)).append(char(p.row)).append(char(p.orientation));
            }
        }
    }
    return bytes;
}

// Answers the next file dialog with `name`, or cancels it when `name` is empty.
std::shared_ptr<bool> answerFileDialog(const QString& name) {
    return whenModal([name](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        QVERIFY(dlg);
        if (name.isEmpty()) {
            dlg->reject();
        } else {
            dlg->selectFile(name);
            QMetaObject::invokeMethod(dlg, "accept", Qt::DirectConnection);
        }
    });
}

// Answers the next message box with `button`; keeps its text and, for a yes/no question, whether
// No stands left of Yes.
std::shared_ptr<bool> answerMessageBox(QMessageBox::StandardButton button,
                                       QString* text = nullptr, bool* noLeftOfYes = nullptr) {
    return whenModal([button, text, noLeftOfYes](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        if (text) {
            *text = box->text();
        }
        if (noLeftOfYes) {
            QAbstractButton* no = box->button(QMessageBox::No);
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            QVERIFY(no && yes);
            *noLeftOfYes = no->mapToGlobal(QPoint()).x() < yes->mapToGlobal(QPoint()).x();
        }
        box->done(button);
    });
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    QString programDir() const { return m_dir->path() + '/'; }
    void writeLibrary(const QList<int>& counts) {
        QFile f(programDir() + "kelm.dat");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(library(counts));
    }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        // The default progress file goes below the data folder: keep it in the test's folder.
        qputenv("XDG_DATA_HOME", (m_dir->path() + "/data").toLocal8Bit());
        m_settings = std::make_unique<SettingsStore>(m_dir->path() + "/settings.ini");
        writeLibrary({5, 3, 12, 1, 2, 2, 2, 40});
    }

    void toolbarReachesTheSessionAndFollowsItsState() {
        TMainform w(*m_settings, programDir());
        QVERIFY(w.libraryError().isEmpty());
        QVERIFY(w.toolButton(ToolButtonId::Humans)->isChecked());
        QVERIFY(w.toolButton(ToolButtonId::Tip)->isEnabled());
        QCOMPARE(w.windowTitle(), QStringLiteral("Wimbo Tangram"));
        ScriptedDialogs dialogs;
        w.setDialogs(&dialogs);
        w.toolButton(ToolButtonId::Up)->click();
        QCOMPARE(w.state().level(), 2);
        QVERIFY(dialogs.log.endsWith("preview"));
        w.toolButton(ToolButtonId::Down)->click();
        QCOMPARE(w.state().level(), 1);
        dialogs.chosenLevel = 4;
        w.toolButton(ToolButtonId::Select)->click();
        QCOMPARE(w.state().level(), 4);
        w.toolButton(ToolButtonId::Tip)->click();
        QVERIFY(w.state().modified);
        w.toolButton(ToolButtonId::Convex)->click();
        QCOMPARE(w.state().category, 6);
        QVERIFY(w.toolButton(ToolButtonId::Convex)->isChecked());
        // Unasked, the progress went to the default file in the player's data folder.
        const QString kept = w.session().defaultProgressFile();
        QVERIFY2(kept.startsWith(m_dir->path() + "/data/"), qPrintable(kept));
        QVERIFY(QFile::exists(kept));
    }

    void soundFollowsTheToggleFromTheStart() {
        m_settings->WriteBoolSetting("common", "sound", false);
        TMainform w(*m_settings, programDir());
        QVERIFY(!w.toolButton(ToolButtonId::Sound)->isChecked());
        QVERIFY(!w.session().soundOn());
        w.toolButton(ToolButtonId::Sound)->click();
        QVERIFY(w.session().soundOn());
    }

    void errorsAtStartAreShownInAMessageBox() {
        const QString gone = programDir() + "gone/old.pzs";
        m_settings->WriteTextSetting("common", "save", gone);
        TMainform w(*m_settings, programDir());
        QString text;
        QPoint centre;
        auto answered = whenModal([&](QWidget* box) {
            text = qobject_cast<QMessageBox*>(box)->text();
            centre = box->geometry().center();
            qobject_cast<QMessageBox*>(box)->done(QMessageBox::Ok);
        });
        w.move(300, 200);
        w.show();
        QTRY_VERIFY(*answered);
        QCOMPARE(text, loadFailedMessage(gone));
        // Shown over the main window, not at a corner of the screen.
        QVERIFY2((centre - w.geometry().center()).manhattanLength() < 60,
                 qPrintable(QStringLiteral("box centre %1,%2").arg(centre.x()).arg(centre.y())));
    }

    void saveAsForcesTheExtensionAndAsksBeforeOverwriting() {
        m_settings->WriteIntSetting("common", "tongue", 0);
        TMainform w(*m_settings, programDir());
        auto a = answerFileDialog(programDir() + "puzzle.txt");
        QCOMPARE(w.askSavePath(programDir(), QString()), programDir() + "puzzle.pzs");
        QVERIFY(*a);
        QFile existing(programDir() + "puzzle.pzs");
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();

        // The same name again: No shows the file dialog again, and cancelling there chooses
        // nothing.
        QString question;
        bool noLeftOfYes = false;
        auto first = answerFileDialog(programDir() + "puzzle.pzs");
        QTimer::singleShot(300, [&] {
            answerMessageBox(QMessageBox::No, &question, &noLeftOfYes);
            QTimer::singleShot(300, [] { answerFileDialog(QString()); });
        });
        QVERIFY(w.askSavePath(programDir(), QString()).isEmpty());
        QVERIFY(*first);
        QCOMPARE(question, overwriteQuestion(programDir() + "puzzle.pzs"));
        QVERIFY2(noLeftOfYes, "the buttons stand as on the game's own pages");
        // Yes takes it.
        auto again = answerFileDialog(programDir() + "puzzle.pzs");
        QTimer::singleShot(300, [] { answerMessageBox(QMessageBox::Yes); });
        QCOMPARE(w.askSavePath(programDir(), QString()), programDir() + "puzzle.pzs");
        QVERIFY(*again);
    }

    void closingAsksAndWritesTheSettingsOnlyOnYes() {
        auto w = std::make_unique<TMainform>(*m_settings, programDir());
        ScriptedDialogs dialogs;
        w->setDialogs(&dialogs);
        dialogs.chosenLanguage = Language::German;
        w->TongueBtnClick();
        dialogs.answers = {ModalResult::No};
        QVERIFY(!w->close());
        QCOMPARE(m_settings->read(SettingKeys::tongue), -1);
        dialogs.answers = {ModalResult::Yes};
        QSignalSpy closed(w.get(), &TMainform::closed);
        w->toolButton(ToolButtonId::Sound)->setChecked(false);
        QVERIFY(w->close());
        QCOMPARE(closed.count(), 1);
        QVERIFY(dialogs.log.contains("close rules"));
        QCOMPARE(m_settings->read(SettingKeys::tongue), 1);
        QCOMPARE(m_settings->read(SettingKeys::sound), false);
        QCOMPARE(m_settings->read(SettingKeys::wid), w->width());
        w.reset();
        QVERIFY(m_settings->readPlacement().has_value());
    }

    void hintsFollowTheLanguage() {
        TMainform w(*m_settings, programDir());
        w.session().setLanguage(Language::German);
        QVERIFY(w.toolButton(ToolButtonId::Load)
                    ->toolTip()
                    .startsWith(QStringLiteral("Ich hol mir einen alten Spielstand.")));
        QCOMPARE(w.toolButton(ToolButtonId::Tongue)->statusTip(),
                 QStringLiteral("I don't speak German."));
        QCOMPARE(w.toolButton(ToolButtonId::Buildings)->statusTip(),
                 QStringLiteral("Kategorie: Gebäude und Schiffe"));
        // The key names in the tooltips are German too.
        QVERIFY2(w.toolButton(ToolButtonId::Load)->toolTip().endsWith(QStringLiteral("(Strg+O)")),
                 qPrintable(w.toolButton(ToolButtonId::Load)->toolTip()));
        const QString pageDown = w.toolButton(ToolButtonId::Up)->toolTip();
        QVERIFY2(!pageDown.contains(QStringLiteral("PgDown")) && pageDown.endsWith(QStringLiteral("(Bild abwärts)")),
                 qPrintable(pageDown));
        w.session().setLanguage(Language::English);
        QVERIFY(w.toolButton(ToolButtonId::Load)->toolTip().endsWith(QStringLiteral("(Ctrl+O)")));
        QCOMPARE(w.toolButton(ToolButtonId::Convex)->statusTip(),
                 QStringLiteral("Category: convex Tangrams"));
        QVERIFY(w.toolButton(ToolButtonId::Rules)->toolTip().contains("F1"));
    }

    void languageButtonChangesEveryHintAndTheCaptionAtOnce() {
        TMainform w(*m_settings, programDir());
        ScriptedDialogs dialogs;
        w.setDialogs(&dialogs);
        w.session().chooseLevel(1);
        auto saved = answerFileDialog(programDir() + "mine.pzs");
        w.session().saveAs();
        QVERIFY(*saved);
        // Every hint in both languages, worded with the translations installed by hand.
        auto hintsIn = [](Language language) {
            const testing::ScopedLanguage installed(language);
            QStringList hints;
            for (int id = 0; id < kToolButtonCount; ++id)
                hints << hintText(static_cast<ToolButtonId>(id));
            return hints;
        };
        const QStringList english = hintsIn(Language::English);
        const QStringList german = hintsIn(Language::German);
        for (const Language language : {Language::German, Language::English, Language::German}) {
            dialogs.chosenLanguage = language;
            w.TongueBtnClick();
            const QStringList& hints = language == Language::German ? german : english;
            for (int id = 0; id < kToolButtonCount; ++id) {
                const auto button = static_cast<ToolButtonId>(id);
                QCOMPARE(w.toolButton(button)->statusTip(), hints[id]);
                QVERIFY(w.toolButton(button)->toolTip().startsWith(hints[id]));
            }
            QCOMPARE(w.windowTitle(), language == Language::German
                                          ? QStringLiteral("Wimbo Tangram - Spiel mine.pzs")
                                          : QStringLiteral("Wimbo Tangram - Game mine.pzs"));
            QVERIFY(dialogs.log.endsWith("preview"));
        }
        // The German and English hints really differ for every button.
        for (int id = 0; id < kToolButtonCount; ++id)
            QVERIFY(english[id] != german[id]);
    }

    void firstActivationShowsSplashThenLanguage() {
        TMainform w(*m_settings, programDir());
        ScriptedDialogs dialogs;
        w.setDialogs(&dialogs);
        w.show();
        QApplication::setActiveWindow(&w);
        QTRY_VERIFY(dialogs.log.contains("language"));
        QCOMPARE(dialogs.log.indexOf("splash"), 0);
        QCOMPARE(dialogs.log.indexOf("language"), 1);
    }

    void previewFollowsAWindowManagerThatMovesTheWindowLate() {
        TMainform w(*m_settings, programDir());
        ScriptedDialogs dialogs;
        w.setDialogs(&dialogs);
        w.show();
        QTRY_VERIFY(dialogs.log.contains("show preview"));
        const QRect first = dialogs.previewBeside;
        // A slow window manager moves the window after the preview has been placed.
        w.move(w.pos() + QPoint(40, 30));
        QTRY_COMPARE(dialogs.previewBeside, first.translated(40, 30));
        // Once the window has settled the preview stays where it is (or where the player put it).
        QTest::qWait(TMainform::kPreviewSettleMs + 200);
        const qsizetype placed = dialogs.log.count("show preview");
        w.move(w.pos() + QPoint(60, 0));
        QTest::qWait(100);
        QCOMPARE(dialogs.log.count("show preview"), placed);
        QCOMPARE(dialogs.previewBeside, first.translated(40, 30));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
