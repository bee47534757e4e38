// SPDX-License-Identifier: GPL-3.0-or-later
// Bounds of the help document "KELM2.HLP" (HTML). The rich-text engine needs seconds for a few
// hundred kilobytes of deeply nested elements and overflows its stack on deep table nesting, so a
// document outside these bounds is refused before it is shown; the game's own document is far
// inside them.
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace tangram {

inline constexpr qint64 kMaxHelpBytes = 1024 * 1024;
inline constexpr int kMaxHelpNesting = 64;

// How deeply the elements of `html` nest: opening tags count up, closing tags down; void elements
// (br, hr, img, meta, ...), self-closed tags, comments, declarations and processing instructions
// count nothing. An element left open counts as nested, so sloppy HTML reads deeper than it is.
int helpNestingDepth(QByteArrayView html);

// At most kMaxHelpBytes and kMaxHelpNesting deep.
bool helpDocumentWithinBounds(QByteArrayView html);

} // namespace tangram
