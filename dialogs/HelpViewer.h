// SPDX-License-Identifier: GPL-3.0-or-later
// The rules window: shows the game's help document "KELM2.HLP" (HTML, in the program directory)
// at the topic of the current language, "Das_Spiel" in German and "The_game" otherwise. The main
// window's rules command calls showRules(); its close flow calls close().
//
// A missing or unreadable help file, and one that is no regular file or lies outside the bounds of
// data/helpdocument.h, is reported in a message box in the player's language (parent:
// this window's parent) and the window stays closed.
#pragma once

#include "data/gamestate.h"

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace tangram {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kFileName = "KELM2.HLP";

    explicit HelpViewer(QWidget* parent = nullptr);

    // Opens programDir + "KELM2.HLP" at the topic of state.language.
    bool showRules(const GameState& state);
    // Opens `filePath` at anchor `topic`. Returns false (after the message) when the file cannot be
    // read.
    bool showTopic(const QString& filePath, const QString& topic);

    static QString topicFor(Language language);
    static QString missingFileMessage(const QString& filePath);

    QTextBrowser* browser() const { return m_browser; }

protected:
    // A language switch while the window is open changes its title and buttons at once.
    void changeEvent(QEvent* event) override;

private:
    void setTexts();
    void placeOnScreen();

    QTextBrowser* m_browser = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_close = nullptr;
    bool m_placed = false;
};

} // namespace tangram
