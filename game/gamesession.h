// SPDX-License-Identifier: GPL-3.0-or-later
// One game from start to close, without any widget: the shared state, the puzzle, and every
// command of the main window (new game, load, save, save as, categories, next and previous
// figure, choosing a figure, help, language, close) with the save rule between them.
//
// The session talks to its window only through GameHost: questions (a message page, a file to
// save or open), errors, sounds, the solved figure, and one broad stateChanged() after anything
// the windows show may have changed. The board draws the puzzle's changes itself through the
// BoardCanvas handed in.
//
// Save rule: progress goes to the progress file the player chose (with "save as" or "load"), and
// while there is none to the default progress file in the player's data folder, in the same
// format. Nothing but the player's own command opens a file dialog. When a command would drop
// unsaved progress and saving fails, the player chooses between going back and going on without
// saving. Settings are read once by start() and written once by close().
#pragma once

#include "data/gamestate.h"
#include "game/gamehost.h"
#include "model/puzzle.h"

#include <QString>

namespace tangram {

class SettingsStore;

class GameSession final : public PuzzleEvents {
public:
    // All three must outlive the session. Nothing is read or asked before start().
    GameSession(SettingsStore& settings, BoardCanvas& canvas, GameHost& host);

    // Where progress goes while the player has chosen no file; set before start(). By default
    // "progress.pzs" in the application's data folder.
    void setDefaultProgressFile(const QString& path) { m_defaultProgressFile = path; }
    const QString& defaultProgressFile() const { return m_defaultProgressFile; }
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Reads the settings, loads the current category's patterns and the progress file the
    // settings name (a failure there is shown and the file kept as the progress file) or, when
    // they name none, the default progress file if there is one, and sets up the current pattern. `programDir` holds "kelm.dat" and the help file. Returns false when
    // the pattern library cannot be read: libraryError() then holds the message, and the game
    // must end after showing it.
    bool start(const QString& programDir);
    const QString& libraryError() const { return m_libraryError; }

    const GameState& state() const { return m_state; }
    const Puzzle& puzzle() const { return m_puzzle; }
    // The board turns mouse events into the puzzle's gestures.
    Puzzle& puzzle() { return m_puzzle; }

    bool soundOn() const { return m_soundOn; }
    void setSoundOn(bool on) { m_soundOn = on; }
    // Whether the help command can reveal a piece of the current pattern.
    bool helpEnabled() const { return m_helpEnabled; }

    // --- commands ---
    // Asks first; on yes saves modified progress, clears every status and forgets the chosen
    // progress file. The default progress file of the old game is kept beside the new one under
    // a name with the date, so a game given up by mistake can still be loaded.
    void newGame();
    // Asks for a file, saves modified progress, then reads the file; it becomes the progress file.
    void load();
    // To the chosen progress file; without one the player chooses a file ("save as").
    void save();
    void saveAs();
    // Saves modified progress, then loads the category and its progress. The current category or
    // a number outside 0..7 does nothing.
    void changeCategory(int category);
    void next();
    void previous();
    // Any number; it is clamped into the category.
    void chooseLevel(int level);
    void help();
    void setLanguage(Language language);
    // Asks whether to quit; true on yes.
    bool confirmClose();
    // Saves modified progress by the save rule and writes the settings; false, with nothing
    // written, when saving failed and the player chose to go back to the game. Once it returned
    // true the session is over.
    bool close();

    // The folder a file dialog starts in when no progress file is chosen yet.
    QString initialSaveFolder() const;

private:
    // PuzzleEvents
    void PlaySoundEffect(SoundEffect sound) override;
    void ShowWonPage() override;
    void StatusChanged() override;
    void SetHelpEnabled(bool enabled) override;

    void setUpPattern();
    bool saveTo(const QString& path);
    bool loadFrom(const QString& path);
    // The chosen progress file, or the default one.
    QString progressFileForSaving() const;
    // Saves modified progress before a command that would drop it; false when saving failed and
    // the player chose to go back.
    bool keepProgressBefore();
    void setAsideDefaultProgressFile();

    SettingsStore& m_settings;
    GameHost& m_host;
    GameState m_state;
    Puzzle m_puzzle;
    QString m_libraryError;
    QString m_defaultProgressFile;
    bool m_soundOn = true;
    bool m_helpEnabled = false;
};

} // namespace tangram
