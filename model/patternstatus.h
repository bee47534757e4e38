// SPDX-License-Identifier: GPL-3.0-or-later
// The status of one pattern, as kept in the status table and in progress files: a done bit (solved
// or given up) and the number of pieces the help has revealed, 0..7, in the low three bits. A
// pattern given up has all four bits set. Only the low nibble is ever meaningful: a progress file
// keeps the category in the high nibble of the same byte.
#pragma once

#include <cstdint>

namespace tangram {

class PatternStatus {
public:
    constexpr PatternStatus() = default;
    // From a stored byte; anything above the low nibble is dropped.
    constexpr PatternStatus(std::uint8_t nibble) : m_bits(nibble & 0x0F) {}

    static constexpr PatternStatus givenUp() { return PatternStatus(kDone | kRevealedMask); }
    // Playing, with `count` pieces revealed (0..6).
    static constexpr PatternStatus revealed(int count) {
        return PatternStatus(static_cast<std::uint8_t>(count & kRevealedMask));
    }

    // The low nibble as stored.
    constexpr std::uint8_t nibble() const { return m_bits; }
    constexpr bool done() const { return (m_bits & kDone) != 0; }
    constexpr int revealedCount() const { return m_bits & kRevealedMask; }
    // Done because the help revealed all seven pieces.
    constexpr bool isGivenUp() const { return done() && revealedCount() == kRevealedMask; }
    // Never played: no help used, not done.
    constexpr bool untouched() const { return m_bits == 0; }
    // The same pattern marked done, its revealed count kept.
    constexpr PatternStatus markedDone() const {
        return PatternStatus(static_cast<std::uint8_t>(m_bits | kDone));
    }

    friend constexpr bool operator==(PatternStatus, PatternStatus) = default;

private:
    static constexpr std::uint8_t kDone = 8;
    static constexpr std::uint8_t kRevealedMask = 7;
    std::uint8_t m_bits = 0;
};

static_assert(sizeof(PatternStatus) == 1);

} // namespace tangram
