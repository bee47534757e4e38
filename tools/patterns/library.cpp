// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/library.h"

#include "model/libraryrecord.h"

#include "tools/patterns/convexshape.h"
#include "tools/patterns/figurechecker.h"
#include "tools/patterns/figurecompiler.h"
#include "tools/patterns/silhouette.h"
#include "tools/patterns/sourceparser.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace tangram::patterns {

namespace {

constexpr int kTwinCategory = 5;
constexpr int kConvexCategory = 6;
constexpr int kLetterCategory = 7;

std::string where(const SourceFigure& figure) {
    return figure.file + ":" + std::to_string(figure.line) + ": " + figure.label() + ": ";
}

void compileFigure(CompiledFigure& figure, std::vector<std::string>& errors) {
    const SourceFigure& source = figure.source;
    FreeRecord placements{};
    if (!placeFigurePieces(source, placements, errors))
        return;
    std::string reason;
    if (!positionOnBoard(placements, figure.record, reason)) {
        errors.push_back(where(source) + reason);
        return;
    }
    const std::vector<Problem> problems = checkRecord(figure.record);
    for (const Problem& p : problems) {
        const int line = p.piece != 0 ? source.pieces[p.piece - 1].line : source.line;
        errors.push_back(source.file + ":" + std::to_string(line) + ": " + source.label() + ": " +
                         describe(p));
    }
    figure.valid = problems.empty();
}

void checkConvexCategory(const Library& library, std::vector<std::string>& errors) {
    for (const CompiledFigure* f : library.inCategory(kConvexCategory)) {
        if (!f->valid)
            continue;
        const ConvexShape shape = convexShapeOf(f->source);
        if (!shape.exact)
            errors.push_back(where(f->source) +
                             "convex tangrams must be written in exact geometry");
        else if (!shape.convex)
            errors.push_back(where(f->source) + "is not convex");
    }
}

using Cells = std::vector<std::array<int, 3>>;

// The silhouette's cells up to translation, and the smallest of them over the figure's 16 turns
// and mirror images: two figures have equal `anyWay` exactly when one is the other turned by
// 45-degree steps and/or mirrored. Figures given as board placements cannot be turned; their
// `anyWay` is their own cells.
struct Outline {
    Cells asDrawn;
    Cells anyWay;
};

Outline outlineOf(const CompiledFigure& figure) {
    Outline outline;
    outline.asDrawn = normalizedCells(silhouetteOf(figure.record));
    outline.anyWay = outline.asDrawn;
    SourceFigure variant = figure.source;
    for (int flip = 0; flip <= 1; ++flip)
        for (int turn = 0; turn < 8; ++turn) {
            // A turn by an odd number of 45-degree steps leaves the lattice when a corner of one
            // piece touches another piece in the middle of a side; no figure of the game can then
            // be that turn, and it is skipped.
            if (transformPieces(figure.source, turn, flip == 1, variant.pieces) != 0)
                continue;
            FreeRecord placements{};
            std::vector<std::string> ignored;
            TPatternRecord record{};
            std::string reason;
            if (!placeFigurePieces(variant, placements, ignored) ||
                !positionOnBoard(placements, record, reason))
                continue;
            Cells cells = normalizedCells(silhouetteOf(record));
            if (cells < outline.anyWay)
                outline.anyWay = std::move(cells);
        }
    return outline;
}

// Letters and signs that are one another turned or mirrored: they may share outlines.
bool mirrorLetters(const SourceFigure& a, const SourceFigure& b) {
    if (a.category != kLetterCategory || b.category != kLetterCategory)
        return false;
    static const std::vector<std::vector<std::string>> groups{
        {"b", "d", "p", "q"}, {"n", "u"}, {"(", ")"}, {"[", "]"},
        {"{", "}"},           {"<", ">"}, {"«", "»"}};
    for (const auto& group : groups)
        if (std::find(group.begin(), group.end(), a.english) != group.end() &&
            std::find(group.begin(), group.end(), b.english) != group.end())
            return true;
    return false;
}

bool twins(const SourceFigure& a, const SourceFigure& b) {
    return a.category == kTwinCategory && b.category == kTwinCategory &&
           (a.number - 1) / 2 == (b.number - 1) / 2;
}

// No silhouette twice in the library, in whatever category, turned or mirrored: a player should
// not meet one puzzle under two names. The two figures of a twin pair differ in a detail the
// player is meant to find, so they are not compared with each other (but may not be the same
// outline facing another way, which is no detail at all); letters whose identity is a
// turn or mirror image (b d p q, n u, brackets) may share an outline; and a convex shape, which
// can be laid only so many ways, may stand four times in different turns or mirror images.
void checkRepeats(const Library& library, std::vector<std::string>& errors) {
    constexpr std::size_t kConvexRepeats = 4;
    std::map<Cells, std::vector<const CompiledFigure*>> byOutline;
    for (const CompiledFigure& f : library.figures) {
        if (!f.valid)
            continue;
        const Outline outline = outlineOf(f);
        const bool convex = convexShapeOf(f.source).convex;
        std::vector<const CompiledFigure*>& same = byOutline[outline.anyWay];
        const CompiledFigure* sameWay = nullptr;
        const CompiledFigure* turnedWay = nullptr;
        for (const CompiledFigure* earlier : same) {
            // Twins must differ in a detail, not only in the way they face.
            if (twins(earlier->source, f.source))
                errors.push_back(where(f.source) + "is its twin " + earlier->source.label() +
                                 " turned or mirrored, not a twin");
            if (twins(earlier->source, f.source) || mirrorLetters(earlier->source, f.source))
                continue;
            if (normalizedCells(silhouetteOf(earlier->record)) == outline.asDrawn) {
                sameWay = earlier;
                break;
            }
            if (turnedWay == nullptr)
                turnedWay = earlier;
        }
        if (sameWay != nullptr)
            errors.push_back(where(f.source) + "has the same silhouette as " +
                             sameWay->source.label());
        else if (turnedWay != nullptr && !convex)
            errors.push_back(where(f.source) + "has the silhouette of " +
                             turnedWay->source.label() + " turned or mirrored");
        else if (turnedWay != nullptr && same.size() >= kConvexRepeats)
            errors.push_back(where(f.source) + "is the convex shape of " +
                             turnedWay->source.label() + " for the " +
                             std::to_string(same.size() + 1) + "th time; at most " +
                             std::to_string(kConvexRepeats) + " times");
        same.push_back(&f);
    }
}

// A name stands once in the whole library, in either language; letters are told apart by case.
void checkNames(const Library& library, std::vector<std::string>& errors) {
    std::map<std::string, const CompiledFigure*> english;
    std::map<std::string, const CompiledFigure*> german;
    for (const CompiledFigure& f : library.figures) {
        if (const auto [it, inserted] = english.emplace(f.source.english, &f); !inserted)
            errors.push_back(where(f.source) + "the name \"" + f.source.english +
                             "\" is already used by " + it->second->source.label());
        else if (const auto [jt, added] = german.emplace(f.source.german, &f); !added)
            errors.push_back(where(f.source) + "the German name \"" + f.source.german +
                             "\" is already used by " + jt->second->source.label());
    }
}

} // namespace

