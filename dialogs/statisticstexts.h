// SPDX-License-Identifier: GPL-3.0-or-later
// What the statistics dialog says about the current category: the window title and the three
// sentences, from the counts of game/progressqueries.h, in the language whose translations are
// installed. Kept apart from the widgets so that every wording case can be checked without a
// window.
#pragma once

#include "game/progressqueries.h"

#include <QString>

namespace tangram {

// "Tangram statistics[ for game NAME] - category: CATEGORY" (or the German form). NAME is the
// progress file's name without its folder and its last four characters (the ".pzs"); the game
// part is left out when there is no progress file or NAME comes out empty.
QString statisticsTitle(int category, const QString& progressPath);

// The solved sentence (label L1), the help sentence (L2) and the points sentence (L3).
QString solvedSentence(const StatisticsCounts& counts);
QString helpSentence(const StatisticsCounts& counts);
QString pointsSentence(const StatisticsCounts& counts);

} // namespace tangram
