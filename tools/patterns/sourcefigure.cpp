// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/sourcefigure.h"

namespace tangram::patterns {

std::string SourceFigure::label() const {
    return std::string(categoryWord(category)) + " " + std::to_string(number) + " \"" + english +
           "\"";
}

int transformPieces(const SourceFigure& figure, int turn, bool flip,
                    std::array<SourcePiece, 7>& pieces) {
    const ExactPoint pivot =
        figure.pieces[0].vertices.empty() ? ExactPoint{} : figure.pieces[0].vertices[0];
    for (int p = 0; p < 7; ++p) {
        const SourcePiece& from = figure.pieces[p];
        if (from.raw)
            return p + 1;
        SourcePiece& to = pieces[p];
        to = from;
        bool onLattice = true;
        for (auto& v : to.vertices) {
            ExactPoint q = v - pivot;
            if (flip)
                q = mirrored(q);
            v = turned(q, turn, onLattice);
        }
        if (flip)
            to.mirrored = !to.mirrored;
        if (!onLattice)
            return p + 1;
    }
    return 0;
}

const char* pieceName(int piece) {
    static const char* const names[] = {"small triangle", "small triangle", "medium triangle",
                                        "large triangle", "large triangle", "square",
                                        "parallelogram"};
    return piece >= 1 && piece <= 7 ? names[piece - 1] : "no piece";
}

const char* categoryWord(int category) {
    static const char* const words[] = {"humans",  "animals", "tools",  "buildings",
                                        "figures", "twins",   "convex", "letters"};
    return category >= 0 && category <= 7 ? words[category] : "unknown";
}

} // namespace tangram::patterns
