// SPDX-License-Identifier: GPL-3.0-or-later
// The seven tangram pieces as constant tables: shape kinds, outline vertices and cell-stamp lists
// for all 32 orientations, the home placements, and the small orientation and angle helpers.
// Everything here is a pure function of constant data computed at compile time.
#pragma once

#include <array>
#include <cstdint>

namespace tangram {

inline constexpr int kColumns = 121; // board columns 0..120
inline constexpr int kRows = 81;     // board rows 0..80
inline constexpr int kPieceCount = 7;
// Pieces are numbered 1..7: 1 and 2 the small triangles, 3 the medium triangle, 4 and 5 the large
// triangles, 6 the square, 7 the parallelogram, the one piece whose mirror image differs.
inline constexpr int kSquare = 6;
inline constexpr int kParallelogram = 7;
inline constexpr int kOrientations = 32;

// A piece's reference point (a grid point) and its orientation 0..31 (16 * mirror half + turn
// step, one turn step being 22.5 degrees clockwise on the screen).
struct TPlacement {
    std::uint8_t column = 0;
    std::uint8_t row = 0;
    std::uint8_t orientation = 0;
    friend constexpr bool operator==(const TPlacement&, const TPlacement&) = default;
};

// The solution of one pattern: placements of pieces 1..7, stored at indices 0..6.
using TPatternRecord = std::array<TPlacement, kPieceCount>;

struct GridOffset {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const GridOffset&, const GridOffset&) = default;
};

// One entry of a stamp list: stamp `stamp` (0..15) with its origin at the reference point plus
// (dc, dr).
struct StampEntry {
    int dc = 0;
    int dr = 0;
    int stamp = 0;
    friend constexpr bool operator==(const StampEntry&, const StampEntry&) = default;
};

// piece 1..7 -> shape kind 1..5 (1 small triangle, 2 medium, 3 large, 4 square, 5 parallelogram).
int PieceShapeOf(int piece);
// Per shape kind 1..5.
int StampCount(int shape);
int VertexCount(int shape);
int MoveZoneRadius(int shape);

// vertex 0..VertexCount-1, orientation 0..31; offsets in grid units from the reference point.
GridOffset OutlineVertex(int shape, int vertex, int orientation);
// The corners of a piece laid at a grid point, in grid points, in outline order. Every drawing of
// a piece (board, preview, thumbnails, pictures) takes its polygon from here, so that all of them
// agree on a damaged record: an orientation outside 0..31 gives no corners, and the piece is not
// drawn anywhere.
struct PieceCorners {
    std::array<GridOffset, 4> points{};
    int count = 0;
};
PieceCorners ShapeOutline(int shape, int column, int row, int orientation);
PieceCorners PieceOutline(int piece, const TPlacement& placement);

// entry 1..StampCount, orientation 0..31.
StampEntry StampList(int shape, int entry, int orientation);

// Where the pieces lie before the player touches them.
extern const TPatternRecord HomePlacements;

// The mirror image about the vertical axis through the reference point.
int MirrorOrientation(int orientation);
// Same mirror half, turn step `step` taken modulo 16 (any integer).
int TurnOrientation(int orientation, int step);

// Direction of a screen vector (y downward), radians in [0, 2*pi), counterclockwise as seen on the
// screen from +x; the zero vector gives pi/2.
long double VectorAngle(long double dx, long double dy);

} // namespace tangram
