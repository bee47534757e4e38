// SPDX-License-Identifier: GPL-3.0-or-later
// Filling an outline with the seven pieces: what it lays compiles into a valid figure of exactly
// that outline, holes stay open, and outlines no tangram can make are told apart from those that
// merely have no arrangement.
#include "patterns_support.h"
#include "tools/patterns/figurechecker.h"
#include "tools/patterns/outlinefill.h"
#include "tools/patterns/silhouette.h"
#include "tools/patterns/sourceparser.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tangram;
using namespace tangram::patterns;
using namespace tangram::patterns::test;

namespace {

std::vector<ExactPoint> ring(const std::string& corners) {
    std::vector<ExactPoint> out;
    std::istringstream in(corners);
    for (std::string w; in >> w;) {
        ExactPoint p;
        EXPECT_TRUE(parseExactPoint(w, p)) << w;
        out.push_back(p);
    }
    return out;
}

Outline outlineOf(const std::string& outer, const std::string& hole = {}) {
    Outline o;
    o.rings.push_back(ring(outer));
    o.holes.push_back(false);
    if (!hole.empty()) {
        o.rings.push_back(ring(hole));
        o.holes.push_back(true);
    }
    return o;
}

std::string figureText(const Filling& filling) {
    std::string text = "category 4 Shapes | Formen\nfigure Filled | Gefuellt\n";
    for (const FilledPiece& piece : filling) {
        text += "  " + piece.kind;
        for (const ExactPoint& v : piece.vertices)
            text += " " + v.x.text() + "," + v.y.text();
        text += "\n";
    }
    return text;
}

// Compiles a filling and returns its silhouette's cells, failing the test if it does not compile.
std::vector<std::array<int, 3>> cellsOf(const Filling& filling) {
    std::vector<std::string> errors;
    const Library library = buildOne(figureText(filling), errors);
    EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front());
    if (library.figures.empty())
        return {};
    EXPECT_TRUE(checkRecord(library.figures[0].record).empty());
    return normalizedCells(silhouetteOf(library.figures[0].record));
}

double value(Exact e) {
    return e.a + e.b * 0.70710678118654752;
}

bool covers(const FilledPiece& piece, double x, double y) {
    int positive = 0, negative = 0;
    const auto& v = piece.vertices;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const auto& a = v[i];
        const auto& b = v[(i + 1) % v.size()];
        const double cross = (value(b.x) - value(a.x)) * (y - value(a.y)) -
                             (value(b.y) - value(a.y)) * (x - value(a.x));
        (cross > 1e-9 ? positive : cross < -1e-9 ? negative : positive) += 1;
    }
    return positive == static_cast<int>(v.size()) || negative == static_cast<int>(v.size());
}

} // namespace

TEST(OutlineFill, FillsTheClassicSquareIntoTheSameSilhouetteAsTheHandDrawnOne) {
    const FillResult result = fillOutline(outlineOf("0,0 4d,0 4d,4d 0,4d"));
    ASSERT_TRUE(result.problem.empty()) << result.problem;
    ASSERT_EQ(result.fillings.size(), 1u);
    std::vector<std::string> errors;
    const Library reference = buildOne(squareSource(), errors);
    ASSERT_TRUE(errors.empty());
    EXPECT_EQ(cellsOf(result.fillings[0]),
              normalizedCells(silhouetteOf(reference.figures[0].record)));
}

TEST(OutlineFill, EveryFillingOfAnOutlineRebuildsTheSameSilhouette) {
    for (const char* outer : {"0,0 4,0 0,4", "0,0 4,0 4,2 0,2", "0,0 4,0 6,2 2,2"}) {
        const FillResult all = fillOutline(outlineOf(outer), 12);
        ASSERT_TRUE(all.problem.empty()) << outer << ": " << all.problem;
        ASSERT_GT(all.fillings.size(), 1u) << outer;
        const auto first = cellsOf(all.fillings[0]);
        for (const Filling& f : all.fillings)
            EXPECT_EQ(cellsOf(f), first) << outer;
    }
}

TEST(OutlineFill, LeavesAHoleOpen) {
    // A 3 x 3 square with one corner cut off and a small triangle cut out of its middle.
    const char* outer = "0,0 3,0 3,2 2,3 0,3";
    const FillResult holed = fillOutline(outlineOf(outer, "1,1 2,1 1,2"));
    ASSERT_TRUE(holed.problem.empty()) << holed.problem;
    ASSERT_EQ(holed.fillings.size(), 1u);
    for (const FilledPiece& piece : holed.fillings[0])
        EXPECT_FALSE(covers(piece, 1.3, 1.3)) << piece.kind;
    cellsOf(holed.fillings[0]);
    // Without the hole the area is half a small triangle's too much.
    EXPECT_NE(fillOutline(outlineOf(outer)).problem.find("the area is 8.5"), std::string::npos);
}

