// SPDX-License-Identifier: GPL-3.0-or-later
// The model's hot paths beside the literal algorithms they replace (a linear search of the 300
// pairs, full scans of all 9801 cells). Each pair is checked to give the same answer.
#include "model/puzzle.h"
#include "model/solution.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace tangram;

namespace {

class NullView : public BoardCanvas, public PuzzleEvents {
public:
    void DrawPieceOutline(int, Colour, bool) override {}
    void DrawPieceFilled(int, Colour, Colour) override {}
    void DrawPlacedPieces(Colour, Colour) override {}
    void SetBoardCursor(BoardCursor) override {}
    void FlashRefusedPiece(int) override {}
    void PlaySoundEffect(SoundEffect) override {}
    void ShowWonPage() override {}
    void StatusChanged() override {}
    void SetHelpEnabled(bool) override {}
};

// A compact figure: pieces laid flush against each other in two rows, so that a drop shares
// many edge cells with its neighbours.
TPatternRecord flushFigure() {
    TCellGrid grid{};
    TPatternRecord figure{};
    int column = 30;
    int row = 30;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        while (!PieceFits(grid, piece, column, row, 0)) {
            if (++column > 95) {
                column = 30;
                row += 20;
            }
        }
        figure[piece - 1] = {static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row), 0};
        AddPieceStamps(grid, piece, figure[piece - 1]);
        column = 30;
    }
    return figure;
}

TPatternRecord shifted(TPatternRecord figure, int dx, int dy) {
    for (TPlacement& p : figure) {
        p.column = static_cast<std::uint8_t>(p.column + dx);
        p.row = static_cast<std::uint8_t>(p.row + dy);
    }
    return figure;
}

void require(bool same, const char* what) {
    if (!same) {
        std::fprintf(stderr, "fast and literal answers differ: %s\n", what);
        std::abort();
    }
}

// The second large triangle dropped against the first along its whole hypotenuse, the two
// forming a square: every cell along the diagonal is shared.
struct DropCase {
    TCellGrid board{};
    TPlacement at{52, 32, 8};
    int piece = 5;
    DropCase() {
        AddPieceStamps(board, 4, {60, 40, 0});
        require(PieceFits(board, piece, at.column, at.row, at.orientation) &&
                    PieceFitsLinear(board, piece, at.column, at.row, at.orientation),
                "drop");
    }
};

void BM_PieceFits(benchmark::State& state) {
    const DropCase c;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            PieceFits(c.board, c.piece, c.at.column, c.at.row, c.at.orientation));
    }
}
BENCHMARK(BM_PieceFits);

void BM_PieceFitsLiteral(benchmark::State& state) {
    const DropCase c;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            PieceFitsLinear(c.board, c.piece, c.at.column, c.at.row, c.at.orientation));
    }
}
BENCHMARK(BM_PieceFitsLiteral);

enum class Outcome { Solved, FailsEarly, FailsLate };

struct SolutionCase {
    NullView view;
    Puzzle puzzle{view, view};
    PatternStatus status;
    bool modified = false;
    explicit SolutionCase(Outcome outcome) {
        const TPatternRecord figure = flushFigure();
        puzzle.SetUpPattern(figure, status, modified);
        TPatternRecord built = shifted(figure, 6, 9);
        if (outcome == Outcome::FailsEarly) {
            built[0].column = static_cast<std::uint8_t>(built[0].column + 1); // the first column
        } else if (outcome == Outcome::FailsLate) {
            built[6].row = static_cast<std::uint8_t>(built[6].row + 1); // the last piece
        }
        puzzle.LayPieces(built);
        const bool fast =
            FigureMatches(puzzle.boardGrid(), PiecesBox(built, 0), puzzle.targetGrid(),
                          puzzle.anchorColumn(), puzzle.anchorRow());
        const bool literal = FigureMatchesLinear(puzzle.boardGrid(), puzzle.targetGrid(),
                                                 puzzle.anchorColumn(), puzzle.anchorRow());
        require(fast == literal && fast == (outcome == Outcome::Solved), "solution");
    }
};

void BM_CheckSolution(benchmark::State& state) {
    SolutionCase c(static_cast<Outcome>(state.range(0)));
    for (auto _ : state) {
        c.puzzle.CheckSolution();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CheckSolution)->Arg(0)->Arg(1)->Arg(2)->ArgNames({"solved_early_late"});

void BM_CheckSolutionLiteral(benchmark::State& state) {
    SolutionCase c(static_cast<Outcome>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FigureMatchesLinear(c.puzzle.boardGrid(), c.puzzle.targetGrid(),
                                                     c.puzzle.anchorColumn(),
                                                     c.puzzle.anchorRow()));
    }
}
BENCHMARK(BM_CheckSolutionLiteral)->Arg(0)->Arg(1)->Arg(2)->ArgNames({"solved_early_late"});

void BM_SetUpPattern(benchmark::State& state) {
    NullView view;
    Puzzle puzzle(view, view);
    const TPatternRecord figure = flushFigure();
    PatternStatus status = PatternStatus::revealed(3);
    bool modified = false;
    for (auto _ : state) {
        puzzle.SetUpPattern(figure, status, modified);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SetUpPattern);

} // namespace
