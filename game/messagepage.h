// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of the message dialog and the answers a modal window gives. The numbers are the
// pages' and results' own: the message dialog names its widgets after them.
#pragma once

namespace tangram {

enum class MessagePage {
    Won = 1,       // the figure is complete (OK)
    Restart = 2,   // yes/no
    EndGame = 3,   // quit the game? (yes / cancel)
    GiveUp = 4,    // start a new game, dropping the progress? (yes/no)
    TooSlow = 5,   // announcements with OK only
    AllSolved = 6,
    GameOver = 7,
    NextLevel = 8,
    Lost = 9,
};
inline constexpr int kMessagePageCount = 9;

// A confirmation goes ahead only on Yes.
enum class ModalResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

} // namespace tangram
