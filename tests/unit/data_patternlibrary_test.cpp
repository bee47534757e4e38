// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/patternlibrary.h"
#include "data_support.h"
#include "language_support.h"
#include "model/libraryrecord.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace tangram;
using namespace tangram::testing;

namespace {

// GameState carries two 1000-entry tables; keep it off the stack.
// A state whose previous category was full, so that any level up to 1000 is its current one.
std::unique_ptr<GameState> stateFor(int category, int level = 1) {
    auto state = std::make_unique<GameState>();
    state->category = category;
    state->setPatternCount(kMaxPatterns);
    state->setLevel(level);
    return state;
}

void readFrom(QByteArray data, GameState& state) {
    QBuffer buffer(&data);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    readPatterns(buffer, state);
}

QByteArray manyRecords(int count, int category) {
    QByteArray data;
    for (int i = 0; i < count; ++i)
        data += libraryRecord(category, i % 200);
    return data;
}

} // namespace

TEST(PatternLibrary, KeepsOnlyTheCategoryInFileOrder) {
    QByteArray data;
    const int categories[] = {0, 3, 0, 0, 3};
    for (int i = 0; i < 5; ++i)
        data += libraryRecord(categories[i], 10 * (i + 1));

    auto humans = stateFor(0);
    readFrom(data, *humans);
    ASSERT_EQ(humans->patternCount(), 3);
    EXPECT_EQ(humans->patterns[1], expectedPattern(10));
    EXPECT_EQ(humans->patterns[2], expectedPattern(30));
    EXPECT_EQ(humans->patterns[3], expectedPattern(40));

    auto buildings = stateFor(3);
    readFrom(data, *buildings);
    ASSERT_EQ(buildings->patternCount(), 2);
    EXPECT_EQ(buildings->patterns[1], expectedPattern(20));
    EXPECT_EQ(buildings->patterns[2], expectedPattern(50));
}

TEST(PatternLibrary, StoresThePlacementBytesInPieceOrder) {
    QByteArray record = bytes({5});
    for (int i = 1; i <= 21; ++i)
        record.append(static_cast<char>(i * 11));
    auto state = stateFor(5);
    readFrom(record, *state);
    ASSERT_EQ(state->patternCount(), 1);
    for (int piece = 0; piece < kPieceCount; ++piece) {
        const TPlacement& p = state->patterns[1][static_cast<std::size_t>(piece)];
        EXPECT_EQ(p.column, static_cast<std::uint8_t>((3 * piece + 1) * 11));
        EXPECT_EQ(p.row, static_cast<std::uint8_t>((3 * piece + 2) * 11));
        EXPECT_EQ(p.orientation, static_cast<std::uint8_t>((3 * piece + 3) * 11));
    }
}

TEST(PatternLibrary, StopsReadingOnceAThousandPatternsAreKept) {
    // One foreign record first, then 1200 of category 2: the reader must stop right after the
    // 1000th kept record and leave the rest of the file unread.
    QByteArray data = libraryRecord(1, 7) + manyRecords(1200, 2);
    QBuffer buffer(&data);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    auto state = stateFor(2);
    readPatterns(buffer, *state);
    EXPECT_EQ(state->patternCount(), 1000);
    EXPECT_EQ(buffer.pos(), 1001 * kLibraryRecordSize);
    EXPECT_EQ(state->patterns[1000], expectedPattern(999 % 200));
}

TEST(PatternLibrary, IgnoresATrailingPartialRecord) {
    // 45 bytes: two records and one byte that even matches the category.
    QByteArray data = libraryRecord(4, 1) + libraryRecord(4, 2) + bytes({4});
    auto state = stateFor(4);
    readFrom(data, *state);
    EXPECT_EQ(state->patternCount(), 2);

    auto shortOnly = stateFor(4);
    readFrom(libraryRecord(4, 1).left(21), *shortOnly);
    EXPECT_EQ(shortOnly->patternCount(), 0);
}

TEST(PatternLibrary, RecordsOfNoCategoryNeverMatchOrShiftNumbering) {
    QByteArray data = libraryRecord(0, 1) + libraryRecord(8, 2) + libraryRecord(0x80, 3) +
                      libraryRecord(255, 4) + libraryRecord(0, 5);
    auto state = stateFor(0);
    readFrom(data, *state);
    ASSERT_EQ(state->patternCount(), 2);
    EXPECT_EQ(state->patterns[2], expectedPattern(5));
}

