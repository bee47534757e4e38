// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/puzzle.h"

#include "model/solution.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace tangram {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// A pattern placement can be laid on the board only when its orientation exists and all its
// stamps lie inside the board; pattern files are data from outside and are not trusted.
bool placementUsable(int piece, const TPlacement& p) {
    return p.orientation < kOrientations && PieceInBounds(piece, p.column, p.row, p.orientation);
}

} // namespace

Puzzle::Puzzle(BoardCanvas& canvas, PuzzleEvents& events) : m_canvas(canvas), m_events(events) {
    m_pattern = HomePlacements;
    m_placements = HomePlacements;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        AddPiece(piece);
    }
}

void Puzzle::SetCellSize(int cellWidth, int cellHeight) {
    m_cellWidth = cellWidth;
    m_cellHeight = cellHeight;
}

void Puzzle::AddPiece(int piece) {
    AddPieceStamps(m_board, piece, m_placements[piece - 1]);
}

void Puzzle::RemovePiece(int piece) {
    SubtractPieceStamps(m_board, piece, m_placements[piece - 1]);
}

bool Puzzle::PieceFits(int piece, int column, int row, int orientation) const {
    return tangram::PieceFits(m_board, piece, column, row, orientation);
}

void Puzzle::MoveSelectedPiece(int column, int row) {
    if (m_selected == 0) {
        return;
    }
    TPlacement& p = m_placements[m_selected - 1];
    if (!PieceInBounds(m_selected, column, row, p.orientation)) {
        return;
    }
    if (column == p.column && row == p.row) {
        return;
    }
    m_events.PlaySoundEffect(SoundEffect::MoveStep);
    m_canvas.DrawPieceOutline(m_selected, kYellow, true);
    p.column = static_cast<std::uint8_t>(column);
    p.row = static_cast<std::uint8_t>(row);
    m_canvas.DrawPieceOutline(m_selected, kYellow, true);
}

void Puzzle::SetUpPattern(const TPatternRecord& pattern, PatternStatus& status, bool& modified) {
    m_status = &status;
    m_modified = &modified;
    m_pattern = pattern;
    m_board.clear();
    m_target.clear();
    // The silhouette. Stamps reaching past the grid are clipped, so a damaged record can never
    // write outside it; such a figure simply cannot be matched.
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const TPlacement& p = m_pattern[piece - 1];
        if (p.orientation >= kOrientations) {
            continue;
        }
        const int shape = PieceShapeOf(piece);
        for (int entry = 1; entry <= StampCount(shape); ++entry) {
            const StampEntry e = StampList(shape, entry, p.orientation);
            AddStampClipped(m_target, p.column + e.dc, p.row + e.dr, e.stamp);
        }
    }
    m_placements = HomePlacements;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        AddPiece(piece);
    }
    if (!status.done()) {
        revealPieces(status.revealedCount());
    }
    if (!FirstFilledCellIn(m_target, PiecesBox(m_pattern, 0), m_anchorColumn, m_anchorRow)) {
        m_anchorColumn = 0;
        m_anchorRow = 0;
    }
    m_selected = 0;
    m_playState = PlayState::Playing;
    m_events.SetHelpEnabled(!status.done());
}

void Puzzle::revealPieces(int count) {
    for (int piece = 1; piece <= count; ++piece) {
        const TPlacement& solution = m_pattern[piece - 1];
        if (!placementUsable(piece, solution)) {
            continue; // a piece the board cannot hold stays at home
        }
        RemovePiece(piece);
        m_placements[piece - 1] = solution;
        AddPiece(piece);
    }
}

void Puzzle::CheckSolution() {
    const CellBox box = PiecesBox(m_placements, m_selected);
    if (!FigureMatches(m_board, box, m_target, m_anchorColumn, m_anchorRow)) {
        return;
    }
    m_playState = PlayState::Solved;
    m_canvas.DrawPlacedPieces(kGreen, kGrey);
    if (!m_status->done()) {
        *m_status = m_status->markedDone();
        *m_modified = true;
    }
    m_events.PlaySoundEffect(SoundEffect::Solved);
    m_events.ShowWonPage();
    m_events.StatusChanged();
}

int Puzzle::nearestSixteenth(long double angle) {
    // Halfway values go to the even integer, as the default rounding mode does.
    return static_cast<int>(std::nearbyint(angle * 8 / kPi));
}

