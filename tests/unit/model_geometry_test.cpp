// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/cellgrid.h"
#include "model/geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <utility>
#include <vector>

using namespace tangram;

namespace {

std::vector<GridOffset> outline(int shape, int o) {
    std::vector<GridOffset> v;
    for (int i = 0; i < VertexCount(shape); ++i) {
        v.push_back(OutlineVertex(shape, i, o));
    }
    return v;
}

std::vector<StampEntry> stamps(int shape, int o) {
    std::vector<StampEntry> s;
    for (int e = 1; e <= StampCount(shape); ++e) {
        s.push_back(StampList(shape, e, o));
    }
    return s;
}

// Signed distance of point (px, py) from the inside of a convex polygon: negative inside.
double outsideDistance(const std::vector<GridOffset>& poly, double px, double py) {
    // Orientation of the polygon, so that edge normals point outward.
    double area = 0;
    for (size_t i = 0; i < poly.size(); ++i) {
        const GridOffset a = poly[i];
        const GridOffset b = poly[(i + 1) % poly.size()];
        area += double(a.x) * b.y - double(b.x) * a.y;
    }
    double worst = -1e9;
    for (size_t i = 0; i < poly.size(); ++i) {
        const GridOffset a = poly[i];
        const GridOffset b = poly[(i + 1) % poly.size()];
        const double ex = b.x - a.x;
        const double ey = b.y - a.y;
        const double len = std::hypot(ex, ey);
        // Outward normal for counterclockwise (area > 0 in y-down means clockwise on screen).
        double nx = ey / len;
        double ny = -ex / len;
        if (area < 0) {
            nx = -nx;
            ny = -ny;
        }
        worst = std::max(worst, (px - a.x) * nx + (py - a.y) * ny);
    }
    return worst;
}

} // namespace

TEST(PieceTables, ShapesAndCounts) {
    const int shapes[] = {1, 1, 2, 3, 3, 4, 5};
    for (int piece = 1; piece <= 7; ++piece) {
        EXPECT_EQ(PieceShapeOf(piece), shapes[piece - 1]);
    }
    EXPECT_EQ(StampCount(3), 4);
    EXPECT_EQ(VertexCount(4), 4);
    EXPECT_EQ(MoveZoneRadius(3), 6);
    EXPECT_EQ(MoveZoneRadius(5), 4);
}

TEST(PieceTables, OrientationsRepeatAsThePiecesSymmetriesSay) {
    for (int o = 0; o < 16; ++o) {
        for (int shape = 1; shape <= 4; ++shape) {
            SCOPED_TRACE(testing::Message() << "shape " << shape << " o " << o);
            EXPECT_EQ(outline(shape, o), outline(shape, o + 16));
            EXPECT_EQ(stamps(shape, o), stamps(shape, o + 16));
        }
    }
    for (int o = 0; o < 32; ++o) {
        EXPECT_EQ(outline(4, o), outline(4, o % 4));
        EXPECT_EQ(stamps(4, o), stamps(4, o % 4));
    }
    for (int o = 0; o < 8; ++o) {
        EXPECT_EQ(outline(5, o), outline(5, o + 8));
        EXPECT_EQ(outline(5, o + 16), outline(5, o + 24));
        EXPECT_EQ(stamps(5, o + 16), stamps(5, o + 24));
    }
}

