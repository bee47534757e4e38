// SPDX-License-Identifier: GPL-3.0-or-later
// The other windows of the game as the main window sees them. The program's start creates them and
// plugs them in; tests plug in fakes. Every call is modal where the window is a dialog.
#pragma once

#include "data/language.h"
#include "game/messagepage.h"

#include <QRect>

#include <optional>

namespace tangram {

class GameDialogs {
public:
    virtual ~GameDialogs() = default;

    virtual ModalResult showMessagePage(MessagePage page) = 0;
    // The "won" page, placed where it covers no part of `figure` (screen coordinates) if it can.
    virtual void showWonPage(const QRect& figure) = 0;
    virtual void showSplash() = 0;
    // The language the player chose, or nothing when the dialog was closed without a choice.
    virtual std::optional<Language> showLanguageDialog() = 0;
    // The pattern the player chose (1-based), or 0 when the dialog was cancelled.
    virtual int showSelectDialog() = 0;
    virtual void showStatistics() = 0;
    virtual void showInfo() = 0;
    // Shows the always-on-top preview window for the first time, placed by the main window's
    // frame and board (screen coordinates).
    virtual void showPreview(const QRect& mainFrame, const QRect& board) = 0;
    // Repaints the preview window (silhouette and caption).
    virtual void refreshPreview() = 0;
    // Opens the rules at the topic of the current language; closes the viewer.
    virtual void openRules() = 0;
    virtual void closeRules() = 0;
};

} // namespace tangram