TEST(PatternLibrary, KeepsPlacementsOffTheBoardSoNumberingHolds) {
    // Column 250 lies far outside the 121-column board; the record still takes number 1.
    QByteArray data = libraryRecord(6, 250) + libraryRecord(6, 20);
    auto state = stateFor(6);
    readFrom(data, *state);
    ASSERT_EQ(state->patternCount(), 2);
    EXPECT_EQ(state->patterns[1], expectedPattern(250));
    EXPECT_EQ(state->patterns[2], expectedPattern(20));
}

TEST(PatternLibrary, LowersTheLevelToTheCountOnly) {
    const QByteArray forty = manyRecords(40, 1);
    auto tooHigh = stateFor(1, 57);
    readFrom(forty, *tooHigh);
    EXPECT_EQ(tooHigh->level(), 40);

    auto inRange = stateFor(1, 12);
    readFrom(forty, *inRange);
    EXPECT_EQ(inRange->level(), 12);
}

TEST(PatternLibrary, RaisesALevelBelowOneToOne) {
    for (const int damaged : {0, -1, -100000}) {
        auto state = stateFor(1, damaged);
        readFrom(manyRecords(5, 1), *state);
        EXPECT_EQ(state->level(), 1) << "stored level " << damaged;
    }
}

TEST(PatternLibrary, EmptyCategoryGivesCountZeroLevelOneAndTheEmptyPattern) {
    auto state = stateFor(7, 30);
    readFrom(manyRecords(20, 0), *state);
    EXPECT_EQ(state->patternCount(), 0);
    EXPECT_EQ(state->level(), 1);
    EXPECT_EQ(state->currentPattern(), kEmptyPattern);
}

TEST(PatternLibrary, ReloadClearsEntriesOfTheFormerCategory) {
    QByteArray data = manyRecords(10, 0) + manyRecords(3, 1);
    auto state = stateFor(0);
    readFrom(data, *state);
    ASSERT_EQ(state->patternCount(), 10);
    state->category = 1;
    readFrom(data, *state);
    EXPECT_EQ(state->patternCount(), 3);
    for (int n = 4; n <= kMaxPatterns; ++n)
        ASSERT_EQ(state->patterns[static_cast<std::size_t>(n)], TPatternRecord{}) << n;
}

TEST(PatternLibrary, InterleavedCategoriesShareOutEveryRecord) {
    QByteArray data;
    for (int i = 0; i < 800; ++i)
        data += libraryRecord((i * 5) % kCategoryCount, i % 100);
    int total = 0;
    for (int category = 0; category < kCategoryCount; ++category) {
        auto state = stateFor(category);
        readFrom(data, *state);
        EXPECT_EQ(state->patternCount(), 100);
        total += state->patternCount();
    }
    EXPECT_EQ(total, 800);
}

TEST(LoadPatterns, ReadsKelmDatFromTheProgramDirectory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(
        writeWholeFile(dir.filePath("kelm.dat"), libraryRecord(2, 1) + libraryRecord(2, 9)));
    auto state = stateFor(2, 5);
    state->programDir = dir.path() + '/';
    EXPECT_EQ(patternLibraryPath(*state), dir.path() + "/kelm.dat");
    const FileResult result = LoadPatterns(*state);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(state->patternCount(), 2);
    EXPECT_EQ(state->level(), 2);
    EXPECT_EQ(state->patterns[2], expectedPattern(9));
}

TEST(LoadPatterns, MissingLibraryReportsInTheLanguageAndChangesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        Language language;
        const char* text;
    };
    const Case cases[] = {
        {Language::NotChosen, "Can't find file kelm.dat. Program aborted."},
        {Language::English, "Can't find file kelm.dat. Program aborted."},
        {Language::German, "Datei kelm.dat konnte nicht gefunden werden. Programm wird abgebrochen."},
    };
    for (const Case& c : cases) {
        auto state = stateFor(3, 9);
        state->programDir = dir.path() + '/';
        state->language = c.language;
        const ScopedLanguage installed(c.language);
        state->setPatternCount(14);
        state->patterns[1] = expectedPattern(77);
        const FileResult result = LoadPatterns(*state);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, QString::fromUtf8(c.text));
        EXPECT_EQ(state->patternCount(), 14);
        EXPECT_EQ(state->level(), 9);
        EXPECT_EQ(state->patterns[1], expectedPattern(77));
    }
}

TEST(LoadPatterns, ADirectoryNamedKelmDatIsNoLibrary) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("kelm.dat"));
    auto state = stateFor(0);
    state->programDir = dir.path() + '/';
    EXPECT_FALSE(LoadPatterns(*state).ok);
}
