// SPDX-License-Identifier: GPL-3.0-or-later
// The other windows of the game as the main window sees them. The program's start creates them and
// plugs them in; tests plug in fakes. Every call is modal where the window is a dialog.
#pragma once

namespace tangram {

class GameDialogs {
public:
    virtual ~GameDialogs() = default;

    // Message page 1..9; returns the modal result (1 OK, 2 cancel, 6 yes, 7 no).
    virtual int showMessagePage(int page) = 0;
    virtual void showSplash() = 0;
    // Lets the player choose the language; writes it into the shared state.
    virtual void showLanguageDialog() = 0;
    // True when the player chose a pattern (the dialog has set the level).
    virtual bool showSelectDialog() = 0;
    virtual void showStatistics() = 0;
    virtual void showInfo() = 0;
    // Repaints the always-on-top preview window (silhouette and caption).
    virtual void refreshPreview() = 0;
    // Opens the rules at the topic of the current language; closes the viewer.
    virtual void openRules() = 0;
    virtual void closeRules() = 0;
};

} // namespace tangram
