// SPDX-License-Identifier: GPL-3.0-or-later
// The preview window: the black silhouette of the current pattern on grey, two pixels per grid
// unit, in a small fixed window that stays on top and cannot be closed by the player. Its caption
// names the category and the pattern number and, once the pattern is done, whether it was solved
// or given up ("dropped").
//
// It reads the shared game state (category, level, language, pattern table, status table) and
// writes nothing but its own position: read from the settings `pleft`/`ptop` at creation (default
// 500, 50) and written back when the window is destroyed. A stored position that lies on no screen
// any more is replaced by one on the primary screen.
//
// The window is shown by its constructor and lives for the whole run. The main window calls
// refresh() whenever the game's state changed; the caption (previewCaption) follows a language
// change at the next repaint.
#pragma once

#include "data/gamestate.h"

#include <QWidget>

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

    // Sets the caption and repaints the silhouette at once.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void updateCaption();

    const GameState& m_state;
    SettingsStore& m_settings;
};

} // namespace tangram
