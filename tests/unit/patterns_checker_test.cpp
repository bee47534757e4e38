// SPDX-License-Identifier: GPL-3.0-or-later
// The validity rules, each caught by a deliberately broken figure, and the source errors named
// by file, line, figure and piece.
#include "patterns_support.h"
#include "tools/patterns/sourceparser.h"
#include "tools/patterns/figurechecker.h"
#include "tools/patterns/silhouette.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tangram;
using namespace tangram::patterns;
using namespace tangram::patterns::test;

namespace {

TPatternRecord validSquare() {
    std::vector<std::string> errors;
    const Library library = buildOne(squareSource(), errors);
    EXPECT_TRUE(errors.empty());
    return library.figures.at(0).record;
}

bool mentions(const std::vector<Problem>& problems, int piece, const std::string& text) {
    return std::any_of(problems.begin(), problems.end(), [&](const Problem& p) {
        return p.piece == piece && p.reason.find(text) != std::string::npos;
    });
}

bool mentions(const std::vector<std::string>& errors, const std::string& text) {
    return std::any_of(errors.begin(), errors.end(),
                       [&](const std::string& e) { return e.find(text) != std::string::npos; });
}

TPatternRecord shifted(TPatternRecord r, int dx, int dy) {
    for (auto& p : r) {
        p.column = static_cast<std::uint8_t>(p.column + dx);
        p.row = static_cast<std::uint8_t>(p.row + dy);
    }
    return r;
}

} // namespace

TEST(FigureChecker, AcceptsTheClassicSquareInTheMiddle) {
    const TPatternRecord r = validSquare();
    EXPECT_TRUE(checkRecord(r).empty());
    EXPECT_TRUE(checkRecord(r, -9, 13).empty());
    // Compiled to the middle of the board.
    const CellBox box = occupiedBox(silhouetteOf(r));
    EXPECT_NEAR((box.minColumn + box.maxColumn) / 2.0, 60, 1);
    EXPECT_NEAR((box.minRow + box.maxRow) / 2.0, 40, 1);
}

TEST(FigureChecker, CatchesAStampOutsideTheGrid) {
    TPatternRecord r = validSquare();
    r[3].column = 2; // large triangle reaching left of column 0
    EXPECT_TRUE(mentions(checkRecord(r), 4, "outside the grid"));
}

TEST(FigureChecker, CatchesOverlappingPiecesAndNamesTheOther) {
    TPatternRecord r = validSquare();
    r[1] = r[0]; // second small triangle on top of the first
    EXPECT_TRUE(mentions(checkRecord(r), 2, "overlaps piece 1"));
}

TEST(FigureChecker, CatchesAPieceThatIsNotJoined) {
    TPatternRecord r = validSquare();
    r[5].column = static_cast<std::uint8_t>(r[5].column + 25); // the square, far to the right
    EXPECT_TRUE(mentions(checkRecord(r), 6, "not joined"));
}

TEST(FigureChecker, CornerContactCountsAsJoined) {
    // Two squares touching only at a corner form one figure (8-connectivity) -- checked on the
    // silhouette alone, since the rest of a figure needs all seven pieces.
    TCellGrid grid{};
    AddPieceStamps(grid, 6, TPlacement{50, 40, 0});
    AddPieceStamps(grid, 6, TPlacement{60, 50, 0});
    std::vector<int> labels;
    EXPECT_EQ(labelRegions(grid, labels), 1);
    TCellGrid apart{};
    AddPieceStamps(apart, 6, TPlacement{50, 40, 0});
    AddPieceStamps(apart, 6, TPlacement{61, 50, 0});
    EXPECT_EQ(labelRegions(apart, labels), 2);
}

TEST(FigureChecker, CatchesASilhouetteReachingColumn120) {
    const TPatternRecord r = validSquare();
    const CellBox box = occupiedBox(silhouetteOf(r));
    const TPatternRecord edge = shifted(r, 120 - box.maxColumn, 0);
    EXPECT_TRUE(mentions(checkRecord(edge), 0, "column 120"));
}

