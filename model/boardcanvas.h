// SPDX-License-Identifier: GPL-3.0-or-later
// What the puzzle draws while a piece is handled: the board widget implements it, tests record
// the calls. Drawing is immediate and incremental, so the order of the requests is the picture:
// an XOR outline drawn twice is gone again.
#pragma once

#include <cstdint>

namespace tangram {

// 24-bit colour, red in the low byte, green in the middle, blue in the high byte.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kSilver = 0xC0C0C0; // board ground
inline constexpr Colour kGreen = 0x00FF00;  // solved by the player
inline constexpr Colour kRed = 0x0000FF;    // completed by the help command
inline constexpr Colour kGrey = 0x7F7F7F;   // outline of placed pieces
inline constexpr Colour kYellow = 0x00FFFF; // XOR outline of the lifted piece

enum class BoardCursor { Hand, Move, Turn };

class BoardCanvas {
public:
    virtual ~BoardCanvas() = default;

    // Closed outline of `piece` at its current placement; XOR mode when `xorMode`.
    virtual void DrawPieceOutline(int piece, Colour colour, bool xorMode) = 0;
    // `piece` as a filled polygon at its current placement, copy mode.
    virtual void DrawPieceFilled(int piece, Colour fill, Colour pen) = 0;
    // DrawPieceFilled for pieces 1..7 in order, skipping the selected piece.
    virtual void DrawPlacedPieces(Colour fill, Colour pen) = 0;
    // The pointer's shape over the board follows the zone of the lifted piece under it.
    virtual void SetBoardCursor(BoardCursor cursor) = 0;
    // A put-down of the lifted `piece` was refused: shows it for a moment, so that a player
    // without sound sees why nothing happened. Leaves the picture as it was.
    virtual void FlashRefusedPiece(int piece) = 0;
};

} // namespace tangram
