// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped pattern library: every figure valid, enough figures in every category, all 36
// letters and digits, and all 13 convex tangrams, each in at least two orientations.
#include "tools/patterns/convexshape.h"
#include "tools/patterns/difficulty.h"
#include "tools/patterns/library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

using namespace tangram;
using namespace tangram::patterns;

namespace {

const Library& shipped(std::vector<std::string>& errors) {
    static std::vector<std::string> buildErrors;
    static const Library library = [] {
        std::vector<std::string> files;
        for (const char* name : {"0-humans", "1-animals", "2-tools", "3-buildings", "4-figures",
                                 "5-twins", "6-convex", "7-letters"})
            files.push_back(std::string(WT_PATTERN_DIR) + "/" + name + ".tangrams");
        return buildLibraryFromFiles(files, buildErrors);
    }();
    errors = buildErrors;
    return library;
}

} // namespace

TEST(ShippedLibrary, EveryFigureIsValid) {
    std::vector<std::string> errors;
    const Library& library = shipped(errors);
    for (const std::string& e : errors)
        ADD_FAILURE() << e;
    for (const CompiledFigure& f : library.figures)
        EXPECT_TRUE(f.valid) << f.source.label();
}

TEST(ShippedLibrary, HoldsEnoughFiguresInEveryCategoryInOrder) {
    std::vector<std::string> errors;
    const Library& library = shipped(errors);
    ASSERT_EQ(library.categories.size(), 8u);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(library.categories[c].category, c);
        // A convex shape stands at most four times in the library; the square has only two
        // forms and the letter D is a pentagon, which leaves 2 + 12 * 4 - 1 convex tangrams.
        EXPECT_GE(library.inCategory(c).size(), c == 6 ? 49u : 50u) << "category " << c;
    }
    EXPECT_GE(library.inCategory(7).size(), 36u); // A..Z, 0..9, then signs
    // The file lists categories in order, so records of one category are consecutive.
    const std::string bytes = libraryBytes(library);
    ASSERT_EQ(bytes.size(), 22 * library.figures.size());
    for (std::size_t i = 22; i < bytes.size(); i += 22)
        EXPECT_LE(bytes[i - 22], bytes[i]);
}

TEST(ShippedLibrary, HoldsAllThirteenConvexTangramsInTwoOrientations) {
    std::vector<std::string> errors;
    const Library& library = shipped(errors);
    std::map<std::string, int> shapes;
    for (const CompiledFigure* f : library.inCategory(6)) {
        const ConvexShape s = convexShapeOf(f->source);
        EXPECT_TRUE(s.convex) << f->source.label();
        ++shapes[s.signature];
    }
    EXPECT_EQ(shapes.size(), 13u);
    for (const auto& [signature, count] : shapes)
        EXPECT_GE(count, 2) << signature;
}

TEST(ShippedLibrary, LettersAndNamesAreInBothLanguages) {
    std::vector<std::string> errors;
    const Library& library = shipped(errors);
    for (const CompiledFigure& f : library.figures) {
        EXPECT_FALSE(f.source.english.empty());
        EXPECT_FALSE(f.source.german.empty());
    }
    const auto letters = library.inCategory(7);
    ASSERT_GE(letters.size(), 36u);
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(letters[i]->source.english, std::string(1, static_cast<char>('A' + i)));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(letters[26 + i]->source.english, std::string(1, static_cast<char>('0' + i)));
}

TEST(ShippedLibrary, DifficultyStaysWithinGeometricBounds) {
    std::vector<std::string> errors;
    const Library& library = shipped(errors);
    ASSERT_TRUE(errors.empty());
    // No outline around 8 square units can be shorter than a circle's (isoperimetric bound), and
    // no hull is smaller than the area it holds. Every stretch of piece edge is either outline or
    // hidden, where two pieces meet: outline + 2 * hidden adds up to the pieces' perimeters.
    const double circle = 2 * std::sqrt(std::numbers::pi * 8);
    const double perimeters = 20 + 10 * std::numbers::sqrt2;
    for (const CompiledFigure& f : library.figures) {
        const Difficulty d = outlineOf(f.source);
        if (!d.exact)
            continue;
        EXPECT_GE(d.outline, circle) << f.source.label();
        EXPECT_GE(d.hullArea, 8 - 1e-9) << f.source.label();
        EXPECT_NEAR(d.outline + 2 * d.hidden, perimeters, 1e-9) << f.source.label();
        if (f.source.category == 6) {
            EXPECT_NEAR(d.hullArea, 8, 1e-9) << f.source.label();
        }
    }
}

// Figures stand easiest first by the difficulty score: pictures (categories 0-4) one by one, twin
// pairs by the harder twin. The convex tangrams and the letters keep their own order.
TEST(ShippedLibrary, StandsEasiestFirst) {
    std::vector<std::string> errors;
    const Library& library = shipped(errors);
    const auto scores = [&](int category) {
        std::vector<double> s;
        for (const CompiledFigure* f : library.inCategory(category))
            s.push_back(difficultyOf(f->source, f->record).score);
        return s;
    };
    const auto expectRising = [](const std::vector<double>& s, const std::string& what) {
        ASSERT_FALSE(s.empty()) << what;
        EXPECT_GT(s.back(), s.front()) << what;
        for (std::size_t i = 1; i < s.size(); ++i)
            EXPECT_LE(s[i - 1], s[i] + 1e-9) << what << ": " << i + 1 << " is easier than " << i;
    };
    for (int c = 0; c <= 4; ++c)
        expectRising(scores(c), library.categories[c].english);
    const std::vector<double> twins = scores(5);
    ASSERT_EQ(twins.size() % 2, 0u);
    std::vector<double> pairs;
    for (std::size_t i = 0; i < twins.size(); i += 2)
        pairs.push_back(std::max(twins[i], twins[i + 1]));
    expectRising(pairs, "twin pairs");
}