TEST(FigureChecker, CatchesAFigureOnTheHomePieces) {
    const TPatternRecord r = validSquare();
    const CellBox box = occupiedBox(silhouetteOf(r));
    // Top left corner, where the first large triangle waits.
    const TPatternRecord corner = shifted(r, 3 - box.minColumn, 3 - box.minRow);
    const auto problems = checkRecord(corner);
    EXPECT_TRUE(std::any_of(problems.begin(), problems.end(), [](const Problem& p) {
        return p.reason.find("piece 4 (large triangle) at its home place") != std::string::npos;
    }));
}

TEST(FigureChecker, BuildCheckNeedsARealTranslationOnTheBoard) {
    const TPatternRecord r = validSquare();
    EXPECT_TRUE(mentions(checkRecord(r, 0, 0), 0, "translation other than zero"));
    EXPECT_TRUE(mentions(checkRecord(r, 90, 0), 0, "cannot be built"));
}

TEST(FigureSource, ErrorsNameFileLineFigureAndPiece) {
    std::vector<std::string> errors;
    // The first large triangle has legs of 3 units: no piece has that shape.
    const std::string text = "category 4 Shapes | Formen\n"
                             "figure Broken | Kaputt\n"
                             "  large  0,0 6d,0 3d,3d\n"
                             "  large  0,0 0,4d 2d,2d\n"
                             "  medium 2d,4d 4d,4d 4d,2d\n"
                             "  para   0,4d 2d,4d 3d,3d d,3d\n"
                             "  small  d,3d 3d,3d 2d,2d\n"
                             "  square 2d,2d 3d,d 4d,2d 3d,3d\n"
                             "  small  3d,d 4d,0 4d,2d\n";
    buildOne(text, errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "test.tangrams:3: figures 1 \"Broken\", piece 4 (large triangle): its "
                         "vertices match no orientation of the piece");
}

TEST(FigureSource, ReportsMissingAndSurplusPieces) {
    std::vector<std::string> errors;
    buildOne("category 4 Shapes | Formen\nfigure Few | Wenig\n  small 0 0 0\n  small 0 1 0\n"
             "  small 0 2 0\n",
             errors);
    EXPECT_TRUE(mentions(errors, "test.tangrams:5: figures 1 \"Few\": one small too many"));
    EXPECT_TRUE(mentions(errors, "piece 3 (medium triangle) is missing"));
}

TEST(FigureSource, CatchesCollisionsWrittenInTheSource) {
    std::string text = squareSource();
    // Move the square half onto the second small triangle.
    text.replace(text.find("square 2d,2d 3d,d 4d,2d 3d,3d"), 29, "square 3d,d 4d,0 5d,d 4d,2d");
    std::vector<std::string> errors;
    buildOne(text, errors);
    EXPECT_TRUE(mentions(errors, "piece 6 (square): overlaps piece 2 (small triangle)"));
}

TEST(FigureLibrary, CatchesTwoFiguresWithOneSilhouette) {
    std::vector<std::string> errors;
    buildOne(squareSource() + "figure Square again | Nochmals Quadrat\n  from 1 turn 2\n", errors);
    EXPECT_TRUE(mentions(errors, "has the same silhouette as figures 1 \"Square\""));
    errors.clear();
    // Turned by 45 degrees it is a different silhouette.
    buildOne(squareSource() + "figure Diamond | Raute\n  from 1 turn 1\n", errors);
    EXPECT_TRUE(errors.empty());
}

// A bird with its head turned one way: neither symmetric nor convex, so every turn and mirror image
// of it is a distinct silhouette.
const char* const kBird = "  large  0,-2d 2d,0 -2d,0\n"
                          "  large  0,2d -2d,0 2d,0\n"
                          "  square 0,-2d -d,-3d 0,-4d d,-3d\n"
                          "  medium 2d,0 1+2d,-1 1+2d,1\n"
                          "  para   0,2d d,d d,3d 0,4d\n"
                          "  small  0,4d 1,4d 0,1+4d\n"
                          "  small  -2d,-3d -d,-4d -d,-2d\n";