std::vector<const CompiledFigure*> Library::inCategory(int category) const {
    std::vector<const CompiledFigure*> out;
    for (const CompiledFigure& f : figures)
        if (f.source.category == category)
            out.push_back(&f);
    return out;
}

Library buildLibrary(const std::vector<std::pair<std::string, std::string>>& sources,
                     std::vector<std::string>& errors) {
    Library library;
    std::map<int, std::string> categoryFile;
    for (const auto& [name, text] : sources) {
        CategorySource category = parseCategorySource(text, name, errors);
        if (category.category >= 0) {
            const auto [it, inserted] = categoryFile.emplace(category.category, name);
            if (!inserted)
                errors.push_back(name + ": category " + std::to_string(category.category) +
                                 " is already given by " + it->second);
        }
        for (const SourceFigure& f : category.figures) {
            CompiledFigure compiled;
            compiled.source = f;
            compileFigure(compiled, errors);
            library.figures.push_back(std::move(compiled));
        }
        library.categories.push_back(std::move(category));
    }
    checkRepeats(library, errors);
    checkNames(library, errors);
    checkConvexCategory(library, errors);
    return library;
}

Library buildLibraryFromFiles(const std::vector<std::string>& paths,
                              std::vector<std::string>& errors) {
    std::vector<std::pair<std::string, std::string>> sources;
    for (const std::string& path : paths) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            errors.push_back(path + ": cannot be read");
            continue;
        }
        std::ostringstream text;
        text << in.rdbuf();
        sources.emplace_back(path, text.str());
    }
    return buildLibrary(sources, errors);
}

std::string libraryBytes(const Library& library) {
    std::string bytes;
    for (const CompiledFigure& f : library.figures) {
        const LibraryRecordBytes record =
            encodeLibraryRecord({static_cast<std::uint8_t>(f.source.category), f.record});
        bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
    }
    return bytes;
}

} // namespace tangram::patterns
