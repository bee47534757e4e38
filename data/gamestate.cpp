// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gamestate.h"

#include <algorithm>

namespace tangram {

void GameState::setLevel(int level) {
    m_level = std::clamp(level, 1, std::max(1, m_patternCount));
}

void GameState::setPatternCount(int count) {
    m_patternCount = std::clamp(count, 0, kMaxPatterns);
    setLevel(m_level);
}

const TPatternRecord& GameState::currentPattern() const {
    if (m_patternCount == 0)
        return kEmptyPattern;
    return patterns[static_cast<std::size_t>(m_level)];
}

} // namespace tangram
