// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/statisticstexts.h"

#include "data/texts.h"

namespace tangram {

namespace {

QString num(int value) {
    return QString::number(value);
}

// One group's wording: the text for no pattern, for one, and the two halves around the number
// for two or more.
struct Fragment {
    const char16_t* none;
    const char16_t* one;
    const char16_t* manyBefore;
    const char16_t* manyAfter;

    QString pick(int n) const {
        if (n == 0)
            return QString::fromUtf16(none);
        if (n == 1)
            return QString::fromUtf16(one);
        return QString::fromUtf16(manyBefore) + num(n) + QString::fromUtf16(manyAfter);
    }
};

// Groups A (no help), B (little), C (some more), D (much), E (given up).
constexpr std::array<Fragment, 5> kGermanHelp{{
    {u"kein Tangram keine, ", u"ein Tangram keine, ", u"", u" Tangrams keine, "},
    {u"für kein Tamgram wenig, ", u"für ein Tangram wenig, ", u"für ", u" Tangrama wenig, "},
    {u"für kein Tangram etwas mehr ", u"für ein Tangram etwas mehr ", u"für ",
     u" Tangrams etwas mehr "},
    {u"und für kein Tangram viel", u"und für ein Tangram viel", u"und für ", u" Tangrams viel"},
    {u"Du hast kein Tangram aufgegeben.", u"Ein Tangram hast Du aufgegeben.", u"Du hast ",
     u" Tangrams aufgegeben."},
}};

constexpr std::array<Fragment, 5> kEnglishHelp{{
    {u"For no Tangram you didn't need any help. ", u"For one Tangram you didn't need any help. ",
     u"For ", u" Tangrams you didn't need any help. "},
    {u"For no Tangram you needed little, ", u"For one Tangram you needed little, ", u"For ",
     u" Tangrams you needed little, "},
    {u"for no Tangram some more ", u"for one Tangram some more ", u"for ", u" Tangrams some more "},
    {u"and for no Tangram much help. ", u"and für one Tangram much help. ", u"and for ",
     u" Tangrams much help. "},
    {u"You dropped no Tangram.", u"You dropped one Tangram.", u"You dropped ", u" Tangrams."},
}};

} // namespace

QString statisticsTitle(Language language, int category, const QString& progressPath) {
    // The file name without its last four characters, which are the ".pzs" the game adds.
    const QString fileName = fileNamePart(progressPath);
    const QString name = fileName.size() > 4 ? fileName.chopped(4) : QString();
    const bool german = isGerman(language);
    QString title =
        german ? QStringLiteral("Tangram Statistik") : QStringLiteral("Tangram statistics");
    if (!name.isEmpty())
        title += (german ? QStringLiteral(" für Spiel ") : QStringLiteral(" for game ")) + name;
    title += german ? QStringLiteral(" - Kategorie: ") : QStringLiteral(" - category: ");
    return title + categoryName(language, category);
}

QString solvedSentence(Language language, const StatisticsCounts& counts) {
    // Figures given up are done, but nobody solved them.
    const int s = counts.solvedByPlayer();
    const QString n = num(counts.patternCount);
    if (isGerman(language)) {
        if (s == 0)
            return QStringLiteral("Bisher wurde noch kein Tangram gelöst !!!");
        if (s == 1)
            return QStringLiteral("Bisher wurde eines von insgesamt ") + n +
                   QStringLiteral(" Tangrams gelöst.");
        return QStringLiteral("Bisher wurden ") + num(s) + QStringLiteral(" von insgesamt ") + n +
               QStringLiteral(" Tangrams gelöst.");
    }
    if (s == 0)
        return QStringLiteral("Until now no Tangram was solved !!!");
    if (s == 1)
        return QStringLiteral("Until now one out of total ") + n +
               QStringLiteral(" Tangrams was solved.");
    return QStringLiteral("Until now ") + num(s) + QStringLiteral(" out of total ") + n +
           QStringLiteral(" Tangrams were solved.");
}

QString helpSentence(Language language, const StatisticsCounts& counts) {
    const auto& h = counts.help;
    const std::array<int, 5> groups{h[0], h[1] + h[2], h[3] + h[4], h[5] + h[6], h[7]};
    if (isGerman(language)) {
        QString text = QStringLiteral("Du hast für ");
        for (std::size_t g = 0; g < 4; ++g)
            text += kGermanHelp[g].pick(groups[g]);
        return text + QStringLiteral(" Hilfe benötigt. ") + kGermanHelp[4].pick(groups[4]);
    }
    QString text;
    for (std::size_t g = 0; g < groups.size(); ++g)
        text += kEnglishHelp[g].pick(groups[g]);
    return text;
}

QString pointsSentence(Language language, const StatisticsCounts& counts) {
    const int p = counts.points;
    const int m = counts.maxPoints();
    const bool german = isGerman(language);
    if (counts.solved < counts.patternCount) {
        if (p > 0)
            return german ? QStringLiteral("Du hast bisher ") + num(p) + QStringLiteral(" von ") +
                                num(m) + QStringLiteral(" möglichen Punkten erreicht.")
                          : QStringLiteral("Until now you've reached ") + num(p) +
                                QStringLiteral(" out of ") + num(m) +
                                QStringLiteral(" possible points.");
        return german ? QStringLiteral("Du hast bisher leider keine Punkte erreicht.")
                      : QStringLiteral("Sorry, until now you've reached no points.");
    }
    // Everything is done. With no pattern at all, P = M = 0 counts as all points reached.
    if (p == m)
        return german ? QStringLiteral("Hurra, Du hast alle möglichen Punkte erreicht.")
                      : QStringLiteral("Hurrah, you reached all possible points.");
    if (p > 0)
        return german ? QStringLiteral("Du hast ") + num(p) + QStringLiteral(" von ") + num(m) +
                            QStringLiteral(" möglichen Punkten erreicht.")
                      : QStringLiteral("You reached ") + num(p) + QStringLiteral(" out of ") +
                            num(m) + QStringLiteral(" possible points.");
    return german ? QStringLiteral("Du hast leider keinen einzigen Punkt erreicht.")
                  : QStringLiteral("Sorry, you reached no points.");
}

} // namespace tangram
