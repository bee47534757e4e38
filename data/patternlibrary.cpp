// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/patternlibrary.h"

#include "data/boundedfile.h"
#include "data/texts.h"
#include "model/libraryrecord.h"

#include <QBuffer>

namespace tangram {


QString patternLibraryPath(const GameState& state) {
    return state.programDir + QStringLiteral("kelm.dat");
}

void readPatterns(QIODevice& device, GameState& state) {
    int count = 0;
    LibraryRecordBytes bytes;
    while (count < kMaxPatterns) {
        // A short read is the end of the file (or a trailing remainder); a failing read ends the
        // table just the same, as the library has no other structure to resynchronise on.
        if (device.read(reinterpret_cast<char*>(bytes.data()), kLibraryRecordSize) !=
            kLibraryRecordSize)
            break;
        const LibraryRecord record = decodeLibraryRecord(bytes);
        if (record.category == state.category) {
            ++count;
            state.patterns[static_cast<std::size_t>(count)] = record.solution;
        }
    }
    for (std::size_t n = static_cast<std::size_t>(count) + 1; n < state.patterns.size(); ++n)
        state.patterns[n] = TPatternRecord{};
    state.setPatternCount(count);
}

FileResult LoadPatterns(GameState& state) {
    BoundedFile file = readBoundedFile(patternLibraryPath(state), kMaxLibraryBytes);
    QBuffer buffer(&file.bytes);
    if (file.outcome != BoundedFile::Outcome::Read || !buffer.open(QIODevice::ReadOnly))
        return FileResult::failure(missingLibraryMessage());
    readPatterns(buffer, state);
    return FileResult::success();
}

} // namespace tangram
