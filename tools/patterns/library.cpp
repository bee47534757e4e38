// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/library.h"

#include "model/libraryrecord.h"

#include "tools/patterns/convexshape.h"
#include "tools/patterns/figurechecker.h"
#include "tools/patterns/figurecompiler.h"
#include "tools/patterns/silhouette.h"
#include "tools/patterns/sourceparser.h"

#include <fstream>
#include <map>
#include <sstream>

namespace tangram::patterns {

namespace {

constexpr int kTwinCategory = 5;
constexpr int kConvexCategory = 6;

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

// No silhouette twice in a category. Nor in two categories: a player who works through several
// should not meet the same puzzle under another name. Twin tangrams pair familiar figures with a
// variant on purpose, and the convex tangrams list every convex shape, so both may repeat a
// silhouette found elsewhere.
void checkRepeats(const Library& library, std::vector<std::string>& errors) {
    using Cells = std::vector<std::array<int, 3>>;
    std::map<std::pair<int, Cells>, const CompiledFigure*> inCategory;
    std::map<Cells, const CompiledFigure*> across;
    for (const CompiledFigure& f : library.figures) {
        if (!f.valid)
            continue;
        const int category = f.source.category;
        Cells cells = normalizedCells(silhouetteOf(f.record));
        if (const auto [it, inserted] = inCategory.emplace(std::pair(category, cells), &f);
            !inserted) {
            errors.push_back(where(f.source) + "has the same silhouette as " +
                             it->second->source.label());
            continue;
        }
        if (category == kTwinCategory || category == kConvexCategory)
            continue;
        if (const auto [it, inserted] = across.emplace(std::move(cells), &f); !inserted)
            errors.push_back(where(f.source) + "has the same silhouette as " +
                             it->second->source.label() + " in another category");
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