TEST(PieceTables, DerivedRowsMatchKnownValues) {
    EXPECT_EQ(outline(1, 4), (std::vector<GridOffset>{{-3, -7}, {-3, 3}, {7, 3}}));
    EXPECT_EQ(stamps(1, 4), (std::vector<StampEntry>{{0, 0, 4}}));
    EXPECT_EQ(outline(3, 8), (std::vector<GridOffset>{{14, -6}, {-6, -6}, {-6, 14}}));
    EXPECT_EQ(stamps(3, 8),
              (std::vector<StampEntry>{{7, -3, 8}, {1, -3, 12}, {-3, 1, 4}, {-3, 7, 8}}));
    EXPECT_EQ(outline(5, 20), (std::vector<GridOffset>{{-5, 10}, {5, 0}, {5, -10}, {-5, 0}}));
    const auto s20 = stamps(5, 20);
    EXPECT_EQ(std::set<int>({s20[0].stamp, s20[1].stamp}), std::set<int>({0, 8}));
    const std::set<std::pair<int, int>> offsets{{s20[0].dc, s20[0].dr}, {s20[1].dc, s20[1].dr}};
    const std::set<std::pair<int, int>> expected{{2, -3}, {-2, 3}};
    EXPECT_EQ(offsets, expected);
    // Triangles half a turn on: everything negated, stamp numbers advanced by eight.
    for (int shape = 1; shape <= 3; ++shape) {
        for (int o = 0; o < 8; ++o) {
            for (int v = 0; v < 3; ++v) {
                EXPECT_EQ(OutlineVertex(shape, v, o + 8).x, -OutlineVertex(shape, v, o).x);
            }
            for (int e = 1; e <= StampCount(shape); ++e) {
                EXPECT_EQ(StampList(shape, e, o + 8).stamp,
                          (StampList(shape, e, o).stamp + 8) % 16);
            }
        }
    }
}

TEST(PieceTables, MirrorRule) {
    EXPECT_EQ(MirrorOrientation(0), 16);
    EXPECT_EQ(MirrorOrientation(8), 16);
    EXPECT_EQ(MirrorOrientation(16), 0);
    EXPECT_EQ(MirrorOrientation(24), 0);
    EXPECT_EQ(MirrorOrientation(5), 27);
    EXPECT_EQ(MirrorOrientation(27), 5);
    // Orientation 16 is the mirror image of 0 about the vertical axis.
    std::set<std::pair<int, int>> mirrored;
    for (const GridOffset& v : outline(5, 0)) {
        mirrored.insert({-v.x, v.y});
    }
    std::set<std::pair<int, int>> sixteen;
    for (const GridOffset& v : outline(5, 16)) {
        sixteen.insert({v.x, v.y});
    }
    EXPECT_EQ(mirrored, sixteen);
    EXPECT_EQ(TurnOrientation(20, 17), 17);
    EXPECT_EQ(TurnOrientation(3, -1), 15);
}

TEST(PieceTables, VectorAngle) {
    const long double pi = std::numbers::pi_v<long double>;
    EXPECT_DOUBLE_EQ(double(VectorAngle(0, 0)), double(pi / 2));
    EXPECT_DOUBLE_EQ(double(VectorAngle(0, 5)), double(3 * pi / 2));
    EXPECT_DOUBLE_EQ(double(VectorAngle(-3, 0)), double(pi));
    EXPECT_DOUBLE_EQ(double(VectorAngle(4, 0)), 0.0);
    EXPECT_DOUBLE_EQ(double(VectorAngle(1, -1)), double(pi / 4));
    EXPECT_DOUBLE_EQ(double(VectorAngle(1, 1)), double(7 * pi / 4));
    // Agrees with atan2 everywhere else and stays in [0, 2 pi).
    for (int dx = -6; dx <= 6; ++dx) {
        for (int dy = -6; dy <= 6; ++dy) {
            if (dx == 0 && dy == 0) {
                continue;
            }
            long double expected = std::atan2(static_cast<long double>(-dy), dx);
            if (expected < 0) {
                expected += 2 * pi;
            }
            EXPECT_NEAR(double(VectorAngle(dx, dy)), double(expected), 1e-12) << dx << "," << dy;
        }
    }
}

TEST(PieceTables, HomePlacementsLieInsideTheBoard) {
    for (int piece = 1; piece <= 7; ++piece) {
        const TPlacement& p = HomePlacements[piece - 1];
        EXPECT_TRUE(PieceInBounds(piece, p.column, p.row, p.orientation)) << piece;
    }
}

