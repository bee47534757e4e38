// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the model tests: a board and listener that record every request in the order
// the puzzle makes them, by name, and a small figure that fits in the free middle of the board.
#pragma once

#include "model/cellgrid.h"
#include "model/puzzle.h"
#include "model/boardcanvas.h"
#include "model/puzzleevents.h"

#include <string>
#include <vector>

namespace tangram::test {

inline std::string soundName(SoundEffect sound) {
    switch (sound) {
    case SoundEffect::PickUp:
        return "pick-up";
    case SoundEffect::Drop:
        return "drop";
    case SoundEffect::TurnStep:
        return "turn-step";
    case SoundEffect::MoveStep:
        return "move-step";
    case SoundEffect::Solved:
        return "solved";
    case SoundEffect::Refused:
        return "refused";
    }
    return "sound?";
}

inline std::string colourName(Colour colour) {
    switch (colour) {
    case kBlack:
        return "black";
    case kSilver:
        return "silver";
    case kGreen:
        return "green";
    case kRed:
        return "red";
    case kGrey:
        return "grey";
    case kYellow:
        return "yellow";
    }
    return std::to_string(colour);
}

class RecordingView : public BoardCanvas, public PuzzleEvents {
public:
    std::vector<std::string> calls;

    void DrawPieceOutline(int piece, Colour colour, bool xorMode) override {
        calls.push_back("outline " + std::to_string(piece) + " " + colourName(colour) +
                        (xorMode ? " xor" : " copy"));
    }
    void DrawPieceFilled(int piece, Colour fill, Colour pen) override {
        calls.push_back("filled " + std::to_string(piece) + " " + colourName(fill) + " " +
                        colourName(pen));
    }
    void DrawPlacedPieces(Colour fill, Colour pen) override {
        calls.push_back("placed " + colourName(fill) + " " + colourName(pen));
    }
    void PlaySoundEffect(SoundEffect sound) override { calls.push_back("sound " + soundName(sound)); }
    void ShowWonPage() override { calls.push_back("won"); }
    void StatusChanged() override { calls.push_back("status changed"); }
    void SetHelpEnabled(bool enabled) override {
        calls.push_back(enabled ? "help on" : "help off");
    }
    void SetBoardCursor(BoardCursor cursor) override {
        calls.push_back(cursor == BoardCursor::Hand   ? "cursor hand"
                        : cursor == BoardCursor::Move ? "cursor move"
                                                      : "cursor turn");
    }
    void FlashRefusedPiece(int piece) override {
        calls.push_back("flash " + std::to_string(piece));
    }
    std::vector<std::string> take() {
        std::vector<std::string> out;
        out.swap(calls);
        return out;
    }
};

// The board grid computed from scratch: every piece but `skip` at its placement.
inline TCellGrid gridOf(const Puzzle& puzzle, int skip) {
    TCellGrid grid{};
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        if (piece != skip) {
            AddPieceStamps(grid, piece, puzzle.placement(piece));
        }
    }
    return grid;
}

// Seven pieces in orientation 0, greedily laid side by side in two rows in the middle of the
// board without touching the home placements. Not connected, which the solution check does not
// require; it makes a figure whose solution is known.
inline TPatternRecord spreadFigure() {
    TCellGrid grid{};
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        AddPieceStamps(grid, piece, HomePlacements[piece - 1]);
    }
    TPatternRecord figure{};
    int column = 30;
    int row = 30;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        while (!PieceFits(grid, piece, column, row, 0)) {
            ++column;
            if (column > 95) {
                column = 30;
                row += 25;
            }
        }
        figure[piece - 1] = {static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row), 0};
        AddPieceStamps(grid, piece, figure[piece - 1]);
    }
    return figure;
}

inline TPatternRecord shifted(TPatternRecord figure, int dx, int dy) {
    for (TPlacement& p : figure) {
        p.column = static_cast<std::uint8_t>(p.column + dx);
        p.row = static_cast<std::uint8_t>(p.row + dy);
    }
    return figure;
}

} // namespace tangram::test
