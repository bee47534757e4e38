// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/figurechecker.h"

#include "model/cellgrid.h"
#include "model/puzzle.h"
#include "tools/patterns/silentview.h"
#include "tools/patterns/silhouette.h"
#include "tools/patterns/sourcefigure.h"

#include <optional>
#include <utility>

namespace tangram::patterns {

namespace {

std::string pieceText(int piece) {
    return "piece " + std::to_string(piece) + " (" + pieceName(piece) + ")";
}

bool allInBounds(const TPatternRecord& record, int dx, int dy) {
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const TPlacement& p = record[piece - 1];
        const int c = p.column + dx;
        const int r = p.row + dy;
        if (c < 0 || c > 120 || r < 0 || r > 80 || !PieceInBounds(piece, c, r, p.orientation))
            return false;
    }
    return true;
}

std::optional<std::pair<int, int>> pickTranslation(const TPatternRecord& record) {
    // Odd steps in both directions, so that no accidental symmetry of the stamps can help.
    static const std::pair<int, int> tries[] = {{7, 5},   {-7, 5},  {7, -5}, {-7, -5},
                                                {3, -11}, {-13, 3}, {1, 1},  {-1, -1},
                                                {1, -1},  {-1, 1},  {0, 1},  {1, 0}};
    for (const auto& t : tries)
        if (allInBounds(record, t.first, t.second))
            return t;
    return std::nullopt;
}

// Rules 1 and 2. Returns the silhouette of the pieces that could be laid.
TCellGrid layPieces(const TPatternRecord& record, std::vector<Problem>& problems) {
    TCellGrid board{};
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const TPlacement& p = record[piece - 1];
        if (!PieceFits(board, piece, p.column, p.row, p.orientation)) {
            // Name the piece it runs into: the first earlier piece that alone refuses it.
            int other = 0;
            for (int q = 1; q < piece && other == 0; ++q) {
                const TCellGrid alone = pieceCells(q, record[q - 1]);
                if (!PieceFits(alone, piece, p.column, p.row, p.orientation))
                    other = q;
            }
            problems.push_back(
                {piece, other != 0 ? "overlaps " + pieceText(other) : "does not fit on the board"});
            continue;
        }
        AddPieceStamps(board, piece, p);
    }
    return board;
}

void checkConnected(const TPatternRecord& record, const TCellGrid& silhouette,
                    std::vector<Problem>& problems) {
    std::vector<int> labels;
    const int regions = labelRegions(silhouette, labels);
    if (regions <= 1)
        return;
    // The region of piece 1 counts as the figure; every piece outside it is named.
    auto regionOf = [&](int piece) {
        const TCellGrid alone = pieceCells(piece, record[piece - 1]);
        for (int i = 0; i < kCellCount; ++i)
            if (alone.cells[i] != 0)
                return labels[i];
        return 0;
    };
    const int main = regionOf(1);
    for (int piece = 2; piece <= kPieceCount; ++piece)
        if (regionOf(piece) != main)
            problems.push_back({piece, "is not joined to " + pieceText(1) +
                                           ": the silhouette "
                                           "falls apart into " +
                                           std::to_string(regions) + " regions"});
}

void checkPlace(const TPatternRecord& record, const TCellGrid& silhouette,
                std::vector<Problem>& problems) {
    const CellBox box = occupiedBox(silhouette);
    if (!box.empty() && (box.maxColumn > 119 || box.maxRow > 79))
        problems.push_back({0, "the silhouette reaches column " + std::to_string(box.maxColumn) +
                                   ", row " + std::to_string(box.maxRow) +
                                   "; the solution check only matches columns 0..119 and rows "
                                   "0..79"});
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const TCellGrid alone = pieceCells(piece, record[piece - 1]);
        for (int home = 1; home <= kPieceCount; ++home) {
            const TCellGrid atHome = pieceCells(home, HomePlacements[home - 1]);
            bool overlap = false;
            for (int i = 0; i < kCellCount && !overlap; ++i)
                overlap = alone.cells[i] != 0 && atHome.cells[i] != 0;
            if (overlap) {
                problems.push_back({piece, "covers cells of " + pieceText(home) +
                                               " at its home place; move the figure inward"});
                break;
            }
        }
    }
}

void checkBuildable(const TPatternRecord& record, int dx, int dy, std::vector<Problem>& problems) {
    if (!allInBounds(record, dx, dy)) {
        problems.push_back({0, "cannot be built " + std::to_string(dx) + ", " + std::to_string(dy) +
                                   " grid units away: a piece would "
                                   "leave the board"});
        return;
    }
    TPatternRecord moved = record;
    for (auto& p : moved) {
        p.column = static_cast<std::uint8_t>(p.column + dx);
        p.row = static_cast<std::uint8_t>(p.row + dy);
    }
    SilentView view;
    Puzzle puzzle(view, view);
    PatternStatus status;
    bool modified = false;
    puzzle.SetUpPattern(record, status, modified);
    puzzle.LayPieces(moved);
    puzzle.CheckSolution();
    if (puzzle.playState() != PlayState::Solved || view.wonPages != 1)
        problems.push_back({0, "built " + std::to_string(dx) + ", " + std::to_string(dy) +
                                   " grid units away it is not accepted by the solution check"});
}

} // namespace

std::vector<Problem> checkRecord(const TPatternRecord& record) {
    const auto t = pickTranslation(record);
    if (!t) {
        std::vector<Problem> problems = checkRecord(record, 1, 0);
        return problems;
    }
    return checkRecord(record, t->first, t->second);
}

std::vector<Problem> checkRecord(const TPatternRecord& record, int buildDx, int buildDy) {
    std::vector<Problem> problems;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const TPlacement& p = record[piece - 1];
        if (!PieceInBounds(piece, p.column, p.row, p.orientation))
            problems.push_back({piece, "a stamp lies outside the grid at column " +
                                           std::to_string(p.column) + ", row " +
                                           std::to_string(p.row) + ", orientation " +
                                           std::to_string(p.orientation)});
    }
    if (!problems.empty())
        return problems; // the other rules would read outside the grid
    const TCellGrid silhouette = layPieces(record, problems);
    if (!problems.empty())
        return problems;
    checkConnected(record, silhouette, problems);
    checkPlace(record, silhouette, problems);
    if (!problems.empty())
        return problems;
    if (buildDx == 0 && buildDy == 0)
        problems.push_back({0, "the build check needs a translation other than zero"});
    else
        checkBuildable(record, buildDx, buildDy, problems);
    return problems;
}

std::string describe(const Problem& problem) {
    if (problem.piece == 0)
        return problem.reason;
    return pieceText(problem.piece) + ": " + problem.reason;
}

} // namespace tangram::patterns
