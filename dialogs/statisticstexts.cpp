// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/statisticstexts.h"

#include "data/texts.h"

#include <QCoreApplication>

#include <array>

namespace tangram {

namespace {

struct Statistics {
    Q_DECLARE_TR_FUNCTIONS(Statistics)
};

// One group's wording: the text for no pattern, for one, and for two or more (with %1 for the
// number). The texts are translated when picked.
struct Fragment {
    const char* none;
    const char* one;
    const char* many;

    QString pick(int n) const {
        if (n == 0)
            return Statistics::tr(none);
        if (n == 1)
            return Statistics::tr(one);
        return Statistics::tr(many).arg(n);
    }
};

// Groups A (no help), B (little), C (some more), D (much), E (given up). The sentence joins them
// with kHelpFrame, which German words around the groups.
constexpr std::array<Fragment, 5> kHelp{{
    {QT_TRANSLATE_NOOP("Statistics", "For no Tangram you didn't need any help. "),
     QT_TRANSLATE_NOOP("Statistics", "For one Tangram you didn't need any help. "),
     QT_TRANSLATE_NOOP("Statistics", "For %1 Tangrams you didn't need any help. ")},
    {QT_TRANSLATE_NOOP("Statistics", "For no Tangram you needed little, "),
     QT_TRANSLATE_NOOP("Statistics", "For one Tangram you needed little, "),
     QT_TRANSLATE_NOOP("Statistics", "For %1 Tangrams you needed little, ")},
    {QT_TRANSLATE_NOOP("Statistics", "for no Tangram some more "),
     QT_TRANSLATE_NOOP("Statistics", "for one Tangram some more "),
     QT_TRANSLATE_NOOP("Statistics", "for %1 Tangrams some more ")},
    {QT_TRANSLATE_NOOP("Statistics", "and for no Tangram much help. "),
     QT_TRANSLATE_NOOP("Statistics", "and for one Tangram much help. "),
     QT_TRANSLATE_NOOP("Statistics", "and for %1 Tangrams much help. ")},
    {QT_TRANSLATE_NOOP("Statistics", "You dropped no Tangram."),
     QT_TRANSLATE_NOOP("Statistics", "You dropped one Tangram."),
     QT_TRANSLATE_NOOP("Statistics", "You dropped %1 Tangrams.")},
}};

//: The help sentence: %1 to %4 are the groups without help, with little, some more and much help,
//: %5 the dropped ones, each worded by its own text.
constexpr const char* kHelpFrame = QT_TRANSLATE_NOOP("Statistics", "%1%2%3%4%5");

} // namespace

QString statisticsTitle(int category, const QString& progressPath) {
    // The file name without its last four characters, which are the ".pzs" the game adds.
    const QString fileName = fileNamePart(progressPath);
    const QString name = fileName.size() > 4 ? fileName.chopped(4) : QString();
    if (name.isEmpty())
        return Statistics::tr("Tangram statistics - category: %1").arg(categoryName(category));
    return Statistics::tr("Tangram statistics for game %1 - category: %2").arg(name, categoryName(category));
}

QString solvedSentence(const StatisticsCounts& counts) {
    // Figures given up are done, but nobody solved them.
    const int s = counts.solvedByPlayer();
    if (s == 0)
        return Statistics::tr("Until now no Tangram was solved !!!");
    if (s == 1)
        return Statistics::tr("Until now one out of total %1 Tangrams was solved.").arg(counts.patternCount);
    return Statistics::tr("Until now %1 out of total %2 Tangrams were solved.").arg(s).arg(counts.patternCount);
}

QString helpSentence(const StatisticsCounts& counts) {
    const auto& h = counts.help;
    const std::array<int, 5> groups{h[0], h[1] + h[2], h[3] + h[4], h[5] + h[6], h[7]};
    QStringList parts;
    for (std::size_t g = 0; g < groups.size(); ++g)
        parts << kHelp[g].pick(groups[g]);
    // One call fills every place, so that a group's text is never read as a place marker.
    return Statistics::tr(kHelpFrame).arg(parts[0], parts[1], parts[2], parts[3], parts[4]);
}

QString pointsSentence(const StatisticsCounts& counts) {
    const int p = counts.points;
    const int m = counts.maxPoints();
    if (counts.solved < counts.patternCount) {
        if (p > 0)
            return Statistics::tr("Until now you've reached %1 out of %2 possible points.").arg(p).arg(m);
        return Statistics::tr("Sorry, until now you've reached no points.");
    }
    // Everything is done. With no pattern at all, P = M = 0 counts as all points reached.
    if (p == m)
        return Statistics::tr("Hurrah, you reached all possible points.");
    if (p > 0)
        return Statistics::tr("You reached %1 out of %2 possible points.").arg(p).arg(m);
    return Statistics::tr("Sorry, you reached no points.");
}

} // namespace tangram
