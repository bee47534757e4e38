// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: owns the game's shared values and the puzzle for the whole run, shows the
// toolbar and the board, and runs every command of the game (new game, load, save, categories,
// next/previous pattern, help, language, rules, info, web page, exit) with the save rule and the
// close flow. The other windows are reached through GameDialogs, plugged in by the program's
// start; until then the commands that need them do nothing.
//
// Settings are read once while the window is created and written once when it closes; the
// placement record is written when the window is destroyed.
#pragma once

#include "data/gamestate.h"
#include "model/puzzle.h"
#include "model/puzzleview.h"
#include "services/settingsstore.h"
#include "services/soundeffects.h"
#include "services/weblink.h"
#include "ui/mainhints.h"

#include <QPixmap>
#include <QWidget>
#include <array>

class QFileDialog;
class QToolButton;
class QButtonGroup;

namespace tangram {

class BoardWidget;
class GameDialogs;

class TMainform : public QWidget, public PuzzleView {
    Q_OBJECT
public:
    // `programDir` is the folder holding "kelm.dat" and the help file, ending in '/'; empty means
    // the folder of the running executable.
    explicit TMainform(SettingsStore& settings, const QString& programDir = {},
                       QWidget* parent = nullptr);
    ~TMainform() override;

    void setDialogs(GameDialogs* dialogs) { m_dialogs = dialogs; }

    // Set when the pattern library could not be read at creation: the message to show before the
    // program ends (in the language from the settings).
    const QString& libraryError() const { return m_libraryError; }

    GameState& state() { return m_state; }
    const GameState& state() const { return m_state; }
    Puzzle& puzzle() { return m_puzzle; }
    BoardWidget* board() const { return m_box; }
    QToolButton* toolButton(ToolButtonId id) const { return m_buttons[static_cast<int>(id)]; }
    QFileDialog* saveDialog();
    QFileDialog* openDialog();
    bool soundOn() const;
    const SoundEffects& sounds() const { return m_sounds; }

    // --- commands ---
    void NewgameBtnClick();
    void LoadBtnClick();
    void SaveBtnClick();
    void StatBtnClick();
    void ExitBtnClick();
    void ChangeCategory(int category);
    void SelectBtnClick();
    void UpBtnClick();
    void DownBtnClick();
    void TipBtnClick();
    void TongueBtnClick();
    void rules();
    void info();
    void WebBtnClick();

    void ShowTitle();
    void SetHints();
    // Writes the progress file; shows the error and returns false when it cannot.
    bool SaveGame(const QString& path);
    void SaveGameAs();
    bool LoadGame(const QString& path);
    // SaveGame to the progress path when there is one, otherwise SaveGameAs.
    void saveByRule();
    // Sets up the current pattern (level clamped into the table) and repaints.
    void SetUpPattern();
    void repaintAll();

    // --- requests of the puzzle ---
    void DrawPieceOutline(int piece, Colour colour, bool xorMode) override;
    void DrawPieceFilled(int piece, Colour fill, Colour pen) override;
    void DrawPlacedPieces(Colour fill, Colour pen) override;
    void PlaySoundEffect(int sound) override;
    void ShowWonPage() override;
    void RefreshPreview() override;
    void SetHelpEnabled(bool enabled) override;
    void SetBoardCursor(BoardCursor cursor) override;

signals:
    // The close flow has run and the window accepted the close: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void formCreate(const QString& programDir);
    void formActivate();
    bool formCloseQuery();
    void formClose();
    void formResize();
    void buildToolbar();
    void makeFileDialogs();
    void showError(const QString& text);
    QString initialSaveFolder() const;

    SettingsStore& m_settings;
    GameState m_state;
    Puzzle m_puzzle{*this};
    SoundEffects m_sounds;
    WebLink m_web;
    GameDialogs* m_dialogs = nullptr;

    QWidget* m_toolPanel = nullptr;
    std::array<QToolButton*, kToolButtonCount> m_buttons{};
    QButtonGroup* m_categoryGroup = nullptr;
    BoardWidget* m_box = nullptr;
    QFileDialog* m_saveDlg = nullptr;
    QFileDialog* m_openDlg = nullptr;

    QPixmap m_tile;
    QString m_libraryError;
    bool m_firstActivation = true;
    bool m_placementApplied = false;
    bool m_closed = false;
};

} // namespace tangram
