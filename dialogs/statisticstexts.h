// SPDX-License-Identifier: GPL-3.0-or-later
// What the statistics dialog says about the current category: the window title and the three
// sentences in both languages, from the counts of game/progressqueries.h. Kept apart from the
// widgets so that every wording case can be checked without a window. German is used exactly for
// German; every other language gets English.
#pragma once

#include "data/language.h"
#include "game/progressqueries.h"

#include <QString>

namespace tangram {

// "Tangram statistics[ for game NAME] - category: CATEGORY" (or the German form). NAME is the
// progress file's name without its folder and its last four characters (the ".pzs"); the game
// part is left out when there is no progress file or NAME comes out empty.
QString statisticsTitle(Language language, int category, const QString& progressPath);

// The solved sentence (label L1), the help sentence (L2) and the points sentence (L3).
QString solvedSentence(Language language, const StatisticsCounts& counts);
QString helpSentence(Language language, const StatisticsCounts& counts);
QString pointsSentence(Language language, const StatisticsCounts& counts);

} // namespace tangram