std::string category(int number) {
    return "category " + std::to_string(number) + " Test | Test\n";
}

std::string bird(const std::string& name) {
    return "figure " + name + " | " + name + "\n" + kBird;
}

std::string variant(const std::string& name, const std::string& from) {
    return "figure " + name + " | " + name + "\n  from " + from + "\n";
}

TEST(FigureLibrary, CatchesOneSilhouetteInTwoCategoriesTurnedOrMirrored) {
    const auto build = [](const std::string& first, const std::string& second) {
        std::vector<std::string> errors;
        buildLibrary({{"a.tangrams", first}, {"b.tangrams", second}}, errors);
        return errors;
    };
    const std::string birds = category(1) + bird("Bird") + variant("Bird aloft", "1 turn 2") +
                              variant("Bird facing left", "1 flip");
    std::vector<std::string> errors = build(birds, category(4) + bird("Shape"));
    EXPECT_TRUE(mentions(errors, "b.tangrams:2: figures 1 \"Shape\": has the same silhouette as "
                                 "animals 1 \"Bird\""));
    EXPECT_TRUE(mentions(errors, "animals 2 \"Bird aloft\": has the silhouette of animals 1 "
                                 "\"Bird\" turned or mirrored"));
    EXPECT_TRUE(mentions(errors, "animals 3 \"Bird facing left\": has the silhouette of animals 1 "
                                 "\"Bird\" turned or mirrored"));
    EXPECT_EQ(errors.size(), 3u);
    // The twin and convex categories are no exception.
    EXPECT_EQ(build(category(1) + bird("Bird"), category(5) + bird("Twin")).size(), 1u);
    EXPECT_EQ(build(squareSource(4),
                    category(6) + "figure Tilted | Schräg\n" + std::string(kSquarePieces))
                  .size(),
              1u);
}

