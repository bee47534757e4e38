// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/sourcefigure.h"

namespace tangram::patterns {

std::string SourceFigure::label() const {
    return std::string(categoryWord(category)) + " " + std::to_string(number) + " \"" + english +
           "\"";
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
