// SPDX-License-Identifier: GPL-3.0-or-later
// The board's drawing costs in a 1920 x 1080 window (cell size 12, board 1453 x 973), through
// the real widget and the real puzzle:
//   - a drag step: one pointer movement with the left button held that moves (or turns) the
//     lifted piece, which erases and redraws its XOR outline; with and without the repaint of
//     the touched rectangle reaching the (offscreen) window;
//   - a full repaint: boxPaint, which rebuilds the whole picture, and a grab of the widget,
//     which copies it through paintEvent.
// Run with --benchmark_repetitions=10 to see medians.
#include "model/puzzle.h"
#include "ui/BoardWidget.h"
#include "ui/boardlayout.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>

#include <benchmark/benchmark.h>

using namespace tangram;

namespace {

class QuietEvents : public PuzzleEvents {
public:
    void PlaySoundEffect(SoundEffect) override {}
    void ShowWonPage() override {}
    void StatusChanged() override {}
    void SetHelpEnabled(bool) override {}
};

// The puzzle and its board laid out for a 1920 x 1080 client area, pieces spread out in the
// middle of the board.
struct FullHdBoard {
    QuietEvents events;
    BoardWidget board;
    Puzzle puzzle{board, events};

    FullHdBoard() {
        board.setPuzzle(&puzzle);
        const BoardLayout layout = computeBoardLayout(1920, 1080, kToolPanelHeight);
        board.resize(layout.box.size());
        puzzle.SetCellSize(layout.cellSize, layout.cellSize);
        puzzle.LayPieces({{{25, 30, 0},
                           {40, 30, 0},
                           {60, 32, 0},
                           {85, 35, 0},
                           {30, 70, 0},
                           {50, 65, 0},
                           {75, 65, 0}}});
        board.boxPaint();
    }

    int cell() const { return puzzle.cellWidth(); }

    // Lifts the large triangle (piece 4) with a press in its move zone or its turn zone and
    // returns the pixel pressed.
    QPoint lift(HitZone zone) {
        const TPlacement p = puzzle.placement(4);
        for (int dy = -15 * cell(); dy <= 15 * cell(); dy += 2) {
            for (int dx = -15 * cell(); dx <= 15 * cell(); dx += 2) {
                const QPoint at(p.column * cell() + dx, p.row * cell() + dy);
                if (puzzle.PieceHitZone(at.x(), at.y(), 4) == zone) {
                    send(QEvent::MouseButtonPress, at, Qt::LeftButton);
                    return at;
                }
            }
        }
        return QPoint();
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button) {
        QMouseEvent event(type, QPointF(at), board.mapToGlobal(QPointF(at)), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&board, &event);
    }
};

void BM_DragStepMove(benchmark::State& state) {
    FullHdBoard b;
    const QPoint grip = b.lift(HitZone::Move);
    const QPoint across = grip + QPoint(b.cell(), 0); // the next cell to the right
    bool right = false;
    for (auto _ : state) {
        right = !right;
        b.send(QEvent::MouseMove, right ? across : grip, Qt::NoButton);
    }
    if (b.puzzle.selectedPiece() != 4) {
        state.SkipWithError("the piece was not lifted");
    }
}
BENCHMARK(BM_DragStepMove);

void BM_DragStepTurn(benchmark::State& state) {
    FullHdBoard b;
    const QPoint grip = b.lift(HitZone::Turn);
    const TPlacement p = b.puzzle.placement(4);
    const QPoint centre(p.column * b.cell(), p.row * b.cell());
    // The pointer swings a quarter of a turn step either way around the reference point.
    const QPoint arm = grip - centre;
    const QPoint swung = centre + QPoint(arm.x() * 92 / 100 - arm.y() * 38 / 100,
                                         arm.x() * 38 / 100 + arm.y() * 92 / 100);
    const int before = b.puzzle.placement(4).orientation;
    bool away = false;
    for (auto _ : state) {
        away = !away;
        b.send(QEvent::MouseMove, away ? swung : grip, Qt::NoButton);
    }
    if (b.puzzle.placement(4).orientation == before && state.iterations() % 2 == 1) {
        state.SkipWithError("the piece did not turn");
    }
}
BENCHMARK(BM_DragStepTurn);

void BM_DragStepShown(benchmark::State& state) {
    FullHdBoard b;
    b.board.show();
    QCoreApplication::processEvents();
    const QPoint grip = b.lift(HitZone::Move);
    const QPoint across = grip + QPoint(b.cell(), 0);
    QCoreApplication::processEvents();
    bool right = false;
    for (auto _ : state) {
        right = !right;
        b.send(QEvent::MouseMove, right ? across : grip, Qt::NoButton);
        QCoreApplication::processEvents(); // the touched rectangle reaches the window
    }
}
BENCHMARK(BM_DragStepShown);

void BM_FullRepaint(benchmark::State& state) {
    FullHdBoard b;
    for (auto _ : state) {
        b.board.boxPaint();
        QPixmap shown = b.board.grab();
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

void BM_BoxPaintOnly(benchmark::State& state) {
    FullHdBoard b;
    for (auto _ : state) {
        b.board.boxPaint();
        benchmark::DoNotOptimize(b.board.backBuffer().constBits());
    }
}
BENCHMARK(BM_BoxPaintOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // No display needed: the board draws into memory either way.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
