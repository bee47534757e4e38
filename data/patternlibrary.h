// SPDX-License-Identifier: GPL-3.0-or-later
// Reader of the pattern library "kelm.dat": a headerless sequence of 22-byte records, byte 0 the
// category and bytes 1..21 the solution (seven placements of column, row, orientation in piece
// order). Only the records of the current category are kept, numbered 1, 2, 3, ... in file order;
// that number is the level everywhere else in the game.
//
// Placements are taken as stored: a record whose pieces would reach outside the board stays in the
// table so that the numbering of the following patterns (and the progress saved against it) does
// not shift. Keeping such a record harmless is the puzzle model's task.
#pragma once

#include "data/fileresult.h"
#include "data/gamestate.h"
#include "model/libraryrecord.h"

class QIODevice;

namespace tangram {

// Eight full categories; a longer file is not a pattern library.
inline constexpr qint64 kMaxLibraryBytes = qint64(kCategoryCount) * kMaxPatterns * kLibraryRecordSize;

// programDir + "kelm.dat"; the working directory plays no part.
QString patternLibraryPath(const GameState& state);

// Fills the pattern table from `device`, which must be open for reading, positioned at the first
// record. Reads whole records until the end of the data or until 1000 patterns of state.category
// are kept; both tests come before each read, so once the table is full not one more record is
// read and the device stays positioned right after the 1000th kept record. A trailing remainder
// shorter than a record is ignored, as is a failing read. Records of category 8..255 never match.
// Table entries above the new count are cleared, and the level follows the new count: an empty
// category leaves count 0 and level 1, and currentPattern() then yields kEmptyPattern.
void readPatterns(QIODevice& device, GameState& state);

// Reads patternLibraryPath(state) and calls readPatterns on its contents. When the file cannot be
// read (missing, unreadable, a directory, a FIFO or device, longer than kMaxLibraryBytes) the
// state is left untouched and the result carries the "Can't find file kelm.dat" message in the
// state's language; the caller shows it and ends the program. No file stays open.
FileResult LoadPatterns(GameState& state);

} // namespace tangram
