// SPDX-License-Identifier: GPL-3.0-or-later
// Shared figures of the pattern tool tests: the classic seven-piece square in source form, and a
// helper that compiles one source text into checked records.
#pragma once

#include "tools/patterns/library.h"

#include <string>
#include <vector>

namespace tangram::patterns::test {

// The classic square, side 2*sqrt(2), written by its corners.
inline const char* const kSquarePieces = "  large  0,0 4d,0 2d,2d\n"
                                         "  large  0,0 0,4d 2d,2d\n"
                                         "  medium 2d,4d 4d,4d 4d,2d\n"
                                         "  para   0,4d 2d,4d 3d,3d d,3d\n"
                                         "  small  d,3d 3d,3d 2d,2d\n"
                                         "  square 2d,2d 3d,d 4d,2d 3d,3d\n"
                                         "  small  3d,d 4d,0 4d,2d\n";

inline std::string squareSource(int category = 4) {
    return "category " + std::to_string(category) + " Shapes | Formen\n" +
           "figure Square | Quadrat\n" + kSquarePieces;
}

inline Library buildOne(const std::string& text, std::vector<std::string>& errors) {
    return buildLibrary({{"test.tangrams", text}}, errors);
}

} // namespace tangram::patterns::test
