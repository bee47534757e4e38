// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/geometry.h"

#include <cmath>
#include <numbers>

namespace tangram {
namespace {

struct Row {
    GridOffset vertices[4];
    StampEntry stamps[4];
};

constexpr int kShapeCount = 5;
constexpr int kPieceShape[kPieceCount] = {1, 1, 2, 3, 3, 4, 5};
constexpr int kStampCount[kShapeCount] = {1, 2, 4, 2, 2};
constexpr int kVertexCount[kShapeCount] = {3, 3, 3, 4, 4};
constexpr int kMoveZoneRadius[kShapeCount] = {3, 3, 6, 5, 4};

// The base rows every other orientation is derived from: turn steps 0..3 of each shape kind, and
// for the parallelogram also its mirror half (16..19, stored at 4..7).
constexpr Row kBaseRows[kShapeCount][8] = {
    // small triangle
    {{{{-7, 3}, {3, 3}, {3, -7}}, {{0, 0, 0}}},
     {{{-7, 1}, {2, 4}, {5, -5}}, {{0, 0, 1}}},
     {{{-7, -2}, {0, 5}, {7, -2}}, {{0, 0, 2}}},
     {{{-5, -5}, {-2, 4}, {7, 1}}, {{0, 0, 3}}}},
    // medium triangle
    {{{{-9, 5}, {5, 5}, {5, -9}}, {{-2, 3, 10}, {3, -2, 6}}},
     {{{-10, 0}, {2, 6}, {8, -6}}, {{-3, 1, 11}, {3, -1, 7}}},
     {{{-10, -3}, {0, 7}, {10, -3}}, {{-3, 0, 12}, {3, 0, 8}}},
     {{{-8, -6}, {-2, 6}, {10, 0}}, {{-3, -1, 13}, {3, 1, 9}}}},
    // large triangle
    {{{{-14, 6}, {6, 6}, {6, -14}}, {{-7, 3, 0}, {-1, 3, 4}, {3, -1, 12}, {3, -7, 0}}},
     {{{-14, 2}, {4, 8}, {10, -10}}, {{-7, 1, 1}, {-1, 3, 5}, {3, 1, 13}, {5, -5, 1}}},
     {{{-14, -5}, {0, 9}, {14, -5}}, {{-7, -3, 2}, {-2, 2, 6}, {2, 2, 14}, {7, -3, 2}}},
     {{{-10, -10}, {-4, 8}, {14, 2}}, {{-5, -5, 3}, {-3, 1, 7}, {1, 3, 15}, {7, 1, 3}}}},
    // square
    {{{{-5, -5}, {-5, 5}, {5, 5}, {5, -5}}, {{2, 2, 0}, {-2, -2, 8}}},
     {{{-3, -6}, {-6, 3}, {3, 6}, {6, -3}}, {{1, 2, 1}, {-1, -2, 9}}},
     {{{0, -7}, {-7, 0}, {0, 7}, {7, 0}}, {{0, 2, 2}, {0, -2, 10}}},
     {{{3, -6}, {-6, -3}, {-3, 6}, {6, 3}}, {{-1, 2, 3}, {1, -2, 11}}}},
    // parallelogram
    {{{{-10, 5}, {0, 5}, {10, -5}, {0, -5}}, {{-3, 2, 0}, {3, -2, 8}}},
     {{{-11, 2}, {-2, 5}, {10, -1}, {1, -4}}, {{-4, 1, 1}, {3, 0, 9}}},
     {{{-11, -3}, {-4, 4}, {10, 4}, {3, -3}}, {{-4, -1, 2}, {3, 2, 10}}},
     {{{-8, -7}, {-5, 2}, {7, 8}, {4, -1}}, {{-3, -2, 3}, {2, 3, 11}}},
     {{{10, 5}, {0, -5}, {-10, -5}, {0, 5}}, {{3, 2, 4}, {-3, -2, 12}}},
     {{{8, 7}, {2, -5}, {-7, -8}, {-1, 4}}, {{-2, -3, 13}, {3, 2, 5}}},
     {{{4, 10}, {4, -4}, {-3, -11}, {-3, 3}}, {{-1, -4, 14}, {2, 3, 6}}},
     {{{-1, 10}, {5, -2}, {2, -11}, {-4, 1}}, {{1, -4, 15}, {0, 3, 7}}}},
};

// A quarter turn clockwise on the screen: (x, y) -> (-y, x), stamp numbers advance by four.
constexpr Row turnQuarter(const Row& row) {
    Row turned{};
    for (int i = 0; i < 4; ++i) {
        turned.vertices[i] = {-row.vertices[i].y, row.vertices[i].x};
        turned.stamps[i] = {-row.stamps[i].dr, row.stamps[i].dc, (row.stamps[i].stamp + 4) % 16};
    }
    return turned;
}

constexpr Row expandRow(int shape, int orientation) {
    const int kind = shape - 1;
    Row row{};
    int turns = 0;
    if (shape <= 3) {
        const int q = orientation % 16;
        row = kBaseRows[kind][q % 4];
        turns = q / 4;
    } else if (shape == 4) {
        row = kBaseRows[kind][orientation % 4];
    } else {
        const int half = orientation / 16;
        const int q = (orientation % 16) % 8;
        row = kBaseRows[kind][4 * half + q % 4];
        turns = q / 4;
    }
    for (int i = 0; i < turns; ++i) {
        row = turnQuarter(row);
    }
    return row;
}

constexpr auto buildTables() {
    std::array<std::array<Row, kOrientations>, kShapeCount> rows{};
    for (int shape = 1; shape <= kShapeCount; ++shape) {
        for (int o = 0; o < kOrientations; ++o) {
            rows[shape - 1][o] = expandRow(shape, o);
        }
    }
    return rows;
}

constexpr auto kRows32 = buildTables();

} // namespace

const TPatternRecord HomePlacements = {{
    {117, 71, 6},
    {111, 77, 10},
    {7, 74, 4},
    {8, 8, 8},
    {113, 8, 12},
    {7, 42, 0},
    {116, 43, 14},
}};

int PieceShapeOf(int piece) {
    return kPieceShape[piece - 1];
}
int StampCount(int shape) {
    return kStampCount[shape - 1];
}
int VertexCount(int shape) {
    return kVertexCount[shape - 1];
}
int MoveZoneRadius(int shape) {
    return kMoveZoneRadius[shape - 1];
}

GridOffset OutlineVertex(int shape, int vertex, int orientation) {
    return kRows32[shape - 1][orientation].vertices[vertex];
}

StampEntry StampList(int shape, int entry, int orientation) {
    return kRows32[shape - 1][orientation].stamps[entry - 1];
}

int MirrorOrientation(int orientation) {
    if (orientation == 0 || orientation == 8) {
        return 16;
    }
    if (orientation == 16 || orientation == 24) {
        return 0;
    }
    return 32 - orientation;
}

int TurnOrientation(int orientation, int step) {
    const int s = ((step % 16) + 16) % 16;
    return 16 * (orientation / 16) + s;
}

long double VectorAngle(long double dx, long double dy) {
    constexpr long double pi = std::numbers::pi_v<long double>;
    if (dx == 0) {
        return dy > 0 ? 3 * pi / 2 : pi / 2;
    }
    if (dx > 0) {
        return dy <= 0 ? std::atan(-dy / dx) : 2 * pi - std::atan(dy / dx);
    }
    return dy <= 0 ? pi - std::atan(dy / dx) : pi + std::atan(-dy / dx);
}

PieceCorners ShapeOutline(int shape, int column, int row, int orientation) {
    PieceCorners corners;
    if (orientation < 0 || orientation >= kOrientations) {
        return corners;
    }
    corners.count = VertexCount(shape);
    for (int v = 0; v < corners.count; ++v) {
        const GridOffset offset = OutlineVertex(shape, v, orientation);
        corners.points[static_cast<std::size_t>(v)] = GridOffset{column + offset.x, row + offset.y};
    }
    return corners;
}

PieceCorners PieceOutline(int piece, const TPlacement& placement) {
    return ShapeOutline(PieceShapeOf(piece), placement.column, placement.row,
                        placement.orientation);
}

} // namespace tangram
