// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/progressqueries.h"

#include "data/texts.h"

#include <QCoreApplication>

namespace tangram {

namespace {

bool isDone(const GameState& state, int pattern) {
    return state.status[static_cast<std::size_t>(pattern)].done();
}

} // namespace

StatisticsCounts countStatuses(std::span<const PatternStatus> statuses) {
    StatisticsCounts counts;
    counts.patternCount = static_cast<int>(statuses.size());
    for (const PatternStatus status : statuses) {
        if (!status.done())
            continue;
        const int revealed = status.revealedCount();
        ++counts.solved;
        ++counts.help[static_cast<std::size_t>(revealed)];
        counts.points += 7 - revealed;
    }
    return counts;
}

StatisticsCounts countStatistics(const GameState& state) {
    const auto count = static_cast<std::size_t>(state.patternCount());
    // Status entry 0 is unused: pattern n lives at [n].
    return countStatuses(std::span<const PatternStatus>(state.status).subspan(1, count));
}

std::optional<int> previousUnsolved(const GameState& state, int position) {
    int v = position;
    if (v > 1)
        --v;
    while (v > 1 && isDone(state, v))
        --v;
    if (v < 1 || isDone(state, v))
        return std::nullopt;
    return v;
}

std::optional<int> nextUnsolved(const GameState& state, int position, int lastPosition) {
    // Only patterns that can stand top-left are searched; those after the last position are on
    // the last page anyway.
    int v = position;
    if (v < lastPosition)
        ++v;
    while (v < lastPosition && isDone(state, v))
        ++v;
    if (v < 1 || v > kMaxPatterns || isDone(state, v))
        return std::nullopt;
    return v;
}

QString previewCaption(const GameState& state) {
    const QString category = categoryName(state.category);
    const int level = state.level();
    const PatternStatus status = state.currentStatus();
    if (!status.done())
        return QStringLiteral("%1 - %2").arg(category).arg(level);
    if (status.isGivenUp())
        return QCoreApplication::translate("Preview", "%1 - %2 - dropped").arg(category).arg(level);
    return QCoreApplication::translate("Preview", "%1 - %2 - solved").arg(category).arg(level);
}

} // namespace tangram
