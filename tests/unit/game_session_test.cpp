// SPDX-License-Identifier: GPL-3.0-or-later
// The game session's commands, start and close, against a host that records every request by
// name and answers the questions from a script.
#include "game/gamesession.h"

#include "data/texts.h"
#include "model/libraryrecord.h"
#include "services/settingsstore.h"
#include "services/translations.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace tangram {
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
} // namespace tangram

using namespace tangram;
using Log = std::vector<std::string>;

namespace {

std::string pageName(MessagePage page) {
    switch (page) {
    case MessagePage::Won:
        return "won";
    case MessagePage::EndGame:
        return "quit?";
    case MessagePage::GiveUp:
        return "new game?";
    default:
        return "page " + std::to_string(static_cast<int>(page));
    }
}

class RecordingHost : public GameHost {
public:
    Log log;
    std::deque<ModalResult> pageAnswers; // Cancel when empty
    QString savePath;                    // the file chosen in "save as"; empty cancels
    QString openPath;                    // the file chosen in "load"; empty cancels
    QStringList errors;
    bool goOnWithoutSaving = false; // the answer when progress cannot be saved
    std::vector<Language> languages; // every language the session announced, in order

    // Installs the language's texts as the main window does; English again when the host goes.
    ~RecordingHost() override { Translations::install(Language::English); }
    void languageChanged(Language language) override {
        languages.push_back(language);
        Translations::install(language);
    }

    ModalResult askPage(MessagePage page) override {
        log.push_back("ask " + pageName(page));
        if (pageAnswers.empty())
            return ModalResult::Cancel;
        const ModalResult answer = pageAnswers.front();
        pageAnswers.pop_front();
        return answer;
    }
    QString askSavePath(const QString&, const QString&) override {
        log.push_back("ask save path");
        return savePath;
    }
    QString askOpenPath(const QString&) override {
        log.push_back("ask open path");
        return openPath;
    }
    void showError(const QString& message) override {
        log.push_back("error");
        errors << message;
    }
    bool askContinueWithoutSaving(const QString& reason) override {
        log.push_back("ask go on without saving");
        errors << reason;
        return goOnWithoutSaving;
    }
    void playSound(SoundEffect sound) override {
        log.push_back("sound " + std::to_string(static_cast<int>(sound)));
    }
    void figureSolved() override { log.push_back("solved"); }
    void stateChanged() override { log.push_back("state changed"); }

    Log take() {
        Log out;
        out.swap(log);
        return out;
    }
};

class QuietBoard : public BoardCanvas {
public:
    void DrawPieceOutline(int, Colour, bool) override {}
    void DrawPieceFilled(int, Colour, Colour) override {}
    void DrawPlacedPieces(Colour, Colour) override {}
    void SetBoardCursor(BoardCursor) override {}
    void FlashRefusedPiece(int) override {}
};

// A figure of category `category` that lies away from the home pieces: the pieces in orientation
// 0 in a row, `shift` columns further right for each tag so that figures differ.
TPatternRecord figure(int shift) {
    TPatternRecord record{};
    const int columns[kPieceCount] = {30, 40, 50, 62, 30, 52, 75};
    const int rows[kPieceCount] = {30, 30, 30, 30, 55, 55, 55};
    for (int piece = 0; piece < kPieceCount; ++piece)
        record[static_cast<std::size_t>(piece)] = {static_cast<std::uint8_t>(columns[piece] + shift),
                                                   static_cast<std::uint8_t>(rows[piece]), 0};
    return record;
}

class GameSessionTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> settings;
    RecordingHost host;
    QuietBoard board;
    std::unique_ptr<GameSession> session;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        settings = std::make_unique<SettingsStore>(dir.filePath("settings.ini"));
        writeLibrary({5, 3, 12, 1, 2, 2, 2, 40});
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    void writeLibrary(const std::vector<int>& counts) {
        QByteArray bytes;
        for (std::size_t c = 0; c < counts.size(); ++c) {
            for (int n = 0; n < counts[c]; ++n) {
                const LibraryRecordBytes record =
                    encodeLibraryRecord({static_cast<std::uint8_t>(c), figure(n % 3)});
                bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
            }
        }
        writeFile(path("kelm.dat"), bytes);
    }