// Catches any slip in the stamp data or in the derived rows: in every 45-degree orientation the
// outline is exact, so cells wholly inside must be full and cells clearly outside empty.
TEST(PieceTables, StampsCoverExactlyTheOutlineInFortyFiveDegreeSteps) {
    for (int piece : {1, 3, 4, 6, 7}) {
        const int shape = PieceShapeOf(piece);
        for (int o = 0; o < 32; o += 2) {
            SCOPED_TRACE(testing::Message() << "piece " << piece << " o " << o);
            TCellGrid grid{};
            const TPlacement at{60, 40, static_cast<std::uint8_t>(o)};
            AddPieceStamps(grid, piece, at);
            const auto poly = outline(shape, o);
            int wrong = 0;
            for (int c = 30; c < 90; ++c) {
                for (int r = 10; r < 70; ++r) {
                    const double cx = c - 60 + 0.5;
                    const double cy = r - 40 + 0.5;
                    const double d = outsideDistance(poly, cx, cy);
                    const int code = grid.at(c, r);
                    if (d <= -0.7072 && code != 64) {
                        ++wrong;
                    }
                    if (d >= 0.7072 && code != 0) {
                        ++wrong;
                    }
                    if (code > 64) {
                        ++wrong;
                    }
                }
            }
            EXPECT_EQ(wrong, 0);
        }
    }
}

TEST(Stamps, BoundingBoxesHoldEveryCode) {
    for (int n = 0; n < kStampCount; ++n) {
        const TCellStamp& s = CellStamp(n);
        int filled = 0;
        for (int dr = -7; dr <= 6; ++dr) {
            for (int dc = -7; dc <= 6; ++dc) {
                if (s.code(dc, dr) != 0) {
                    ++filled;
                    EXPECT_GE(dc, s.minColumn);
                    EXPECT_LE(dc, s.maxColumn);
                    EXPECT_GE(dr, s.minRow);
                    EXPECT_LE(dr, s.maxRow);
                }
            }
        }
        // A small triangle covers 50 cells' worth of area.
        EXPECT_GT(filled, 40) << n;
        EXPECT_LT(filled, 75) << n;
        // The box follows the outline of the small triangle in that orientation.
        int minX = 99, maxX = -99, minY = 99, maxY = -99;
        for (const GridOffset& v : outline(1, n)) {
            minX = std::min(minX, v.x);
            maxX = std::max(maxX, v.x);
            minY = std::min(minY, v.y);
            maxY = std::max(maxY, v.y);
        }
        EXPECT_EQ(s.minColumn, minX) << n;
        EXPECT_EQ(s.maxColumn, maxX - 1) << n;
        EXPECT_EQ(s.minRow, minY) << n;
        EXPECT_EQ(s.maxRow, maxY - 1) << n;
    }
    EXPECT_EQ(CellStamp(1).code(0, 0), 60);
}

// Every drawing of a piece takes its corners from here, so a damaged record looks the same in
// every window: such a piece is left out, never wrapped into another orientation.
TEST(PieceOutline, CornersAreTheOutlineAtTheReferencePoint) {
    const TPlacement at{50, 30, 5};
    const PieceCorners corners = PieceOutline(kParallelogram, at);
    ASSERT_EQ(corners.count, VertexCount(PieceShapeOf(kParallelogram)));
    for (int v = 0; v < corners.count; ++v) {
        const GridOffset offset = OutlineVertex(PieceShapeOf(kParallelogram), v, 5);
        EXPECT_EQ(corners.points[static_cast<std::size_t>(v)],
                  (GridOffset{50 + offset.x, 30 + offset.y}));
    }
    EXPECT_EQ(PieceOutline(1, {10, 10, 0}).count, 3);
    EXPECT_EQ(PieceOutline(kSquare, {10, 10, 31}).count, 4);
}

TEST(PieceOutline, ADamagedOrientationHasNoCorners) {
    for (const int orientation : {32, 33, 64, 200, 255}) {
        const TPlacement damaged{60, 40, static_cast<std::uint8_t>(orientation)};
        for (int piece = 1; piece <= kPieceCount; ++piece)
            EXPECT_EQ(PieceOutline(piece, damaged).count, 0) << piece << " " << orientation;
    }
    EXPECT_EQ(ShapeOutline(3, 0, 0, -1).count, 0);
}