HitZone Puzzle::PieceHitZone(int x, int y, int piece) const {
    const TPlacement& p = m_placements[piece - 1];
    const int shape = PieceShapeOf(piece);
    const int o = p.orientation;
    const int cw = m_cellWidth;
    const int ch = m_cellHeight;
    auto corner = [&](int a, int b, int e) {
        const GridOffset va = OutlineVertex(shape, a, o);
        const GridOffset vb = OutlineVertex(shape, b, o);
        const GridOffset ve = OutlineVertex(shape, e, o);
        const long double h = VectorAngle(vb.x - va.x, vb.y - va.y);
        long double t = VectorAngle(ve.x - va.x, ve.y - va.y);
        long double m = VectorAngle(x - (p.column + va.x) * cw, y - (p.row + va.y) * ch);
        if (h > t) {
            t += 2 * kPi;
        }
        if (h > m) {
            m += 2 * kPi;
        }
        return m <= t;
    };
    const bool inside = VertexCount(shape) == 3 ? corner(0, 1, 2) && corner(1, 2, 0)
                                                : corner(0, 1, 3) && corner(2, 3, 1);
    if (!inside) {
        return HitZone::Outside;
    }
    const std::int64_t dx = static_cast<std::int64_t>(p.column) * cw - x;
    const std::int64_t dy = static_cast<std::int64_t>(p.row) * ch - y;
    const std::int64_t radius = static_cast<std::int64_t>(MoveZoneRadius(shape)) * cw;
    // dist >= radius, compared exactly on the squares.
    return dx * dx + dy * dy >= radius * radius ? HitZone::Turn : HitZone::Move;
}

void Puzzle::PickPiece(int x, int y) {
    m_selected = 0;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        if (PieceHitZone(x, y, piece) != HitZone::Outside) {
            m_selected = piece;
        }
    }
    if (m_selected == 0) {
        return;
    }
    m_lastLifted = m_selected;
    m_events.PlaySoundEffect(SoundEffect::PickUp);
    RemovePiece(m_selected);
    m_canvas.DrawPieceFilled(m_selected, kSilver, kSilver);
    m_canvas.DrawPlacedPieces(kBlack, kGrey);
    m_canvas.DrawPieceOutline(m_selected, kYellow, true);
}

void Puzzle::setTurnOrGrab(HitZone zone, int x, int y, int gx, int gy) {
    const TPlacement& p = m_placements[m_selected - 1];
    if (zone == HitZone::Move) {
        m_grabDx = p.column - gx;
        m_grabDy = p.row - gy;
    } else if (zone == HitZone::Turn) {
        m_turnBase = p.orientation + nearestSixteenth(VectorAngle(x - p.column * m_cellWidth,
                                                                  y - p.row * m_cellHeight));
    }
}

void Puzzle::boxMousedown(MouseButton button, int x, int y) {
    if (m_playState != PlayState::Playing || m_cellWidth <= 0 || m_cellHeight <= 0) {
        return;
    }
    if (button == MouseButton::Right) {
        MirrorSelectedPiece();
        return;
    }
    const int gx = x / m_cellWidth;
    const int gy = y / m_cellHeight;
    m_grabDx = 0;
    m_grabDy = 0;
    if (gx < 0 || gx > kColumns - 1 || gy < 0 || gy > kRows - 1) {
        return;
    }
    if (m_selected != 0) {
        const HitZone zone = PieceHitZone(x, y, m_selected);
        m_dragMode = zone;
        if (zone == HitZone::Outside) {
            DropSelectedPiece();
        } else {
            setTurnOrGrab(zone, x, y, gx, gy);
        }
    }
    if (m_playState != PlayState::Playing || m_selected != 0) {
        return;
    }
    PickPiece(x, y);
    if (m_selected != 0) {
        const HitZone zone = PieceHitZone(x, y, m_selected);
        m_dragMode = zone;
        setTurnOrGrab(zone, x, y, gx, gy);
    }
}

void Puzzle::boxMouseMove(bool leftHeld, int x, int y) {
    if (m_selected == 0 || m_cellWidth <= 0 || m_cellHeight <= 0) {
        return;
    }
    const HitZone zone = PieceHitZone(x, y, m_selected);
    m_canvas.SetBoardCursor(zone == HitZone::Outside
                                ? BoardCursor::Hand
                                : (zone == HitZone::Move ? BoardCursor::Move : BoardCursor::Turn));
    if (!leftHeld) {
        return;
    }
    const int gx = x / m_cellWidth;
    const int gy = y / m_cellHeight;
    if (m_dragMode == HitZone::Move) {
        MoveSelectedPiece(gx + m_grabDx, gy + m_grabDy);
    } else if (m_dragMode == HitZone::Turn) {
        TPlacement& p = m_placements[m_selected - 1];
        const int half = p.orientation / 16;
        const long double a = VectorAngle(x - p.column * m_cellWidth, y - p.row * m_cellHeight);
        int k = m_turnBase - nearestSixteenth(a);
        while (k < 0) {
            k += 16;
        }
        const int turned = k % 16 + 16 * half;
        if (turned != p.orientation && PieceInBounds(m_selected, p.column, p.row, turned)) {
            m_events.PlaySoundEffect(SoundEffect::TurnStep);
            m_canvas.DrawPieceOutline(m_selected, kYellow, true);
            p.orientation = static_cast<std::uint8_t>(turned);
            m_canvas.DrawPieceOutline(m_selected, kYellow, true);
        }
    }
}

