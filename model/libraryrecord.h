// SPDX-License-Identifier: GPL-3.0-or-later
// One record of the pattern library "kelm.dat": 22 bytes, the category, then column, row and
// orientation of pieces 1..7. The figure compiler writes records and the game reads them through
// this one pair of functions, so the two can never disagree on the layout.
#pragma once

#include "model/geometry.h"

#include <array>
#include <cstdint>

namespace tangram {

inline constexpr int kLibraryRecordSize = 22;
using LibraryRecordBytes = std::array<std::uint8_t, kLibraryRecordSize>;

struct LibraryRecord {
    std::uint8_t category = 0; // 0..7 in a sound library; anything else matches no category
    TPatternRecord solution{};
    friend constexpr bool operator==(const LibraryRecord&, const LibraryRecord&) = default;
};

constexpr LibraryRecordBytes encodeLibraryRecord(const LibraryRecord& record) {
    LibraryRecordBytes bytes{};
    bytes[0] = record.category;
    for (std::size_t piece = 0; piece < kPieceCount; ++piece) {
        const TPlacement& p = record.solution[piece];
        bytes[1 + 3 * piece] = p.column;
        bytes[2 + 3 * piece] = p.row;
        bytes[3 + 3 * piece] = p.orientation;
    }
    return bytes;
}

constexpr LibraryRecord decodeLibraryRecord(const LibraryRecordBytes& bytes) {
    LibraryRecord record;
    record.category = bytes[0];
    for (std::size_t piece = 0; piece < kPieceCount; ++piece) {
        record.solution[piece] =
            TPlacement{bytes[1 + 3 * piece], bytes[2 + 3 * piece], bytes[3 + 3 * piece]};
    }
    return record;
}

} // namespace tangram
