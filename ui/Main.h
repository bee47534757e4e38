// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the toolbar and the board of the game session it hosts. Each toolbar button
// runs one command of the session; the window answers the session's questions with the message
// pages and file dialogs, shows its errors, plays its sounds and follows its state (caption,
// hints, help button, preview). The other windows are reached through GameDialogs, plugged in by
// the program's start; until then the commands that need them do nothing.
//
// The main window's own settings (size, placement record) are written when it closes and when it
// is destroyed; the session reads and writes the rest.
#pragma once

#include "game/gamehost.h"
#include "game/gamesession.h"
#include "services/settingsstore.h"
#include "services/soundeffects.h"
#include "services/weblink.h"
#include "ui/boardlayout.h"
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

class TMainform : public QWidget, public GameHost {
    Q_OBJECT
public:
    // How long after the first framing the preview keeps its place beside the main window.
    static constexpr int kPreviewSettleMs = 1500;

    // `programDir` is the folder holding "kelm.dat" and the help file, ending in '/'; empty means
    // the folder of the running executable.
    explicit TMainform(SettingsStore& settings, const QString& programDir = {},
                       QWidget* parent = nullptr);
    ~TMainform() override;

    // The other windows may come after the main window's first frame; the preview is shown as
    // soon as both are there.
    void setDialogs(GameDialogs* dialogs);

    // Set when the pattern library could not be read at creation: the message to show before the
    // program ends (in the language from the settings).
    const QString& libraryError() const { return m_session.libraryError(); }

    GameSession& session() { return m_session; }
    const GameState& state() const { return m_session.state(); }
    BoardWidget* board() const { return m_box; }
    QToolButton* toolButton(ToolButtonId id) const { return m_buttons[static_cast<int>(id)]; }

    // --- commands of the toolbar that the session does not carry ---
    void SelectBtnClick();
    void TongueBtnClick();
    void StatBtnClick();
    void rules();
    void info();
    void WebBtnClick();

    // --- GameHost ---
    ModalResult askPage(MessagePage page) override;
    QString askSavePath(const QString& folder, const QString& current) override;
    QString askOpenPath(const QString& folder) override;
    void languageChanged(Language language) override;
    void showError(const QString& message) override;
    bool askContinueWithoutSaving(const QString& reason) override;
    void playSound(SoundEffect sound) override;
    void figureSolved() override;
    void stateChanged() override;

Q_SIGNALS:
    // The close flow has run and the window accepted the close: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void formActivate();
    void formResize();
    // After the first show, once the window system has framed the window: the whole frame onto
    // the screen, then the preview beside it.
    void afterFirstShow();
    // Shows the preview beside the window, once both the other windows and the frame are there.
    void placePreview();
    // The window system's frame around the client area; a usual one before the first framing.
    QMargins frameMargins() const;
    // The screen rectangle of the pieces on the board.
    QRect figureOnScreen() const;
    void buildToolbar();
    // Places the buttons for the window's width; returns the toolbar's height.
    int layoutToolbar();
    void SetHints();
    void ShowTitle();
    void makeFileDialogs();

    SettingsStore& m_settings;
    BoardWidget* m_box;
    GameSession m_session;
    SoundEffects m_sounds;
    WebLink m_web;
    GameDialogs* m_dialogs = nullptr;

    QWidget* m_toolPanel = nullptr;
    int m_toolPanelHeight = kToolPanelHeight;
    std::array<QToolButton*, kToolButtonCount> m_buttons{};
    QButtonGroup* m_categoryGroup = nullptr;
    QFileDialog* m_saveDlg = nullptr;
    QFileDialog* m_openDlg = nullptr;

    QPixmap m_tile;
    // Errors of the start, shown once the window is on the screen, so that they open over it.
    QStringList m_pendingErrors;
    bool m_firstActivation = true;
    bool m_placementApplied = false;
    bool m_closed = false;
    bool m_framed = false; // the first show has been placed and framed
    // For a short while after the first framing the preview follows the main window: a slow
    // window manager may still move or frame it, and the preview must not end up over the toolbar.
    bool m_previewFollows = false;
};

} // namespace tangram
