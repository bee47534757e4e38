// SPDX-License-Identifier: GPL-3.0-or-later
// Lays the seven pieces into an outline. Drawing a figure is much easier as its outline than as
// seven exact pieces: the outline is written as closed rings of corners (holes as rings of their
// own), every edge at a multiple of 45 degrees, and this search finds pieces, turned in 45-degree
// steps, that fill it exactly, or proves that none do.
//
// The search is exact (all arithmetic in Q(sqrt 2)): the top-most, then left-most point of the
// part still to fill must be the top-left corner of one more piece, so each step tries every
// piece left in every orientation with its top-left corner there, and keeps it when it lies
// inside the outline and overlaps no piece already laid. Since every edge runs in one of four
// directions, two convex pieces overlap exactly when their projections onto those four
// directions overlap.
#pragma once

#include "tools/patterns/exact.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tangram::patterns {

struct Outline {
    // Closed rings of corners, each given once (the last joins the first).
    std::vector<std::vector<ExactPoint>> rings;
    // For each ring: a hole cut out of the others rather than a part of the figure.
    std::vector<bool> holes;
};

struct FilledPiece {
    std::string kind; // as the source files write it: small, medium, large, square, para
    std::vector<ExactPoint> vertices;
};
using Filling = std::array<FilledPiece, 7>;

struct FillResult {
    // Why the outline cannot be a tangram figure at all (wrong area, an edge off the four
    // directions, too few corners); empty when the search ran.
    std::string problem;
    std::vector<Filling> fillings;
    std::uint64_t nodes = 0;
    bool stopped = false; // the node limit ended the search early
};

// Searches until `limit` fillings are found (0 = all) or `maxNodes` steps are taken (0 = no
// limit).
FillResult fillOutline(const Outline& outline, std::size_t limit = 1, std::uint64_t maxNodes = 0);

// The outline of pieces laid edge to edge (each piece's corners in order round it): the edges
// that two pieces share drop out, the rest are joined into rings, and rings running against the
// pieces' sense are holes. Corners where the outline runs straight on are left out.
Outline outlineOfPieces(const std::vector<std::vector<ExactPoint>>& pieces);

// The ring and hole lines of an outline, as a source file writes them, one per line.
std::string outlineText(const Outline& outline);

// A category source in which figures may be drawn as outlines: inside a figure, the lines
//   ring <x,y> <x,y> ...     a part of the figure, its corners in order
//   hole <x,y> <x,y> ...     a hole in it
// stand for the seven piece lines. Returns the text with each outline replaced by the pieces that
// fill it; every other line is kept as it is. A figure that cannot be filled keeps its outline
// lines, and a message "file:line: figure: reason" is appended to `errors`.
std::string fillSourceText(const std::string& text, const std::string& fileName,
                           std::vector<std::string>& errors);

} // namespace tangram::patterns
