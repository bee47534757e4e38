// SPDX-License-Identifier: GPL-3.0-or-later
// A PuzzleView that shows and plays nothing; lets the tools run the game's own set-up and
// solution check.
#pragma once

#include "model/puzzleview.h"

namespace tangram::patterns {

class SilentView final : public PuzzleView {
public:
    void DrawPieceOutline(int, Colour, bool) override {}
    void DrawPieceFilled(int, Colour, Colour) override {}
    void DrawPlacedPieces(Colour, Colour) override {}
    void PlaySoundEffect(int) override {}
    void ShowWonPage() override { ++wonPages; }
    void RefreshPreview() override {}
    void SetHelpEnabled(bool) override {}
    void SetBoardCursor(BoardCursor) override {}

    int wonPages = 0; // how often the game declared the figure solved
};

} // namespace tangram::patterns
