// SPDX-License-Identifier: GPL-3.0-or-later
// A board and a listener that show and play nothing; they let the tools run the game's own
// set-up and solution check.
#pragma once

#include "model/boardcanvas.h"
#include "model/puzzleevents.h"

namespace tangram::patterns {

class SilentView final : public BoardCanvas, public PuzzleEvents {
public:
    void DrawPieceOutline(int, Colour, bool) override {}
    void DrawPieceFilled(int, Colour, Colour) override {}
    void DrawPlacedPieces(Colour, Colour) override {}
    void SetBoardCursor(BoardCursor) override {}
    void FlashRefusedPiece(int) override {}
    void PlaySoundEffect(SoundEffect) override {}
    void ShowWonPage() override { ++wonPages; }
    void StatusChanged() override {}
    void SetHelpEnabled(bool) override {}

    int wonPages = 0; // how often the game declared the figure solved
};

} // namespace tangram::patterns