void Puzzle::TipBtnClick() {
    if (m_playState != PlayState::Playing) {
        return;
    }
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        if (piece != m_selected) {
            RemovePiece(piece);
        }
    }
    m_selected = 0;
    m_canvas.DrawPlacedPieces(kSilver, kSilver);
    m_placements = HomePlacements;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        AddPiece(piece);
    }
    int k = m_status->revealedCount();
    if (k < kPieceCount) {
        ++k;
    }
    if (k == kPieceCount) {
        *m_status = PatternStatus::givenUp();
        m_playState = PlayState::GivenUp;
    } else {
        *m_status = PatternStatus::revealed(k);
    }
    revealPieces(k);
    m_canvas.DrawPlacedPieces(k == kPieceCount ? kRed : kBlack, kGrey);
    *m_modified = true;
}

void Puzzle::LayPieces(const TPatternRecord& placements) {
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        if (piece != m_selected) {
            RemovePiece(piece);
        }
    }
    m_selected = 0;
    m_placements = placements;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        AddPiece(piece);
    }
}

// ---------------------------------------------------------------- keys and wheel

bool Puzzle::DropSelectedPiece() {
    if (m_selected == 0 || m_playState != PlayState::Playing) {
        return false;
    }
    const TPlacement& p = m_placements[m_selected - 1];
    if (!PieceFits(m_selected, p.column, p.row, p.orientation)) {
        m_events.PlaySoundEffect(SoundEffect::Refused);
        m_canvas.FlashRefusedPiece(m_selected);
        return false;
    }
    m_events.PlaySoundEffect(SoundEffect::Drop);
    AddPiece(m_selected);
    m_canvas.DrawPieceFilled(m_selected, kBlack, kGrey);
    m_selected = 0;
    CheckSolution();
    return true;
}

void Puzzle::LiftPiece(int piece) {
    if (m_playState != PlayState::Playing || m_selected != 0 || piece < 1 ||
        piece > kPieceCount) {
        return;
    }
    m_selected = piece;
    m_lastLifted = piece;
    m_dragMode = HitZone::Outside;
    m_events.PlaySoundEffect(SoundEffect::PickUp);
    RemovePiece(m_selected);
    m_canvas.DrawPieceFilled(m_selected, kSilver, kSilver);
    m_canvas.DrawPlacedPieces(kBlack, kGrey);
    m_canvas.DrawPieceOutline(m_selected, kYellow, true);
}

void Puzzle::LiftNextPiece(int direction) {
    if (m_playState != PlayState::Playing) {
        return;
    }
    const int from = m_selected != 0 ? m_selected : m_lastLifted;
    if (m_selected != 0 && !DropSelectedPiece()) {
        return;
    }
    if (m_playState != PlayState::Playing) {
        return; // that put-down completed the figure
    }
    const int step = direction < 0 ? kPieceCount - 1 : 1;
    const int next = from == 0 ? (direction < 0 ? kPieceCount : 1) : (from - 1 + step) % kPieceCount + 1;
    LiftPiece(next);
}

void Puzzle::NudgeSelectedPiece(int columns, int rows) {
    if (m_selected == 0 || m_playState != PlayState::Playing) {
        return;
    }
    const TPlacement& p = m_placements[m_selected - 1];
    MoveSelectedPiece(p.column + columns, p.row + rows);
}

void Puzzle::TurnSelectedPiece(int steps) {
    if (m_selected == 0 || m_playState != PlayState::Playing || steps % 16 == 0) {
        return;
    }
    TPlacement& p = m_placements[m_selected - 1];
    const int turned = TurnOrientation(p.orientation, p.orientation % 16 + steps);
    if (!PieceInBounds(m_selected, p.column, p.row, turned)) {
        return;
    }
    m_events.PlaySoundEffect(SoundEffect::TurnStep);
    m_canvas.DrawPieceOutline(m_selected, kYellow, true);
    p.orientation = static_cast<std::uint8_t>(turned);
    m_canvas.DrawPieceOutline(m_selected, kYellow, true);
}

void Puzzle::MirrorSelectedPiece() {
    if (m_selected != kParallelogram || m_playState != PlayState::Playing) {
        return;
    }
    TPlacement& p = m_placements[kParallelogram - 1];
    const int mirrored = MirrorOrientation(p.orientation);
    if (PieceInBounds(kParallelogram, p.column, p.row, mirrored)) {
        m_canvas.DrawPieceOutline(kParallelogram, kYellow, true);
        p.orientation = static_cast<std::uint8_t>(mirrored);
        m_canvas.DrawPieceOutline(kParallelogram, kYellow, true);
    }
}

} // namespace tangram
