// SPDX-License-Identifier: GPL-3.0-or-later
// The pattern library reader on any bytes, then every record it yields set up on the puzzle model,
// a few uses of the help and random mouse gestures. After every step: each piece on the board lies
// inside it, and the board grid is exactly the sum of the placed pieces' stamps.
#include "data/patternlibrary.h"
#include "fuzz_support.h"
#include "model/cellgrid.h"
#include "model/puzzle.h"

#include <QBuffer>
#include <memory>

using namespace tangram;

namespace {

class SilentView : public BoardCanvas, public PuzzleEvents {
public:
    void DrawPieceOutline(int piece, Colour, bool) override { FUZZ_CHECK(piece >= 1 && piece <= 7); }
    void DrawPieceFilled(int piece, Colour, Colour) override { FUZZ_CHECK(piece >= 1 && piece <= 7); }
    void DrawPlacedPieces(Colour, Colour) override {}
    void SetBoardCursor(BoardCursor) override {}
    void FlashRefusedPiece(int piece) override { FUZZ_CHECK(piece >= 1 && piece <= 7); }
    void PlaySoundEffect(SoundEffect sound) override {
        const int n = static_cast<int>(sound);
        FUZZ_CHECK(n >= 1 && n <= kSoundEffectCount);
    }
    void ShowWonPage() override {}
    void StatusChanged() override {}
    void SetHelpEnabled(bool) override {}
};

void checkBoard(const Puzzle& puzzle, PatternStatus status) {
    TCellGrid expected{};
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        if (piece == puzzle.selectedPiece())
            continue;
        const TPlacement& p = puzzle.placement(piece);
        FUZZ_CHECK(p.orientation < kOrientations);
        FUZZ_CHECK(PieceInBounds(piece, p.column, p.row, p.orientation));
        AddPieceStamps(expected, piece, p);
    }
    FUZZ_CHECK(expected == puzzle.boardGrid());
    FUZZ_CHECK(status.nibble() <= 0x0F);
    // All seven pieces revealed only by giving up, which marks the figure done.
    FUZZ_CHECK(status.revealedCount() != kPieceCount || status.done());
}

// A point on the board in pixels: mostly near a piece, so that pieces are really picked up and
// dragged, sometimes anywhere, off the board included.
void pickPoint(fuzz::InputRandom& random, const Puzzle& puzzle, int& x, int& y) {
    const int cw = puzzle.cellWidth();
    const int ch = puzzle.cellHeight();
    if (random.between(0, 3) == 0) {
        x = random.between(-3 * cw, (kColumns + 3) * cw);
        y = random.between(-3 * ch, (kRows + 3) * ch);
        return;
    }
    const int piece = puzzle.selectedPiece() != 0 && random.between(0, 1) == 0
                          ? puzzle.selectedPiece()
                          : random.between(1, kPieceCount);
    const TPlacement& p = puzzle.placement(piece);
    x = p.column * cw + random.between(-4 * cw, 4 * cw);
    y = p.row * ch + random.between(-4 * ch, 4 * ch);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputRandom random(data, size);
    auto state = std::make_unique<GameState>();
    state->category = random.between(0, kCategoryCount - 1);
    state->setLevel(random.between(-5, 1005));
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    readPatterns(device, *state);

    const int count = state->patternCount();
    FUZZ_CHECK(count >= 0 && count <= kMaxPatterns);
    FUZZ_CHECK(count <= static_cast<int>(size) / kLibraryRecordSize);
    FUZZ_CHECK(state->level() >= 1 && state->level() <= std::max(1, count));

    SilentView view;
    Puzzle puzzle(view, view);
    bool modified = false;
    // Every record yielded, and the empty pattern a category without records plays.
    for (int n = 0; n <= count; ++n) {
        const TPatternRecord& pattern =
            n == 0 ? kEmptyPattern : state->patterns[static_cast<std::size_t>(n)];
        PatternStatus& status = n == 0 ? state->status[0] : state->status[static_cast<std::size_t>(n)];
        puzzle.SetUpPattern(pattern, status, modified);
        puzzle.SetCellSize(random.between(1, 9), random.between(1, 9));
        checkBoard(puzzle, status);
        const int helps = random.between(0, 3);
        for (int h = 0; h < helps && !status.done(); ++h) {
            puzzle.TipBtnClick();
            checkBoard(puzzle, status);
        }
        const int gestures = random.between(0, 12);
        for (int g = 0; g < gestures; ++g) {
            int x = 0;
            int y = 0;
            pickPoint(random, puzzle, x, y);
            switch (random.between(0, 7)) {
            case 0:
            case 1:
                puzzle.boxMousedown(MouseButton::Left, x, y);
                break;
            case 2:
                puzzle.boxMousedown(MouseButton::Right, x, y);
                break;
            case 3:
                puzzle.boxMousedown(MouseButton::Middle, x, y);
                break;
            case 6: // the keyboard and the wheel
                switch (random.between(0, 5)) {
                case 0:
                    puzzle.LiftNextPiece(random.between(0, 1) == 0 ? 1 : -1);
                    break;
                case 1:
                    puzzle.NudgeSelectedPiece(random.between(-2, 2), random.between(-2, 2));
                    break;
                case 2:
                    puzzle.TurnSelectedPiece(random.between(-3, 3));
                    break;
                case 3:
                    puzzle.MirrorSelectedPiece();
                    break;
                case 4:
                    puzzle.LiftPiece(random.between(0, 8));
                    break;
                default:
                    puzzle.DropSelectedPiece();
                    break;
                }
                break;
            default:
                for (int step = random.between(1, 6); step > 0; --step) {
                    puzzle.boxMouseMove(random.between(0, 4) != 0, x, y);
                    x += random.between(-20, 20);
                    y += random.between(-20, 20);
                }
                break;
            }
            checkBoard(puzzle, status);
        }
    }
    return 0;
}