TEST(FigureLibrary, TwinsOfOnePairAreNotComparedWithEachOther) {
    // The second bird lifts its tail: the small triangle under it moves up beside the square.
    std::string lifted = bird("Bird with its tail up");
    lifted.replace(lifted.find("small  0,4d 1,4d 0,1+4d"), 23, "small  d,-3d 2d,-2d 2d,-4d");
    std::vector<std::string> errors;
    const std::string pair = category(5) + bird("Bird") + lifted;
    buildOne(pair, errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    // The third figure starts the next pair.
    buildOne(pair + variant("Bird again", "1 turn 2"), errors);
    EXPECT_TRUE(mentions(errors, "twins 3 \"Bird again\": has the silhouette of twins 1"));
    // A pair that is one outline facing two ways is no twin pair.
    errors.clear();
    buildOne(category(5) + bird("Bird") + variant("Bird turned", "1 flip"), errors);
    EXPECT_TRUE(mentions(errors, "twins 2 \"Bird turned\": is its twin twins 1 \"Bird\" turned "
                                 "or mirrored, not a twin"));
}

TEST(FigureLibrary, LettersThatAreMirrorImagesMayShareAnOutline) {
    std::vector<std::string> errors;
    buildOne(category(7) + bird("b") + variant("d", "1 flip") + variant("q", "1 turn 4") +
                 variant("p", "1 turn 4 flip"),
             errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    buildOne(category(7) + bird("<") + variant(">", "1 flip") + bird("(") + variant(")", "1 flip") +
                 bird("n") + variant("u", "1 turn 4"),
             errors);
    EXPECT_EQ(errors.size(), 4u); // (, ), n and u each repeat < or >
    errors.clear();
    buildOne(category(7) + bird("b") + variant("x", "1 flip"), errors);
    EXPECT_TRUE(mentions(errors, "letters 2 \"x\": has the silhouette of letters 1 \"b\""));
    errors.clear();
    // Only among letters: the same pair of names elsewhere is no exception.
    buildOne(category(4) + bird("b") + variant("d", "1 flip"), errors);
    EXPECT_EQ(errors.size(), 1u);
}

TEST(FigureLibrary, AConvexShapeStandsAtMostFourTimesAndNeverTwiceAlike) {
    const std::string trapezoid = category(6) +
                                  "figure Right trapezoid | Trapez\n"
                                  "  large  2,0 2,2 0,0\n"
                                  "  large  0,2 0,0 2,2\n"
                                  "  medium 0,2 2,2 1,3\n"
                                  "  para   1,4 1,3 0,2 0,3\n"
                                  "  small  2,3 1,3 2,2\n"
                                  "  square 2,3 2,4 1,4 1,3\n"
                                  "  small  2,4 2,5 1,4\n" +
                                  variant("Tilted", "1 turn 1") + variant("Quarter", "1 turn 2") +
                                  variant("Mirrored", "1 flip");
    std::vector<std::string> errors;
    buildOne(trapezoid, errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    buildOne(trapezoid + variant("Half", "1 turn 4"), errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(mentions(errors, "convex 5 \"Half\": is the convex shape of convex 1 "
                                 "\"Right trapezoid\" for the 5th time; at most 4 times"));
    errors.clear();
    buildOne(trapezoid + variant("Again", "1 turn 8"), errors);
    EXPECT_TRUE(mentions(errors, "convex 5 \"Again\": has the same silhouette as convex 1"));
}

TEST(FigureLibrary, ANameStandsOnceInTheWholeLibrary) {
    const std::string birds = category(1) + "figure Bird | Vogel\n" + kBird;
    std::vector<std::string> errors;
    buildLibrary({{"a.tangrams", birds},
                  {"b.tangrams", category(2) + "figure Bird | Schale\n" + kSquarePieces}},
                 errors);
    EXPECT_TRUE(mentions(errors, "tools 1 \"Bird\": the name \"Bird\" is already used by "
                                 "animals 1 \"Bird\""));
    errors.clear();
    buildLibrary({{"a.tangrams", birds},
                  {"b.tangrams", category(2) + "figure Bowl | Vogel\n" + kSquarePieces}},
                 errors);
    EXPECT_TRUE(mentions(errors, "tools 1 \"Bowl\": the German name \"Vogel\" is already used"));
    errors.clear();
    // Letters are told apart by case.
    buildOne(category(7) + bird("D") + "figure d | d\n" + kSquarePieces, errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST(FigureLibrary, ConvexCategoryHoldsOnlyConvexFigures) {
    std::vector<std::string> errors;
    std::string text = squareSource(6);
    // Same pieces, the second small triangle moved from the corner onto the left side.
    text.replace(text.find("small  3d,d 4d,0 4d,2d"), 22, "small  0,0 -d,d 0,2d");
    const Library library = buildOne(text, errors);
    EXPECT_TRUE(mentions(errors, "is not convex"));
    errors.clear();
    buildOne(squareSource(6), errors);
    EXPECT_TRUE(errors.empty());
}

TEST(FigureLibrary, WritesTwentyTwoByteRecords) {
    std::vector<std::string> errors;
    const Library library = buildOne(squareSource(5), errors);
    const std::string bytes = libraryBytes(library);
    ASSERT_EQ(bytes.size(), 22u);
    EXPECT_EQ(bytes[0], 5);
    const TPlacement& p4 = library.figures[0].record[3];
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[10]), p4.column);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[11]), p4.row);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[12]), p4.orientation);
}

// A line of nothing but blank characters is an empty line, whichever blanks they are: vertical
// tabs and form feeds once reached the word list as a line without words.
TEST(SourceParser, BlankLinesOfAnyKindAreSkipped) {
    for (const char* blank : {"\v", "\f", " \v\t\f ", "\v# a comment"}) {
        std::vector<std::string> errors;
        const std::string text = std::string("category 1 Animals | Tiere\n") + blank + "\n";
        const tangram::patterns::CategorySource source =
            tangram::patterns::parseCategorySource(text, "blank.tangrams", errors);
        EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front());
        EXPECT_EQ(source.category, 1);
    }
    std::vector<std::string> errors;
    tangram::patterns::parseCategorySource("\v", "only.tangrams", errors);
    EXPECT_FALSE(errors.empty()) << "a file without its category line is still refused";
}
