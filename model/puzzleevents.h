// SPDX-License-Identifier: GPL-3.0-or-later
// What happens in the puzzle that the rest of the game hears about: sounds, the solved figure,
// a changed status byte and whether the help can reveal anything. The game session listens and
// passes them on to the window; tests record them. They come in the game's order: a solve plays
// its sound before the "won" page opens, and the status has changed before the page opens.
#pragma once

namespace tangram {

// The six sound effects; the numbers are those of the game's sound clips.
enum class SoundEffect {
    PickUp = 1,   // a piece lifted
    Drop = 2,     // a piece put down
    TurnStep = 3, // the lifted piece turned by one step
    MoveStep = 4, // the lifted piece moved by one cell
    Solved = 5,   // the figure is complete
    Refused = 6,  // a put-down refused: the piece would overlap another
};
inline constexpr int kSoundEffectCount = 6;

class PuzzleEvents {
public:
    virtual ~PuzzleEvents() = default;

    virtual void PlaySoundEffect(SoundEffect sound) = 0;
    // The player completed the figure; its status already carries the done bit.
    virtual void ShowWonPage() = 0;
    // The status of the current pattern or the play state changed outside a command (a solve).
    virtual void StatusChanged() = 0;
    virtual void SetHelpEnabled(bool enabled) = 0;
};

} // namespace tangram
