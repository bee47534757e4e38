// SPDX-License-Identifier: GPL-3.0-or-later
// The progress file ("*.pzs"): a headerless byte sequence, one byte per pattern, category in the
// high nibble and status in the low nibble. The bytes of one category belong to its patterns 1, 2,
// 3, ... in file order, and categories may be interleaved. Memory only ever holds the current
// category, so saving merges: the bytes of every other category, and bytes with a high nibble of
// 8..15 that belong to no category, are kept in their previous order, followed by the current
// category's bytes for patterns 1..pattern count as the last block.
//
// A progress file holds at most 1000 bytes of each category, and only bytes of categories 0..7:
// that is what the game writes. Anything else (a text, random data, a file of another program)
// is refused: it is neither loaded nor ever overwritten by a save. Saving is atomic (QSaveFile):
// when anything fails, the previous file stays byte for byte as it was. A save holds a lock file
// beside the progress file ("<name>.lock") from reading the old file to renaming the new one, so
// that two running games saving the same file never drop each other's categories.
//
// Preconditions for every function here: state.category is 0..7 and the status entries hold low
// nibble values. Status values are masked to their low nibble when written, so a stray high bit
// can never turn into a byte of another category.
#pragma once

#include "data/fileresult.h"
#include "data/gamestate.h"

#include <QByteArray>
#include <optional>

class QIODevice;

namespace tangram {

// Eight full categories; a longer file is not a progress file.
inline constexpr qint64 kMaxProgressFileBytes = qint64(kCategoryCount) * kMaxPatterns;

// How long a save waits for another running game's save of the same file to finish.
inline constexpr int kSaveLockWaitMs = 3000;

// Left-over temporary files of a save ("<name>.XXXXXX", as QSaveFile names them) older than this
// are removed by the next save of the same file.
inline constexpr int kStaleTemporarySeconds = 60;

enum class ProgressCheck {
    Valid,
    TooLarge,        // more than kMaxProgressFileBytes
    NotProgressFile, // a byte of category 8..15, or more than 1000 bytes of one category
};

// Whether `data` can be a progress file written by this game.
ProgressCheck checkProgressData(QByteArrayView data);

// category * 16 + status[n] for n = 1..pattern count.
QByteArray currentCategoryBytes(const GameState& state);

// The bytes of `previous` whose high nibble differs from `category`, in their order.
QByteArray otherCategoryBytes(QByteArrayView previous, int category);

// The whole new file: otherCategoryBytes(previous) followed by currentCategoryBytes(state).
QByteArray mergeProgress(QByteArrayView previous, const GameState& state);

// Reads the rest of `device` (open for reading) into memory for a merge. Empty on a read error or
// when more than kMaxProgressFileBytes are there.
std::optional<QByteArray> readPreviousProgress(QIODevice& device);

// Fills status[1..pattern count] from `device` (open for reading): those entries are zeroed, then
// the k-th byte of the current category sets status[k] to its low nibble. Reading stops at the end
// of the data or as soon as every pattern has its byte; surplus bytes of the category are ignored.
// Returns false, leaving the table unchanged, when a read fails before that point.
bool readProgress(QIODevice& device, GameState& state);

// Writes the progress file at `path`, merging with the file already there, which is read again
// under the save lock. A missing file (or a symbolic link to one) simply contributes nothing. An
// existing file that cannot be read, is no regular file, or fails checkProgressData fails the
// save instead of being overwritten. Stale temporaries of earlier, interrupted saves of the same
// file are removed. Changes neither the progress path nor the modified flag; on failure the
// message is the save error text for the cause, naming the file.
FileResult SaveGame(const GameState& state, const QString& path);

// Reads the progress file at `path` into status[1..pattern count]. When it cannot be opened or
// read, is no regular file or fails checkProgressData, the table is unchanged and the message is
// the load error text naming the file. An empty file, or one without a byte of the current
// category, loads as all 0 and succeeds. Changes neither the progress path nor the modified flag.
FileResult LoadGame(GameState& state, const QString& path);

} // namespace tangram
