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
// Save rule: progress goes to the progress file when one is chosen, otherwise the player is asked
// for a file ("save as"). Settings are read once by start() and written once by close().
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
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Reads the settings, loads the current category's patterns and the progress file the
    // settings name (a failure there is shown and the file kept as the progress file), and sets
    // up the current pattern. `programDir` holds "kelm.dat" and the help file. Returns false when
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
    // Asks first; on yes saves modified progress, clears every status and forgets the progress
    // file.
    void newGame();
    // Asks for a file, saves modified progress, then reads the file; it becomes the progress file.
    void load();
    // By the save rule.
    void save();
    void saveAs();
    // Saves by the save rule, then loads the category and its progress. The current category or
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
    // Saves modified progress by the save rule and writes the settings. Call once, at the end.
    void close();

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
    void saveByRule();

    SettingsStore& m_settings;
    GameHost& m_host;
    GameState m_state;
    Puzzle m_puzzle;
    QString m_libraryError;
    bool m_soundOn = true;
    bool m_helpEnabled = false;
};

} // namespace tangram
