// SPDX-License-Identifier: GPL-3.0-or-later
// What the puzzle model asks of the user interface. The main window implements it; tests record
// the calls. The model issues these requests in the game's defined order and never touches a
// widget itself.
#pragma once

#include <cstdint>

namespace tangram {

// 24-bit colour, red in the low byte, green in the middle, blue in the high byte ($00BBGGRR).
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0;
inline constexpr Colour kSilver = 12632256; // board ground
inline constexpr Colour kGreen = 65280;     // solved by the player
inline constexpr Colour kRed = 255;         // completed by the help command
inline constexpr Colour kGrey = 8355711;    // outline of placed pieces
inline constexpr Colour kYellow = 65535;    // XOR outline of the lifted piece

enum class BoardCursor { Hand, Move, Turn };

class PuzzleView {
public:
    virtual ~PuzzleView() = default;

    // Closed outline of `piece` at its current placement; XOR mode when `xorMode`.
    virtual void DrawPieceOutline(int piece, Colour colour, bool xorMode) = 0;
    // `piece` as a filled polygon at its current placement, copy mode.
    virtual void DrawPieceFilled(int piece, Colour fill, Colour pen) = 0;
    // DrawPieceFilled for pieces 1..7 in order, skipping the selected piece.
    virtual void DrawPlacedPieces(Colour fill, Colour pen) = 0;
    // Sound 1..6: pick-up, drop, turn step, move step, solved, refused drop.
    virtual void PlaySoundEffect(int sound) = 0;
    // The modal "won" message page.
    virtual void ShowWonPage() = 0;
    // Repaint the preview window (its caption shows the solved state).
    virtual void RefreshPreview() = 0;
    virtual void SetHelpEnabled(bool enabled) = 0;
    virtual void SetBoardCursor(BoardCursor cursor) = 0;
};

} // namespace tangram
