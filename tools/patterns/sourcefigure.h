// SPDX-License-Identifier: GPL-3.0-or-later
// A figure as its source file states it, before it is compiled into placements: names, where it
// was written, and for each of the seven pieces either its exact vertices or a board placement.
#pragma once

#include "tools/patterns/exact.h"

#include <array>
#include <string>
#include <vector>

namespace tangram::patterns {

struct SourcePiece {
    int line = 0;          // source line that placed the piece; 0 = missing
    bool raw = false;      // given as a board placement instead of exact vertices
    bool mirrored = false; // exact parallelogram drawn as its mirror image
    // Exact form: the piece's vertices in the figure's own coordinates (order irrelevant).
    std::vector<ExactPoint> vertices;
    // Raw form: reference point and orientation as the game stores them, relative to the
    // figure's own origin (the compiler moves the whole figure onto the board).
    int column = 0;
    int row = 0;
    int orientation = 0;
};

struct SourceFigure {
    std::string file;
    int line = 0;   // line of the "figure" header
    int number = 0; // 1-based position within its category
    int category = 0;
    std::string english;
    std::string german;
    std::array<SourcePiece, 7> pieces{}; // pieces 1..7 at indices 0..6

    // "humans 3 "Runner"", for messages.
    std::string label() const;
};

struct CategorySource {
    std::string file;
    int category = -1;
    std::string english;
    std::string german;
    std::vector<SourceFigure> figures;
};

// The pieces of `figure` mirrored about a vertical axis (when `flip`) and then turned by `turn`
// 45-degree steps clockwise, about the first vertex of the first piece. Turns by 90 degrees always
// stay on the lattice; 45-degree turns do when every vertex differs from that one by a sum of
// piece edges (not when a corner touches a side half-way along it). Returns 0,
// or the number of the first piece that is given as a board placement (those cannot be turned)
// or leaves the lattice; `pieces` is complete only when 0 is returned.
int transformPieces(const SourceFigure& figure, int turn, bool flip,
                    std::array<SourcePiece, 7>& pieces);

// English name of a piece for messages: "small triangle", ...; piece 1..7.
const char* pieceName(int piece);
// The file-format word of a category 0..7: "humans", "animals", ...
const char* categoryWord(int category);

} // namespace tangram::patterns
