// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gamestate.h"

#include <algorithm>

namespace tangram {

int safePatternCount(const GameState& state) {
    return std::clamp(state.patternCount, 0, kMaxPatterns);
}

int safeLevel(const GameState& state) {
    return std::clamp(state.level, 1, std::max(1, safePatternCount(state)));
}

void normaliseLevel(GameState& state) {
    state.level = safeLevel(state);
}

const TPatternRecord& currentPattern(const GameState& state) {
    if (safePatternCount(state) == 0)
        return kEmptyPattern;
    return state.patterns[static_cast<std::size_t>(safeLevel(state))];
}

std::uint8_t& currentStatus(GameState& state) {
    return state.status[static_cast<std::size_t>(safeLevel(state))];
}

std::uint8_t currentStatus(const GameState& state) {
    return state.status[static_cast<std::size_t>(safeLevel(state))];
}

void clearStatusTable(GameState& state) {
    state.status.fill(0);
}

} // namespace tangram
