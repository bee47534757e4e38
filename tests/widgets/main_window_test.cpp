// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands, start-up and close flow, driven offscreen with the other windows
// replaced by a scripted stand-in and modal file dialogs and message boxes answered by timers.
#include "data/texts.h"
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
    std::deque<int> answers; // modal results of the next message pages
    QStringList log;
    int showMessagePage(int page) override {
        log << QStringLiteral("page %1").arg(page);
        if (answers.empty()) {
            return 2;
        }
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    void showSplash() override { log << "splash"; }
    int chosenLanguage = -2; // what the language dialog "chooses"; -2 leaves it alone
    GameState* state = nullptr;
    void showLanguageDialog() override {
        log << "language";
        if (state && chosenLanguage != -2) {
            state->language = chosenLanguage;
        }
    }
    bool showSelectDialog() override {
        log << "select";
        return false;
    }
    void showStatistics() override { log << "statistics"; }
    void showInfo() override { log << "info"; }
    void refreshPreview() override { log << "preview"; }
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

std::shared_ptr<bool> answerMessageBox(QMessageBox::StandardButton button,
                                       QString* text = nullptr) {
    return whenModal([button, text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        if (text) {
            *text = box->text();
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

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_dir->path() + "/settings.ini");
        writeLibrary({5, 3, 12, 1, 2, 2, 2, 40});
    }

    void firstStartUsesTheDefaults() {
        TMainform w(*m_settings, programDir());
        QVERIFY(w.libraryError().isEmpty());
        QCOMPARE(w.state().language, -1);
        QCOMPARE(w.state().category, 0);
        QCOMPARE(w.state().level, 1);
        QVERIFY(w.soundOn());
        QVERIFY(w.toolButton(ToolButtonId::Humans)->isChecked());
        QCOMPARE(w.windowTitle(), QStringLiteral("Wimbo Tangram"));
        QVERIFY(w.toolButton(ToolButtonId::Tip)->isEnabled());
    }

    void damagedSettingsFallBackSafely_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("tongue");
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("expectedLevel");
        QTest::addColumn<int>("language");
        QTest::newRow("group 9") << "9"
                                 << "3"
                                 << "1" << 7 << 3 << 1;
        QTest::newRow("group -3") << "-3"
                                  << "2"
                                  << "0" << 0 << 2 << 0;
        QTest::newRow("group 12, level too high") << "12"
                                                  << "99999"
                                                  << "x" << 7 << 40 << -1;
        QTest::newRow("level -5") << "0"
                                  << "-5"
                                  << "1" << 0 << 1 << 1;
        QTest::newRow("text for numbers") << "abc"
                                          << "many"
                                          << "" << 0 << 1 << -1;
    }
    void damagedSettingsFallBackSafely() {
        QFETCH(QString, group);
        QFETCH(QString, level);
        QFETCH(QString, tongue);
        m_settings->WriteTextSetting("common", "group", group);
        m_settings->WriteTextSetting("common", "level", level);
        m_settings->WriteTextSetting("common", "tongue", tongue);
        TMainform w(*m_settings, programDir());
        QTEST(w.state().category, "category");
        QTEST(w.state().level, "expectedLevel");
        QTEST(w.state().language, "language");
    }

    void soundFollowsTheToggleFromTheStart() {
        m_settings->WriteBoolSetting("common", "sound", false);
        TMainform w(*m_settings, programDir());
        QVERIFY(!w.soundOn());
        QVERIFY(!w.sounds().isEnabled());
        w.toolButton(ToolButtonId::Sound)->click();
        QVERIFY(w.sounds().isEnabled());
    }

    void missingLibraryGivesTheExactMessage() {
        QFile::remove(programDir() + "kelm.dat");
        {
            TMainform w(*m_settings, programDir());
            QCOMPARE(w.libraryError(),
                     QStringLiteral("Can't find file kelm.dat. Program aborted."));
        }
        m_settings->WriteIntSetting("common", "tongue", 1);
        TMainform w(*m_settings, programDir());
        QCOMPARE(w.libraryError(),
                 QStringLiteral(
                     "Datei kelm.dat konnte nicht gefunden werden. Programm wird abgebrochen."));
    }

    void vanishedProgressFileAtStartIsReportedAndKept() {
        const QString gone = programDir() + "gone/old.pzs";
        m_settings->WriteTextSetting("common", "save", gone);
        QString text;
        auto answered = answerMessageBox(QMessageBox::Ok, &text);
        TMainform w(*m_settings, programDir());
        QVERIFY(*answered);
        QCOMPARE(text, loadFailedMessage(-1, gone));
        QCOMPARE(w.state().progressPath, gone);
        QVERIFY(!w.state().modified);
    }

    void sameCategoryDoesNothingAndAnotherAsksForAFile() {
        TMainform w(*m_settings, programDir());
        ScriptedDialogs dialogs;
        w.setDialogs(&dialogs);
        w.ChangeCategory(0);
        QVERIFY(dialogs.log.isEmpty());
        w.state().level = 30;
        auto answered = answerFileDialog(QString()); // cancelled: the change still goes on
        w.ChangeCategory(2);
        QVERIFY(*answered);
        QCOMPARE(w.state().category, 2);
        QCOMPARE(w.state().level, 12);
        QVERIFY(!w.state().modified);
        QVERIFY(dialogs.log.contains("preview"));
    }

    void nextAndPreviousStopAtTheEnds() {
        m_settings->WriteIntSetting("common", "group", 4);
        TMainform w(*m_settings, programDir());
        w.UpBtnClick();
        QCOMPARE(w.state().level, 2);
        w.UpBtnClick();
        QCOMPARE(w.state().level, 2);
        w.DownBtnClick();
        w.DownBtnClick();
        QCOMPARE(w.state().level, 1);
    }

    void newGameAsksAndClearsOnlyOnYes() {
        TMainform w(*m_settings, programDir());
        ScriptedDialogs dialogs;
        w.setDialogs(&dialogs);
        const QString path = programDir() + "game.pzs";
        w.state().progressPath = path;
        w.state().status[2] = 9;
        dialogs.answers = {7};
        w.NewgameBtnClick();
        QCOMPARE(w.state().status[2], 9);
        dialogs.answers = {6};
        w.state().modified = true;
        w.NewgameBtnClick();
        QCOMPARE(w.state().status[2], 0);
        QVERIFY(w.state().progressPath.isEmpty());
        QVERIFY(!w.state().modified);
        QCOMPARE(w.windowTitle(), QStringLiteral("Wimbo Tangram"));
        // The modified progress was saved to the old file first.
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().at(1), char(9));
    }

    void saveAsForcesTheExtensionAndAsksBeforeOverwriting() {
        TMainform w(*m_settings, programDir());
        w.state().language = 0;
        w.state().status[1] = 8;
        w.state().modified = true;
        auto a = answerFileDialog(programDir() + "puzzle.txt");
        w.SaveBtnClick();
        QVERIFY(*a);
        const QString saved = programDir() + "puzzle.pzs";
        QVERIFY(QFile::exists(saved));
        QVERIFY(!QFile::exists(programDir() + "puzzle.txt"));
        QCOMPARE(w.state().progressPath, saved);
        QVERIFY(!w.state().modified);
        QCOMPARE(w.windowTitle(), QStringLiteral("Wimbo Tangram - Game puzzle.pzs"));

        // Saving as the same name again: No shows the dialog again, cancel then saves nothing.
        w.state().progressPath.clear();
        w.state().modified = true;
        QString question;
        auto first = answerFileDialog(saved);
        QTimer::singleShot(300, [&] {
            answerMessageBox(QMessageBox::No, &question);
            QTimer::singleShot(300, [] { answerFileDialog(QString()); });
        });
        w.SaveGameAs();
        QVERIFY(*first);
        QCOMPARE(question, overwriteQuestion(0, saved));
        QVERIFY(w.state().modified);
        QVERIFY(w.state().progressPath.isEmpty());
    }

    void saveToTheProgressPathKeepsTheModifiedFlag() {
        TMainform w(*m_settings, programDir());
        w.state().progressPath = programDir() + "p.pzs";
        w.state().modified = true;
        w.SaveBtnClick();
        QVERIFY(QFile::exists(programDir() + "p.pzs"));
        QVERIFY(w.state().modified);
    }

    void closingAsksAndWritesTheSettingsOnlyOnYes() {
        auto w = std::make_unique<TMainform>(*m_settings, programDir());
        ScriptedDialogs dialogs;
        w->setDialogs(&dialogs);
        w->state().language = 1;
        w->state().level = 3;
        dialogs.answers = {7};
        QVERIFY(!w->close());
        QCOMPARE(m_settings->read(SettingKeys::tongue), -1);
        dialogs.answers = {6};
        QSignalSpy closed(w.get(), &TMainform::closed);
        w->toolButton(ToolButtonId::Sound)->setChecked(false);
        QVERIFY(w->close());
        QCOMPARE(closed.count(), 1);
        QVERIFY(dialogs.log.contains("close rules"));
        QCOMPARE(m_settings->read(SettingKeys::tongue), 1);
        QCOMPARE(m_settings->read(SettingKeys::level), 3);
        QCOMPARE(m_settings->read(SettingKeys::sound), false);
        w.reset();
        QVERIFY(m_settings->readPlacement().has_value());
    }

    void unwritableProgressFileAtCloseIsReportedAndTheWindowStillCloses() {
        auto w = std::make_unique<TMainform>(*m_settings, programDir());
        ScriptedDialogs dialogs;
        w->setDialogs(&dialogs);
        // A path below a regular file can never be written.
        QFile blocker(programDir() + "blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = programDir() + "blocker/game.pzs";
        w->state().progressPath = path;
        w->state().modified = true;
        dialogs.answers = {6};
        QString text;
        auto answered = answerMessageBox(QMessageBox::Ok, &text);
        QVERIFY(w->close());
        QVERIFY(*answered);
        QCOMPARE(text, saveFailedMessage(-1, path));
        QCOMPARE(m_settings->read(SettingKeys::save), path);
    }

    void hintsFollowTheLanguage() {
        TMainform w(*m_settings, programDir());
        w.state().language = 1;
        w.SetHints();
        QVERIFY(w.toolButton(ToolButtonId::Load)
                    ->toolTip()
                    .startsWith(QStringLiteral("Ich hol mir einen alten Spielstand.")));
        QCOMPARE(w.toolButton(ToolButtonId::Tongue)->statusTip(),
                 QStringLiteral("I don't speak german."));
        QCOMPARE(w.toolButton(ToolButtonId::Buildings)->statusTip(),
                 QStringLiteral("Kategorie: Gebäude und Schiffe"));
        w.state().language = 0;
        w.SetHints();
        QCOMPARE(w.toolButton(ToolButtonId::Convex)->statusTip(),
                 QStringLiteral("Category: convex Tangrams"));
        QVERIFY(w.toolButton(ToolButtonId::Rules)->toolTip().contains("F1"));
    }

    void languageButtonChangesEveryHintAndTheCaptionAtOnce() {
        TMainform w(*m_settings, programDir());
        ScriptedDialogs dialogs;
        dialogs.state = &w.state();
        w.setDialogs(&dialogs);
        w.state().progressPath = programDir() + "mine.pzs";
        for (int language : {1, 0, 1}) {
            dialogs.chosenLanguage = language;
            w.TongueBtnClick();
            for (int id = 0; id < kToolButtonCount; ++id) {
                const auto button = static_cast<ToolButtonId>(id);
                QCOMPARE(w.toolButton(button)->statusTip(), hintText(button, language));
                QVERIFY(w.toolButton(button)->toolTip().startsWith(hintText(button, language)));
            }
            QCOMPARE(w.windowTitle(), language == 1
                                          ? QStringLiteral("Wimbo Tangram - Spiel mine.pzs")
                                          : QStringLiteral("Wimbo Tangram - Game mine.pzs"));
            QVERIFY(dialogs.log.endsWith("preview"));
        }
        // The German and English hints really differ for every button.
        for (int id = 0; id < kToolButtonCount; ++id) {
            const auto button = static_cast<ToolButtonId>(id);
            QVERIFY(hintText(button, 0) != hintText(button, 1));
        }
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
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
