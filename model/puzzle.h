// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle state the main window owns for the whole run, with every operation on it: setting up
// a pattern, the solution check, lifting, moving, turning, mirroring and dropping pieces with the
// mouse, and the help command. It knows nothing of Qt: whatever the interface must show or play
// is requested through PuzzleView, in the game's order. Nothing here allocates.
//
// Invariant: every piece except the selected one is in the board grid with all its stamps at its
// placement, and every placement in the board grid lies inside the board.
#pragma once

#include "model/cellgrid.h"
#include "model/geometry.h"
#include "model/puzzleview.h"

#include <cstdint>

namespace tangram {

enum class MouseButton { Left, Middle, Right };

// Play states: pieces can be moved only while playing.
inline constexpr std::uint8_t kPlaying = 0;
inline constexpr std::uint8_t kSolved = 1;  // solved by the player
inline constexpr std::uint8_t kGivenUp = 2; // completed by the help command

// Status byte bits.
inline constexpr std::uint8_t kDoneBit = 8;
inline constexpr std::uint8_t kRevealedMask = 7;

class Puzzle {
public:
    explicit Puzzle(PuzzleView& view);
    Puzzle(const Puzzle&) = delete;
    Puzzle& operator=(const Puzzle&) = delete;

    // --- state, read-only for the interface ---
    const TCellGrid& boardGrid() const { return m_board; }
    const TCellGrid& targetGrid() const { return m_target; }
    const TPatternRecord& currentPattern() const { return m_pattern; }
    // piece 1..7
    const TPlacement& placement(int piece) const { return m_placements[piece - 1]; }
    int selectedPiece() const { return m_selected; }
    std::uint8_t playState() const { return m_playState; }
    int anchorColumn() const { return m_anchorColumn; }
    int anchorRow() const { return m_anchorRow; }
    int dragMode() const { return m_dragMode; }
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

    // Prepares the board for `pattern`, whose status byte is `status`. The puzzle keeps references
    // to `status` and `modified` (the main window's status table entry and modified flag) and
    // updates them when the figure is solved or the help reveals a piece; both must outlive the
    // next SetUpPattern. Requests SetHelpEnabled; draws nothing. A pattern whose pieces would leave
    // the grid is set up safely: its silhouette is clipped to the grid and such pieces are never
    // revealed (they stay at home).
    void SetUpPattern(const TPatternRecord& pattern, std::uint8_t& status, bool& modified);
    // After a successful drop while playing: compares the board with the silhouette up to a
    // translation and, on success, runs the success sequence.
    void CheckSolution();

    // --- mouse on the board (x, y in board pixels; may lie outside while the pointer is held) ---
    // 0 outside the piece, 1 move zone, 2 turn zone.
    int PieceHitZone(int x, int y, int piece) const;
    void PickPiece(int x, int y);
    void boxMousedown(MouseButton button, int x, int y);
    void boxMouseMove(bool leftHeld, int x, int y);

    // The help command: reveals one more piece of the solution.
    void TipBtnClick();

    // Test support: puts the puzzle into a given arrangement with no piece lifted. Each placement
    // must be inside the board.
    void arrangeForTest(const TPatternRecord& placements);

private:
    void setTurnOrGrab(int zone, int x, int y, int gx, int gy);
    void revealPieces(int count);
    static int nearestSixteenth(long double angle);

    PuzzleView& m_view;
    TCellGrid m_board{};
    TCellGrid m_target{};
    TPatternRecord m_pattern{};
    TPatternRecord m_placements{};
    std::uint8_t m_noStatus = 0;
    bool m_noModified = false;
    std::uint8_t* m_status = &m_noStatus;
    bool* m_modified = &m_noModified;
    int m_selected = 0;
    std::uint8_t m_playState = kPlaying;
    int m_anchorColumn = 0;
    int m_anchorRow = 0;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    int m_dragMode = 0;
    int m_grabDx = 0;
    int m_grabDy = 0;
    int m_turnBase = 0;
};

} // namespace tangram