    static void writeFile(const QString& name, const QByteArray& bytes) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray readFile(const QString& name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString defaultFile() const { return path("data/progress.pzs"); }

    GameSession& start() {
        session = std::make_unique<GameSession>(*settings, board, host);
        session->setDefaultProgressFile(defaultFile());
        EXPECT_TRUE(session->start(dir.path()));
        host.take();
        return *session;
    }

    // One help step: the figure's status changes and progress becomes modified.
    void makeProgress() {
        session->help();
        ASSERT_TRUE(session->state().modified);
        host.take();
    }
};

TEST_F(GameSessionTest, FirstStartUsesTheDefaultsAndTellsTheWindowOnce) {
    session = std::make_unique<GameSession>(*settings, board, host);
    ASSERT_TRUE(session->start(dir.path()));
    EXPECT_EQ(host.take(), Log{"state changed"});
    const GameState& state = session->state();
    EXPECT_EQ(state.language, Language::NotChosen);
    EXPECT_EQ(state.category, 0);
    EXPECT_EQ(state.level(), 1);
    EXPECT_EQ(state.programDir, dir.path() + '/');
    EXPECT_TRUE(session->soundOn());
    EXPECT_TRUE(session->helpEnabled());
    EXPECT_FALSE(state.modified);
}

TEST_F(GameSessionTest, DamagedSettingsFallBackSafely) {
    struct Case {
        const char* group;
        const char* level;
        const char* tongue;
        int category;
        int level_;
        Language language;
    };
    const Case cases[] = {
        {"9", "3", "1", 7, 3, Language::German},
        {"-3", "2", "0", 0, 2, Language::English},
        {"12", "99999", "x", 7, 40, Language::NotChosen},
        {"0", "-5", "1", 0, 1, Language::German},
        {"abc", "many", "", 0, 1, Language::NotChosen},
        // A language value no version writes is English in every window, and stays so.
        {"0", "1", "7", 0, 1, Language::English},
    };
    for (const Case& c : cases) {
        settings->WriteTextSetting("common", "group", c.group);
        settings->WriteTextSetting("common", "level", c.level);
        settings->WriteTextSetting("common", "tongue", c.tongue);
        start();
        EXPECT_EQ(session->state().category, c.category) << c.group;
        EXPECT_EQ(session->state().level(), c.level_) << c.level;
        EXPECT_EQ(session->state().language, c.language) << c.tongue;
    }
}

TEST_F(GameSessionTest, MissingLibraryGivesTheMessageInTheStoredLanguage) {
    QFile::remove(path("kelm.dat"));
    GameSession english(*settings, board, host);
    EXPECT_FALSE(english.start(dir.path()));
    EXPECT_EQ(english.libraryError(), "Can't find file kelm.dat. Program aborted.");
    settings->write(SettingKeys::tongue, 1);
    GameSession german(*settings, board, host);
    EXPECT_FALSE(german.start(dir.path()));
    EXPECT_EQ(german.libraryError(),
              "Datei kelm.dat konnte nicht gefunden werden. Programm wird abgebrochen.");
    EXPECT_EQ(host.languages, (std::vector<Language>{Language::NotChosen, Language::German}));
    EXPECT_TRUE(host.log.empty()) << "nothing is shown before the program ends";
}

TEST_F(GameSessionTest, StoredProgressIsLoadedAndAVanishedFileReportedButKept) {
    writeFile(path("mine.pzs"), QByteArray("\x00\x08\x0f", 3));
    settings->write(SettingKeys::save, path("mine.pzs"));
    start();
    EXPECT_TRUE(session->state().status[2].done());
    EXPECT_TRUE(session->state().status[3].isGivenUp());

    const QString gone = path("gone/old.pzs");
    settings->write(SettingKeys::save, gone);
    session = std::make_unique<GameSession>(*settings, board, host);
    ASSERT_TRUE(session->start(dir.path()));
    EXPECT_EQ(host.take(), (Log{"error", "state changed"}));
    EXPECT_EQ(host.errors.value(0), loadFailedMessage(gone));
    EXPECT_EQ(session->state().progressPath, gone);
    EXPECT_FALSE(session->state().modified);
}

TEST_F(GameSessionTest, ChangingCategoryNeverAsksForAFile) {
    start();
    session->changeCategory(0);
    EXPECT_TRUE(host.log.empty()) << "the same category changes nothing";
    session->changeCategory(8);
    session->changeCategory(-1);
    EXPECT_TRUE(host.log.empty());

    session->chooseLevel(4);
    host.take();
    session->changeCategory(2); // nothing to save
    EXPECT_EQ(host.take(), Log{"state changed"});
    EXPECT_FALSE(QFileInfo::exists(defaultFile()));
    EXPECT_EQ(session->state().category, 2);
    EXPECT_EQ(session->state().level(), 4);

    makeProgress(); // no file chosen: the progress goes to the default file, unasked
    session->changeCategory(1);
    EXPECT_EQ(host.take(), Log{"state changed"});
    EXPECT_EQ(readFile(defaultFile()), QByteArray(3, '\x20') + QByteArray(1, '\x21') +
                                           QByteArray(8, '\x20'));
    EXPECT_FALSE(session->state().modified);
    session->changeCategory(2); // and comes back from there
    EXPECT_EQ(session->state().status[4].revealedCount(), 1);

    session->chooseLevel(12);
    session->changeCategory(3); // one pattern only: the level follows
    EXPECT_EQ(session->state().level(), 1);
}

TEST_F(GameSessionTest, ChangingCategoryWritesTheOldAndReadsTheNewProgress) {
    writeFile(path("p.pzs"), QByteArray("\x12", 1)); // animals 1 revealed two pieces
    settings->write(SettingKeys::save, path("p.pzs"));
    start();
    makeProgress(); // humans 1: one piece revealed
    session->changeCategory(1);
    EXPECT_EQ(readFile(path("p.pzs")), QByteArray("\x12\x01\x00\x00\x00\x00", 6));
    EXPECT_EQ(session->state().status[1].revealedCount(), 2);
    EXPECT_FALSE(session->state().modified);
}

TEST_F(GameSessionTest, NextAndPreviousStopAtTheEnds) {
    settings->write(SettingKeys::group, 4);
    start();
    session->next();
    EXPECT_EQ(session->state().level(), 2);
    session->next();
    EXPECT_EQ(session->state().level(), 2);
    session->previous();
    session->previous();
    EXPECT_EQ(session->state().level(), 1);
    EXPECT_EQ(host.take(), Log(4, "state changed"));
}

TEST_F(GameSessionTest, ChoosingALevelClampsItIntoTheCategory) {
    start();
    session->chooseLevel(77);
    EXPECT_EQ(session->state().level(), 5);
    session->chooseLevel(-3);
    EXPECT_EQ(session->state().level(), 1);
}

TEST_F(GameSessionTest, NewGameAsksAndClearsOnlyOnYesAfterSavingTheOldProgress) {
    settings->write(SettingKeys::save, path("game.pzs"));
    start();
    makeProgress();
    host.pageAnswers = {ModalResult::No};
    session->newGame();
    EXPECT_EQ(host.take(), Log{"ask new game?"});
    EXPECT_EQ(session->state().status[1].revealedCount(), 1);

    host.pageAnswers = {ModalResult::Yes};
    session->newGame();
    EXPECT_EQ(host.take(), (Log{"ask new game?", "state changed"}));
    EXPECT_TRUE(session->state().status[1].untouched());
    EXPECT_TRUE(session->state().progressPath.isEmpty());
    EXPECT_FALSE(session->state().modified);
    EXPECT_EQ(readFile(path("game.pzs")), QByteArray("\x01\x00\x00\x00\x00", 5));
}

TEST_F(GameSessionTest, ANewGameSetsTheOldDefaultProgressAside) {
    start();
    makeProgress();
    host.pageAnswers = {ModalResult::Yes};
    session->newGame();
    EXPECT_FALSE(QFileInfo::exists(defaultFile()));
    const QStringList aside = QDir(path("data")).entryList({"progress-*.pzs"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(readFile(path("data/") + aside[0]), QByteArray("\x01\x00\x00\x00\x00", 5));
    makeProgress();
    ASSERT_TRUE(session->close());
    EXPECT_EQ(readFile(defaultFile()), QByteArray("\x01\x00\x00\x00\x00", 5))
        << "the new game starts a file of its own";
}

TEST_F(GameSessionTest, AFailedSaveAsksBeforeAnythingIsDropped) {
    writeFile(path("blocker"), "x"); // a path below a regular file can never be written
    const QString unwritable = path("blocker/game.pzs");
    settings->write(SettingKeys::save, unwritable);
    start();
    host.errors.clear();
    makeProgress();

    // Going back leaves everything as it was, for every command that would drop the progress.
    host.goOnWithoutSaving = false;
    session->changeCategory(3);
    EXPECT_EQ(host.take(), (Log{"ask go on without saving", "state changed"}));
    EXPECT_EQ(session->state().category, 0);
    host.pageAnswers = {ModalResult::Yes};
    session->newGame();
    EXPECT_EQ(host.take(), (Log{"ask new game?", "ask go on without saving"}));
    EXPECT_EQ(session->state().status[1].revealedCount(), 1);
    EXPECT_FALSE(session->close());
    EXPECT_TRUE(session->state().modified);
    EXPECT_EQ(settings->read(SettingKeys::level), 1) << "no setting written on going back";
    EXPECT_EQ(host.errors.value(0), saveFailedMessage(unwritable));

    // Going on drops it, as the player chose.
    host.take();
    host.goOnWithoutSaving = true;
    session->changeCategory(3);
    // The chosen file cannot be read for the new category either, which is said once.
    EXPECT_EQ(host.take(), (Log{"ask go on without saving", "error", "state changed"}));
    EXPECT_EQ(session->state().category, 3);
    EXPECT_FALSE(session->state().modified);
}

TEST_F(GameSessionTest, AFirstStartReadsTheDefaultProgressFile) {
    QDir().mkpath(path("data"));
    writeFile(defaultFile(), QByteArray("\x08\x0f", 2));
    start();
    EXPECT_TRUE(session->state().status[1].done());
    EXPECT_TRUE(session->state().status[2].isGivenUp());
    EXPECT_TRUE(session->state().progressPath.isEmpty());
}

TEST_F(GameSessionTest, SaveAsWritesTheChosenFileWhichBecomesTheProgressFile) {
    start();
    makeProgress();
    host.savePath.clear();
    session->saveAs();
    EXPECT_EQ(host.take(), Log{"ask save path"});
    EXPECT_TRUE(session->state().modified) << "cancelled: nothing saved";

    host.savePath = path("puzzle.pzs");
    session->save(); // no progress file: the save rule asks
    EXPECT_EQ(host.take(), (Log{"ask save path", "state changed"}));
    EXPECT_EQ(readFile(host.savePath), QByteArray("\x01\x00\x00\x00\x00", 5));
    EXPECT_EQ(session->state().progressPath, host.savePath);
    EXPECT_FALSE(session->state().modified);

    makeProgress();
    session->save(); // now straight to the file, without a question
    EXPECT_TRUE(host.take().empty());
    EXPECT_EQ(readFile(host.savePath), QByteArray("\x02\x00\x00\x00\x00", 5));
}

TEST_F(GameSessionTest, LoadReadsTheChosenFileAfterSavingTheCurrentProgress) {
    settings->write(SettingKeys::save, path("old.pzs"));
    writeFile(path("other.pzs"), QByteArray("\x0b\x0f", 2));
    start();
    makeProgress();
    host.openPath = path("other.pzs");
    session->load();
    EXPECT_EQ(host.take(), (Log{"ask open path", "state changed"}));
    EXPECT_EQ(readFile(path("old.pzs")), QByteArray("\x01\x00\x00\x00\x00", 5));
    EXPECT_EQ(session->state().progressPath, path("other.pzs"));
    EXPECT_TRUE(session->state().status[1].done());
    EXPECT_TRUE(session->state().status[2].isGivenUp());
    EXPECT_FALSE(session->state().modified);

    host.openPath = path("missing.pzs");
    session->load();
    EXPECT_EQ(host.take(), (Log{"ask open path", "error"}));
    EXPECT_EQ(session->state().progressPath, path("other.pzs"));
}

TEST_F(GameSessionTest, ASolveIsHeardInTheGameOrder) {
    start();
    Puzzle& puzzle = session->puzzle();
    puzzle.LayPieces(figure(0));
    puzzle.CheckSolution();
    EXPECT_EQ(host.take(), (Log{"sound 5", "solved", "state changed"}));
    EXPECT_TRUE(session->state().currentStatus().done());
    EXPECT_TRUE(session->state().modified);
}

TEST_F(GameSessionTest, HelpRevealsUntilTheFigureIsGivenUp) {
    start();
    for (int step = 1; step <= 7; ++step) {
        session->help();
        EXPECT_EQ(host.take(), Log{"state changed"});
    }
    EXPECT_TRUE(session->state().currentStatus().isGivenUp());
    EXPECT_EQ(session->puzzle().playState(), PlayState::GivenUp);
}

TEST_F(GameSessionTest, AnEmptyCategoryHasNoHelp) {
    writeLibrary({5});
    settings->write(SettingKeys::group, 6);
    start();
    EXPECT_EQ(session->state().patternCount(), 0);
    EXPECT_FALSE(session->helpEnabled());
    session->help();
    EXPECT_TRUE(host.take().empty());
    EXPECT_FALSE(session->state().modified);
}

TEST_F(GameSessionTest, ClosingWithoutAChosenFileKeepsTheProgressInTheDefaultFile) {
    start();
    makeProgress();
    ASSERT_TRUE(session->close());
    EXPECT_TRUE(host.take().empty()) << "no question, no dialog";
    EXPECT_EQ(readFile(defaultFile()), QByteArray("\x01\x00\x00\x00\x00", 5));
    EXPECT_EQ(settings->read(SettingKeys::save), QString()) << "the setting stays as it was";
    start();
    EXPECT_EQ(session->state().status[1].revealedCount(), 1);
}

TEST_F(GameSessionTest, ClosingSavesAndWritesTheSettings) {
    settings->write(SettingKeys::save, path("end.pzs"));
    start();
    host.pageAnswers = {ModalResult::Cancel, ModalResult::Yes};
    EXPECT_FALSE(session->confirmClose());
    EXPECT_TRUE(session->confirmClose());
    makeProgress();
    session->setLanguage(Language::German);
    session->chooseLevel(3);
    session->setSoundOn(false);
    ASSERT_TRUE(session->close());
    EXPECT_EQ(readFile(path("end.pzs")), QByteArray("\x01\x00\x00\x00\x00", 5));
    EXPECT_EQ(settings->read(SettingKeys::tongue), 1);
    EXPECT_EQ(settings->read(SettingKeys::level), 3);
    EXPECT_EQ(settings->read(SettingKeys::group), 0);
    EXPECT_FALSE(settings->read(SettingKeys::sound));
    EXPECT_EQ(settings->read(SettingKeys::save), path("end.pzs"));
}

TEST_F(GameSessionTest, ClosingWithoutSavingWhenThePlayerSaysSo) {
    writeFile(path("blocker"), "x");
    const QString unwritable = path("blocker/game.pzs");
    settings->write(SettingKeys::save, unwritable);
    start();
    makeProgress();
    host.goOnWithoutSaving = true;
    EXPECT_TRUE(session->close());
    EXPECT_EQ(host.take(), Log{"ask go on without saving"});
    EXPECT_EQ(settings->read(SettingKeys::save), unwritable);
}

TEST_F(GameSessionTest, LanguageChangeIsStoredAndShownAtOnce) {
    start();
    EXPECT_EQ(host.languages, std::vector<Language>{Language::NotChosen}) << "at the start";
    session->setLanguage(Language::German);
    EXPECT_EQ(host.take(), Log{"state changed"});
    EXPECT_EQ(host.languages, (std::vector<Language>{Language::NotChosen, Language::German}))
        << "announced before the windows are told to show the state";
    EXPECT_TRUE(session->state().german());
}

TEST_F(GameSessionTest, SettingsThatCannotBeWrittenAtCloseAreReportedOnce) {
    writeFile(path("blocker"), "x"); // a settings file below a regular file cannot be written
    settings = std::make_unique<SettingsStore>(path("blocker/settings.ini"));
    start();
    ASSERT_TRUE(session->close());
    EXPECT_EQ(host.take(), Log{"error"});
    EXPECT_EQ(host.errors.value(0), settingsNotSavedMessage(settings->location()));
}

} // namespace
