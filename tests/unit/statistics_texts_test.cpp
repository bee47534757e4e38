// SPDX-License-Identifier: GPL-3.0-or-later
// Every wording case of the statistics dialog, in both languages.
#include "dialogs/statisticstexts.h"
#include "tests/unit/language_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

namespace tangram {

// Lets failing cases print readable texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

using tangram::testing::ScopedLanguage;

constexpr Language kEnglish = Language::English;
constexpr Language kGerman = Language::German;

// Counts with the given help histogram and pattern count; solved and points follow from it.
StatisticsCounts withHelp(int patternCount, std::array<int, kHelpLevels> help) {
    StatisticsCounts counts;
    counts.patternCount = patternCount;
    counts.help = help;
    for (int h = 0; h < kHelpLevels; ++h) {
        counts.solved += help[static_cast<std::size_t>(h)];
        counts.points += (7 - h) * help[static_cast<std::size_t>(h)];
    }
    return counts;
}

struct TitleCase {
    Language language;
    int category;
    const char* path;
    const char16_t* expected;
};

class StatisticsTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(StatisticsTitle, NamesGameAndCategory) {
    const TitleCase& c = GetParam();
    const ScopedLanguage installed(c.language);
    EXPECT_EQ(statisticsTitle(c.category, QString::fromUtf8(c.path)),
              QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, StatisticsTitle,
    ::testing::Values(
        TitleCase{kGerman, 1, "/home/anna/spiele/puzzle.pzs",
                  u"Tangram Statistik für Spiel puzzle - Kategorie: Tiere"},
        TitleCase{kEnglish, 1, "/home/anna/spiele/puzzle.pzs",
                  u"Tangram statistics for game puzzle - category: animals"},
        TitleCase{kGerman, 3, "", u"Tangram Statistik - Kategorie: Gebäude und Schiffe"},
        TitleCase{kEnglish, 7, "", u"Tangram statistics - category: letters and numbers"},
        // Before a language is chosen the texts are English.
        TitleCase{Language::NotChosen, 2, "", u"Tangram statistics - category: tools and household stuff"},
        // Only the last four characters go, whatever they are; dots in folders stay out.
        TitleCase{kEnglish, 0, "/a.b/my.game.pzs",
                  u"Tangram statistics for game my.game - category: humans"},
        // A name that is nothing but the extension leaves no game part.
        TitleCase{kGerman, 6, "/tmp/.pzs", u"Tangram Statistik - Kategorie: Konvexe Tangrams"}));

struct SentenceCase {
    Language language;
    StatisticsCounts counts;
    const char16_t* expected;
};

void PrintTo(const SentenceCase& c, std::ostream* os) {
    *os << "language " << static_cast<int>(c.language) << ", N " << c.counts.patternCount << ", S " << c.counts.solved
        << ", P " << c.counts.points;
}

class SolvedSentence : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(SolvedSentence, MatchesTheGameWording) {
    const SentenceCase& c = GetParam();
    const ScopedLanguage installed(c.language);
    EXPECT_EQ(solvedSentence(c.counts), QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, SolvedSentence,
    ::testing::Values(
        SentenceCase{kGerman, withHelp(40, {}), u"Bisher wurde noch kein Tangram gelöst !!!"},
        SentenceCase{kEnglish, withHelp(40, {}), u"Until now no Tangram was solved !!!"},
        SentenceCase{kGerman, withHelp(40, {0, 1}),
                     u"Bisher wurde eines von insgesamt 40 Tangrams gelöst."},
        SentenceCase{kEnglish, withHelp(40, {0, 0, 0, 0, 0, 0, 1, 0}),
                     u"Until now one out of total 40 Tangrams was solved."},
        // A figure given up is done, but not solved.
        SentenceCase{kEnglish, withHelp(40, {0, 0, 0, 0, 0, 0, 0, 1}),
                     u"Until now no Tangram was solved !!!"},
        SentenceCase{kGerman, withHelp(40, {2}),
                     u"Bisher wurden 2 von insgesamt 40 Tangrams gelöst."},
        SentenceCase{kEnglish, withHelp(1000, {500, 0, 0, 0, 0, 0, 0, 500}),
                     u"Until now 500 out of total 1000 Tangrams were solved."}));

class HelpSentence : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(HelpSentence, MatchesTheGameWording) {
    const SentenceCase& c = GetParam();
    const ScopedLanguage installed(c.language);
    EXPECT_EQ(helpSentence(c.counts), QString::fromUtf16(c.expected));
}

// Three histograms reach every fragment: all groups empty, all groups at one pattern, all groups
// at several. Groups B, C and D each add two help levels, so the cases spread their patterns over
// both levels to show the sums.
const StatisticsCounts kNoneInAnyGroup = withHelp(30, {});
const StatisticsCounts kOneInEachGroup = withHelp(30, {1, 0, 1, 1, 0, 0, 1, 1});
const StatisticsCounts kSeveralInEachGroup = withHelp(30, {2, 1, 2, 3, 1, 2, 3, 6});

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, HelpSentence,
    ::testing::Values(
        SentenceCase{kGerman, kNoneInAnyGroup,
                     u"Du hast für kein Tangram keine, für kein Tangram wenig, für kein Tangram "
                     u"etwas mehr und für kein Tangram viel Hilfe benötigt. Du hast kein Tangram "
                     u"aufgegeben."},
        SentenceCase{kEnglish, kNoneInAnyGroup,
                     u"For no Tangram you didn't need any help. For no Tangram you needed "
                     u"little, for no Tangram some more and for no Tangram much help. You "
                     u"dropped no Tangram."},
        SentenceCase{kGerman, kOneInEachGroup,
                     u"Du hast für ein Tangram keine, für ein Tangram wenig, für ein Tangram "
                     u"etwas mehr und für ein Tangram viel Hilfe benötigt. Ein Tangram hast Du "
                     u"aufgegeben."},
        SentenceCase{kEnglish, kOneInEachGroup,
                     u"For one Tangram you didn't need any help. For one Tangram you needed "
                     u"little, for one Tangram some more and for one Tangram much help. You "
                     u"dropped one Tangram."},
        SentenceCase{kGerman, kSeveralInEachGroup,
                     u"Du hast für 2 Tangrams keine, für 3 Tangrams wenig, für 4 Tangrams etwas "
                     u"mehr und für 5 Tangrams viel Hilfe benötigt. Du hast 6 Tangrams "
                     u"aufgegeben."},
        SentenceCase{kEnglish, kSeveralInEachGroup,
                     u"For 2 Tangrams you didn't need any help. For 3 Tangrams you needed "
                     u"little, for 4 Tangrams some more and for 5 Tangrams much help. You "
                     u"dropped 6 Tangrams."},
        // Mixed forms within one sentence.
        SentenceCase{kEnglish, withHelp(30, {12, 0, 0, 0, 1, 0, 0, 0}),
                     u"For 12 Tangrams you didn't need any help. For no Tangram you needed "
                     u"little, for one Tangram some more and for no Tangram much help. You "
                     u"dropped no Tangram."}));

class PointsSentence : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(PointsSentence, MatchesTheGameWording) {
    const SentenceCase& c = GetParam();
    const ScopedLanguage installed(c.language);
    EXPECT_EQ(pointsSentence(c.counts), QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, PointsSentence,
    ::testing::Values(
        // Some patterns still open, some points.
        SentenceCase{kGerman, withHelp(10, {1, 1}),
                     u"Du hast bisher 13 von 70 möglichen Punkten erreicht."},
        SentenceCase{kEnglish, withHelp(10, {1, 1}),
                     u"Until now you've reached 13 out of 70 possible points."},
        // Open patterns, no points: nothing solved, or only given-up patterns.
        SentenceCase{kGerman, withHelp(10, {}), u"Du hast bisher leider keine Punkte erreicht."},
        SentenceCase{kEnglish, withHelp(10, {0, 0, 0, 0, 0, 0, 0, 3}),
                     u"Sorry, until now you've reached no points."},
        // Everything solved without help.
        SentenceCase{kGerman, withHelp(4, {4}), u"Hurra, Du hast alle möglichen Punkte erreicht."},
        SentenceCase{kEnglish, withHelp(4, {4}), u"Hurrah, you reached all possible points."},
        // Everything done, with help.
        SentenceCase{kGerman, withHelp(4, {3, 0, 0, 0, 0, 0, 0, 1}),
                     u"Du hast 21 von 28 möglichen Punkten erreicht."},
        SentenceCase{kEnglish, withHelp(4, {0, 0, 0, 0, 0, 0, 1, 3}),
                     u"You reached 1 out of 28 possible points."},
        // Everything given up.
        SentenceCase{kGerman, withHelp(2, {0, 0, 0, 0, 0, 0, 0, 2}),
                     u"Du hast leider keinen einzigen Punkt erreicht."},
        SentenceCase{kEnglish, withHelp(2, {0, 0, 0, 0, 0, 0, 0, 2}),
                     u"Sorry, you reached no points."},
        // No patterns loaded: nothing is open and 0 of 0 points count as all of them.
        SentenceCase{kGerman, withHelp(0, {}), u"Hurra, Du hast alle möglichen Punkte erreicht."},
        SentenceCase{kEnglish, withHelp(0, {}), u"Hurrah, you reached all possible points."}));

} // namespace
} // namespace tangram
