// SPDX-License-Identifier: GPL-3.0-or-later
// Reads one category's source file. The format, line by line ('#' starts a comment):
//
//   category <0..7> <English name> | <German name>
//   figure <English name> | <German name>
//     <kind> <turn> <x> <y>          a piece in exact geometry, by anchor and turn
//     <kind> <x,y> <x,y> <x,y> [<x,y>]   a piece in exact geometry, by its corners
//     <kind> @ <column> <row> <orientation>   a piece as a board placement
//     from <figure number> [turn <k>] [flip]  all seven pieces of an earlier figure of the
//                                             file, mirrored (flip) and then turned k * 45 deg
//
// kind: small (twice), medium, large (twice), square, para or mpara (the mirrored
// parallelogram). A piece in exact geometry is given by its anchor vertex (x, y) and a turn
// 0..7 in 45-degree steps clockwise. Coordinates are written a+bd (d = sqrt(2)/2): "2", "-3d",
// "1+2d". x runs to the right, y downward. At turn 0:
//   small, medium, large: right angle at the anchor, legs running west and north
//   square: unit square spanned west and north of the anchor
//   para: edge of length 1 running west, edge of length sqrt(2) running north-east
//   mpara: edge of length 1 running east, edge of length sqrt(2) running north-west
// Turning rotates those directions: at turn 2 the legs run north and east, and so on.
#pragma once

#include "tools/patterns/sourcefigure.h"

#include <string>
#include <vector>

namespace tangram::patterns {

// Parses `text` (the contents of `fileName`). Problems are appended to `errors` as
// "file:line: message"; figures with problems are still returned as far as they could be read.
CategorySource parseCategorySource(const std::string& text, const std::string& fileName,
                                   std::vector<std::string>& errors);

// Parses a coordinate "a+bd"; false when the text is not one.
bool parseExact(const std::string& text, Exact& value);
// Parses a corner "x,y" of two such coordinates; false when the text is not one.
bool parseExactPoint(const std::string& text, ExactPoint& point);

// The vertices of an exact piece of `kind` (as in the source) anchored at the origin and turned
// by `turn` 45-degree steps; empty for an unknown kind.
std::vector<ExactPoint> canonicalVertices(const std::string& kind, int turn);

} // namespace tangram::patterns
