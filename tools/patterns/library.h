// SPDX-License-Identifier: GPL-3.0-or-later
// The whole pattern library: reads the category sources, compiles every figure, checks every
// rule (figurechecker.h) plus the rules between figures (no silhouette twice in the library, even
// turned or mirrored, and no name twice; every convex tangram is convex), and writes the game's
// "kelm.dat" records.
#pragma once

#include "model/geometry.h"
#include "tools/patterns/sourcefigure.h"

#include <string>
#include <utility>
#include <vector>

namespace tangram::patterns {

struct CompiledFigure {
    SourceFigure source;
    TPatternRecord record{};
    bool valid = false; // compiled and passed every check
};

struct Library {
    std::vector<CategorySource> categories; // in the order given
    std::vector<CompiledFigure> figures;    // every figure, category after category

    std::vector<const CompiledFigure*> inCategory(int category) const;
};

// Builds from (file name, text) pairs, one per category. Every problem is appended to `errors`
// as "file:line: figure: piece: reason".
Library buildLibrary(const std::vector<std::pair<std::string, std::string>>& sources,
                     std::vector<std::string>& errors);
// Reads the files first; an unreadable file is an error.
Library buildLibraryFromFiles(const std::vector<std::string>& paths,
                              std::vector<std::string>& errors);

// The 22-byte records of every figure: category byte, then column, row, orientation of pieces
// 1..7.
std::string libraryBytes(const Library& library);

} // namespace tangram::patterns
