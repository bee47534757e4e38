// SPDX-License-Identifier: GPL-3.0-or-later
// The preview window: the black silhouette of the current pattern on grey, two pixels per grid
// unit, in a small fixed window that stays on top and cannot be closed by the player. Its caption
// names the category and the pattern number and, once the pattern is done, whether it was solved
// or given up ("dropped").
//
// It reads the shared game state (category, level, language, pattern table, status table) and
// writes nothing but its own position: read from the settings `pleft`/`ptop` at creation and
// written back when the window is destroyed.
//
// The window lives for the whole run. It is first shown by showBeside() once the main window is
// on the screen: at the stored position while the whole preview lies on a screen, else beside
// the main window or over the board's top-right corner (decidePreviewPosition). It never takes
// the keyboard, steps aside while a modal dialog is open so that it covers none of its buttons,
// and comes back from being minimised with the next refresh(). The main window calls refresh()
// whenever the game's state changed; the caption (previewCaption) follows a language change at
// the next repaint and is shortened in the category's name, never in the number or the state,
// where the title bar is too narrow for it.
#pragma once

#include "data/gamestate.h"

#include <QWidget>

#include <optional>

namespace tangram {

class SettingsStore;

class TPatForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 241;
    static constexpr int kClientHeight = 160;

    // `state` and `settings` must outlive the window.
    TPatForm(const GameState& state, SettingsStore& settings, QWidget* parent = nullptr);
    ~TPatForm() override;

    // Shows the window for the first time, placed by the main window's frame and board (screen
    // coordinates).
    void showBeside(const QRect& mainFrame, const QRect& board);
    // Sets the caption and repaints the silhouette at once; brings the window back if the
    // window system minimised it.
    void refresh();

    // The caption fitted to the title bar of a window `width` pixels wide in `font`.
    static QString fittedCaption(const GameState& state, const QFont& font, int width);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void updateCaption();
    // Hides the window while a modal dialog is open and shows it again afterwards.
    void followModalDialogs();

    const GameState& m_state;
    SettingsStore& m_settings;
    std::optional<QPoint> m_storedPosition;
    bool m_placed = false;
    bool m_hiddenForDialog = false;
};

} // namespace tangram
