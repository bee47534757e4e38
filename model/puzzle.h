// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle state the game session owns for the whole run, with every operation on it: setting up
// a pattern, the solution check, lifting, moving, turning, mirroring and dropping pieces with the
// mouse, and the help command. It knows nothing of Qt: what the board must draw goes to a
// BoardCanvas, everything else the game must hear about (sounds, the solve) to PuzzleEvents, in
// the game's order. Nothing here allocates.
//
// Invariant: every piece except the selected one is in the board grid with all its stamps at its
// placement, and every placement in the board grid lies inside the board.
#pragma once

#include "model/cellgrid.h"
#include "model/geometry.h"
#include "model/boardcanvas.h"
#include "model/patternstatus.h"
#include "model/puzzleevents.h"

#include <cstdint>

namespace tangram {

enum class MouseButton { Left, Middle, Right };

// Pieces can be moved only while playing; the state returns to Playing with the next set-up.
enum class PlayState : std::uint8_t {
    Playing = 0,
    Solved = 1,  // by the player
    GivenUp = 2, // completed by the help command
};

// Where a press lands on a piece: outside it, near its reference point (a drag moves the piece)
// or farther out (a drag turns it). The zone of the press is also the drag mode.
enum class HitZone { Outside = 0, Move = 1, Turn = 2 };

class Puzzle {
public:
    // Both must outlive the puzzle.
    Puzzle(BoardCanvas& canvas, PuzzleEvents& events);
    Puzzle(const Puzzle&) = delete;
    Puzzle& operator=(const Puzzle&) = delete;

    // --- state, read-only for the interface ---
    const TCellGrid& boardGrid() const { return m_board; }
    const TCellGrid& targetGrid() const { return m_target; }
    const TPatternRecord& currentPattern() const { return m_pattern; }
    // piece 1..7
    const TPlacement& placement(int piece) const { return m_placements[piece - 1]; }
    int selectedPiece() const { return m_selected; }
    PlayState playState() const { return m_playState; }
    int anchorColumn() const { return m_anchorColumn; }
    int anchorRow() const { return m_anchorRow; }
    HitZone dragMode() const { return m_dragMode; }
    int grabDx() const { return m_grabDx; }
    int grabDy() const { return m_grabDy; }
    int turnBase() const { return m_turnBase; }
    int cellWidth() const { return m_cellWidth; }
    int cellHeight() const { return m_cellHeight; }

    // Pixels per grid unit, set by the board layout. While it is 0 the board ignores the mouse.
    void SetCellSize(int cellWidth, int cellHeight);

    // --- grid operations on the board grid ---
    void AddPiece(int piece);
    void RemovePiece(int piece);
    bool PieceFits(int piece, int column, int row, int orientation) const;
    // Moves the lifted piece's reference point if the piece stays inside the board; sound 4 and
    // the XOR outline erased and redrawn when it actually moves.
    void MoveSelectedPiece(int column, int row);

    // Prepares the board for `pattern`, whose status is `status`. The puzzle keeps references to
    // `status` and `modified` (the session's status table entry and modified flag) and updates
    // them when the figure is solved or the help reveals a piece; both must outlive the next
    // SetUpPattern. Requests SetHelpEnabled; draws nothing. A pattern whose pieces would leave
    // the grid is set up safely: its silhouette is clipped to the grid and such pieces are never
    // revealed (they stay at home).
    void SetUpPattern(const TPatternRecord& pattern, PatternStatus& status, bool& modified);
    // After a successful drop while playing: compares the board with the silhouette up to a
    // translation and, on success, runs the success sequence.
    void CheckSolution();

    // --- mouse on the board (x, y in board pixels; may lie outside while the pointer is held) ---
    HitZone PieceHitZone(int x, int y, int piece) const;
    void PickPiece(int x, int y);
    void boxMousedown(MouseButton button, int x, int y);
    void boxMouseMove(bool leftHeld, int x, int y);

    // The help command: reveals one more piece of the solution.
    void TipBtnClick();

    // --- the same play from the keyboard and the wheel; each does nothing unless playing ---
    // Puts the lifted piece down where it is, as a press outside it does: with the fit test
    // (a refusal plays the refused sound and flashes the piece), the put-down sound and the
    // solution check. True when it went down.
    bool DropSelectedPiece();
    // Lifts `piece` (1..7) when none is lifted.
    void LiftPiece(int piece);
    // Puts the lifted piece down (nothing more happens if that is refused) and lifts the next
    // piece in number order, or the previous one for a negative `direction`; with none lifted,
    // the one after the piece lifted last.
    void LiftNextPiece(int direction = 1);
    // Moves the lifted piece by whole cells, with the bounds test and sound of a drag.
    void NudgeSelectedPiece(int columns, int rows);
    // Turns the lifted piece by `steps` 22.5-degree steps (positive clockwise on the screen),
    // with the bounds test and sound of a turn by gesture.
    void TurnSelectedPiece(int steps);
    // Mirrors the lifted piece if it is the parallelogram and stays in bounds.
    void MirrorSelectedPiece();

    // Lays the pieces at `placements` with none lifted and draws nothing, so that the figure
    // checker and the benchmarks can test an arrangement with the game's own solution check.
    // Each placement must be inside the board.
    void LayPieces(const TPatternRecord& placements);

private:
    void setTurnOrGrab(HitZone zone, int x, int y, int gx, int gy);
    void revealPieces(int count);
    static int nearestSixteenth(long double angle);

    BoardCanvas& m_canvas;
    PuzzleEvents& m_events;
    TCellGrid m_board{};
    TCellGrid m_target{};
    TPatternRecord m_pattern{};
    TPatternRecord m_placements{};
    PatternStatus m_noStatus;
    bool m_noModified = false;
    PatternStatus* m_status = &m_noStatus;
    bool* m_modified = &m_noModified;
    int m_selected = 0;
    int m_lastLifted = 0;
    PlayState m_playState = PlayState::Playing;
    int m_anchorColumn = 0;
    int m_anchorRow = 0;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    HitZone m_dragMode = HitZone::Outside;
    int m_grabDx = 0;
    int m_grabDy = 0;
    int m_turnBase = 0;
};

} // namespace tangram