TEST(OutlineFill, TellsImpossibleOutlinesFromOnesWithoutAnArrangement) {
    const FillResult nine = fillOutline(outlineOf("0,0 3,0 3,3 0,3"));
    EXPECT_NE(nine.problem.find("the area is 9"), std::string::npos) << nine.problem;
    EXPECT_TRUE(nine.fillings.empty());

    const FillResult slanted = fillOutline(outlineOf("0,0 4,0 4,2 1,2"));
    EXPECT_NE(slanted.problem.find("not at a multiple of 45 degrees"), std::string::npos)
        << slanted.problem;

    // Area 8 but one unit wide: no large triangle fits, which the search proves.
    const FillResult bar = fillOutline(outlineOf("0,0 8,0 8,1 0,1"));
    EXPECT_TRUE(bar.problem.empty());
    EXPECT_TRUE(bar.fillings.empty());
    EXPECT_FALSE(bar.stopped);
    EXPECT_GT(bar.nodes, 0u);

    const FillResult limited = fillOutline(outlineOf("0,0 4,0 0,4"), 0, 5);
    EXPECT_TRUE(limited.stopped);
    EXPECT_EQ(limited.nodes, 5u);
}

TEST(OutlineFill, ReplacesOutlinesInASourceAndKeepsEverythingElse) {
    const std::string drawn = "figure Square | Quadrat\n" + std::string(kSquarePieces);
    const std::string text = "category 4 Shapes | Formen\n"
                             "# a comment stays\n"
                             "figure Big triangle | Grosses Dreieck\n"
                             "  ring 0,0 4,0 0,4   # the classic\n"
                             "\n" +
                             drawn +
                             "figure Bar | Balken\n"
                             "  ring 0,0 8,0 8,1 0,1\n";
    std::vector<std::string> errors;
    const std::string filled = fillSourceText(text, "drafts.tangrams", errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "drafts.tangrams:15: Bar: the seven pieces cannot fill this outline");
    EXPECT_NE(filled.find("# a comment stays\n"), std::string::npos);
    EXPECT_NE(filled.find(drawn), std::string::npos);
    EXPECT_NE(filled.find("  ring 0,0 8,0 8,1 0,1\n"), std::string::npos);
    EXPECT_EQ(filled.find("ring 0,0 4,0"), std::string::npos);

    // Without the unfillable figure the result is a valid category.
    const std::string good = filled.substr(0, filled.find("figure Bar"));
    std::vector<std::string> buildErrors;
    const Library library = buildOne(good, buildErrors);
    EXPECT_TRUE(buildErrors.empty()) << (buildErrors.empty() ? "" : buildErrors.front());
    ASSERT_EQ(library.figures.size(), 2u);
    EXPECT_TRUE(library.figures[0].valid);
}

TEST(OutlineFill, RedrawsShippedFiguresFromTheirOutlinesAlone) {
    // Humans touch at corners (the outline falls into several rings), the convex shapes are
    // many-solution outlines: both must come back as the very same silhouettes.
    for (const char* file : {"/0-humans.tangrams", "/6-convex.tangrams"}) {
        std::vector<std::string> errors;
        const Library library = buildLibraryFromFiles({std::string(WT_PATTERN_DIR) + file}, errors);
        ASSERT_TRUE(errors.empty()) << file;
        for (const CompiledFigure& f : library.figures) {
            std::vector<std::vector<ExactPoint>> pieces;
            for (const SourcePiece& piece : f.source.pieces)
                pieces.push_back(piece.vertices);
            const Outline outline = outlineOfPieces(pieces);
            const FillResult result = fillOutline(outline);
            ASSERT_EQ(result.fillings.size(), 1u) << f.source.label() << result.problem;
            EXPECT_EQ(cellsOf(result.fillings[0]), normalizedCells(silhouetteOf(f.record)))
                << f.source.label() << "\n"
                << outlineText(outline);
        }
    }
}

TEST(OutlineFill, OutlineOfPiecesDropsSharedEdgesAndFindsHoles) {
    // Four unit squares' worth round a unit hole is not a tangram, but the outline must still
    // have one ring and one hole, and straight runs must not leave corners behind.
    const std::vector<std::vector<ExactPoint>> frame{ring("0,0 2,0 2,1 0,1"), ring("2,0 3,0 3,2 2,2"),
                                                     ring("1,2 3,2 3,3 1,3"), ring("0,1 1,1 1,3 0,3")};
    const Outline outline = outlineOfPieces(frame);
    ASSERT_EQ(outline.rings.size(), 2u);
    std::vector<std::size_t> corners;
    for (std::size_t r = 0; r < 2; ++r)
        corners.push_back(outline.rings[r].size());
    EXPECT_EQ(corners, (std::vector<std::size_t>{4, 4}));
    EXPECT_NE(outline.holes[0], outline.holes[1]);
    // Corners given out of order round a piece are put in order first.
    const Outline para = outlineOfPieces({ring("2d,3d 3d,2d 4d,3d 5d,2d")});
    EXPECT_EQ(outlineText(para).find("hole"), std::string::npos);
    ASSERT_EQ(para.rings.size(), 1u);
    EXPECT_EQ(para.rings[0].size(), 4u);
}
