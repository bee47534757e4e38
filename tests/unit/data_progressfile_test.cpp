// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/progressfile.h"
#include "data_support.h"
#include "language_support.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <random>

using namespace tangram;
using namespace tangram::testing;

namespace {

std::unique_ptr<GameState> stateFor(int category, std::initializer_list<int> statuses) {
    auto state = std::make_unique<GameState>();
    state->category = category;
    int n = 0;
    for (const int status : statuses)
        state->status[static_cast<std::size_t>(++n)] = static_cast<std::uint8_t>(status);
    state->setPatternCount(n);
    return state;
}

std::unique_ptr<GameState> stateWithCount(int category, int count) {
    auto state = std::make_unique<GameState>();
    state->category = category;
    state->setPatternCount(count);
    return state;
}

bool loadFrom(QByteArray data, GameState& state) {
    QBuffer buffer(&data);
    return buffer.open(QIODevice::ReadOnly) && readProgress(buffer, state);
}

QByteArray randomBytes(int size, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray data;
    for (int i = 0; i < size; ++i)
        data.append(static_cast<char>(byte(random)));
    return data;
}

} // namespace

// --- merge in memory --------------------------------------------------------------------------

TEST(ProgressMerge, FirstSaveWritesOneBytePerPattern) {
    auto state = stateFor(2, {8, 2, 0});
    EXPECT_EQ(mergeProgress({}, *state), bytes({40, 34, 32}));
}

TEST(ProgressMerge, KeepsOtherCategoriesInOrderAndAppendsTheCurrentOne) {
    auto state = stateFor(2, {15, 1});
    EXPECT_EQ(mergeProgress(bytes({16, 32, 1, 33, 18}), *state), bytes({16, 1, 18, 47, 33}));
}

TEST(ProgressMerge, KeepsBytesOfNoCategoryLikeAnyOther) {
    auto state = stateFor(0, {9});
    const QByteArray previous = bytes({0x85, 0x01, 0xF0, 0x9F, 0x22});
    EXPECT_EQ(mergeProgress(previous, *state), bytes({0x85, 0xF0, 0x9F, 0x22, 0x09}));
}

TEST(ProgressMerge, SurplusBytesOfTheCategoryAreDropped) {
    auto state = stateFor(1, {3, 4});
    EXPECT_EQ(mergeProgress(bytes({17, 18, 19, 20, 21}), *state), bytes({19, 20}));
}

TEST(ProgressMerge, StatusHighBitsNeverLeakIntoAnotherCategory) {
    // 0x39 would be a byte of category 3 if written unmasked.
    auto state = stateFor(1, {0x39});
    EXPECT_EQ(currentCategoryBytes(*state), bytes({0x19}));
}

TEST(ProgressMerge, RandomFilesKeepEveryForeignByteInOrder) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const QByteArray previous = randomBytes(3000, seed);
        const int category = static_cast<int>(seed % kCategoryCount);
        auto state = stateWithCount(category, 700);
        const QByteArray merged = mergeProgress(previous, *state);

        QByteArray foreign;
        for (const char byte : previous) {
            if ((static_cast<unsigned char>(byte) >> 4) != category)
                foreign.append(byte);
        }
        ASSERT_EQ(merged.size(), foreign.size() + 700);
        EXPECT_EQ(merged.left(foreign.size()), foreign);
        EXPECT_EQ(merged.mid(foreign.size()), QByteArray(700, static_cast<char>(category << 4)));
    }
}

// --- reading ----------------------------------------------------------------------------------

TEST(ProgressRead, TakesTheLowNibbleOfTheCategorysBytesInOrder) {
    auto state = stateWithCount(1, 5);
    state->status.fill(6);
    state->status[6] = 0; // above the count, as the table keeps it
    ASSERT_TRUE(loadFrom(bytes({16, 32, 25, 17}), *state));
    EXPECT_EQ(state->status[1], 0);
    EXPECT_EQ(state->status[2], 9);
    EXPECT_EQ(state->status[3], 1);
    EXPECT_EQ(state->status[4], 0);
    EXPECT_EQ(state->status[5], 0);
}

TEST(ProgressRead, NeverWritesAboveThePatternCount) {
    auto state = stateWithCount(0, 2);
    state->status[3] = 5;
    ASSERT_TRUE(loadFrom(bytes({1, 2, 3, 4}), *state));
    EXPECT_EQ(state->status[1], 1);
    EXPECT_EQ(state->status[2], 2);
    EXPECT_EQ(state->status[3], 5);
}

TEST(ProgressRead, EmptyOrForeignDataLoadsAsUntouched) {
    auto state = stateWithCount(3, 4);
    state->status.fill(8);
    ASSERT_TRUE(loadFrom({}, *state));
    EXPECT_EQ(state->status[1], 0);
    EXPECT_EQ(state->status[4], 0);

    state->status.fill(8);
    ASSERT_TRUE(loadFrom(bytes({0x10, 0x2F, 0xF3, 0x83}), *state));
    EXPECT_EQ(state->status[1], 0);
    EXPECT_EQ(state->status[4], 0);
}

TEST(ProgressRead, FailingReadLeavesTheTableUnchanged) {
    auto state = stateWithCount(0, 4);
    state->status.fill(3);
    FailingDevice device(bytes({8, 9}));
    EXPECT_FALSE(readProgress(device, *state));
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(state->status[static_cast<std::size_t>(n)], 3);

    FailingDevice previous(bytes({1, 2, 3}));
    EXPECT_FALSE(readPreviousProgress(previous).has_value());
}

TEST(ProgressRead, RandomDataMatchesAByteByByteReading) {
    for (unsigned seed = 100; seed < 120; ++seed) {
        const QByteArray data = randomBytes(6000, seed);
        const int category = static_cast<int>(seed % kCategoryCount);
        auto state = stateWithCount(category, 1000);
        ASSERT_TRUE(loadFrom(data, *state));
        int k = 1;
        for (const char byte : data) {
            const auto value = static_cast<unsigned char>(byte);
            if (value >> 4 == category && k <= 1000) {
                ASSERT_EQ(state->status[static_cast<std::size_t>(k++)], value & 0x0F);
            }
        }
        for (; k <= 1000; ++k)
            ASSERT_EQ(state->status[static_cast<std::size_t>(k)], 0);
    }
}

// --- files on disk ----------------------------------------------------------------------------

class ProgressFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList entries() const {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir m_dir;
};

TEST_F(ProgressFileTest, SaveCreatesTheFileWhenMissing) {
    auto state = stateFor(2, {8, 2, 0});
    ASSERT_TRUE(SaveGame(*state, path("new.pzs")).ok);
    EXPECT_EQ(readWholeFile(path("new.pzs")), bytes({40, 34, 32}));
    EXPECT_EQ(entries(), QStringList{"new.pzs"});
}

TEST_F(ProgressFileTest, SaveMergesWithTheFileOnDisk) {
    ASSERT_TRUE(writeWholeFile(path("game.pzs"), bytes({16, 32, 1, 33, 18})));
    auto state = stateFor(2, {9});
    ASSERT_TRUE(SaveGame(*state, path("game.pzs")).ok);
    EXPECT_EQ(readWholeFile(path("game.pzs")), bytes({16, 1, 18, 41}));
}

TEST_F(ProgressFileTest, SaveKeepsFiveThousandBytesOfOtherCategories) {
    QByteArray others;
    for (int i = 0; i < 5000; ++i)
        others.append(static_cast<char>(((i % 7) + 1) * 16 + i % 16));
    ASSERT_TRUE(writeWholeFile(path("big.pzs"), others));
    auto state = stateWithCount(0, 1000);
    state->status.fill(8);
    ASSERT_TRUE(SaveGame(*state, path("big.pzs")).ok);
    const QByteArray written = readWholeFile(path("big.pzs"));
    ASSERT_EQ(written.size(), 6000);
    EXPECT_EQ(written.left(5000), others);
    EXPECT_EQ(written.mid(5000), QByteArray(1000, 8));
}

TEST_F(ProgressFileTest, EveryCategoryRoundTripsThroughOneFile) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> status(0, 15);
    std::uniform_int_distribution<int> count(0, 1000);
    std::array<std::unique_ptr<GameState>, kCategoryCount> saved;
    // A start with bytes of every category in random order.
    QByteArray start = randomBytes(2500, 3);
    for (char& byte : start)
        byte = static_cast<char>(byte & 0x7F);
    ASSERT_TRUE(writeWholeFile(path("all.pzs"), start));
    for (int category = 0; category < kCategoryCount; ++category) {
        saved[static_cast<std::size_t>(category)] = stateWithCount(category, count(random));
        GameState& state = *saved[static_cast<std::size_t>(category)];
        for (int n = 1; n <= state.patternCount(); ++n)
            state.status[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(status(random));
        ASSERT_TRUE(SaveGame(state, path("all.pzs")).ok);
    }
    for (int category = 0; category < kCategoryCount; ++category) {
        const GameState& before = *saved[static_cast<std::size_t>(category)];
        auto after = stateWithCount(category, before.patternCount());
        ASSERT_TRUE(LoadGame(*after, path("all.pzs")).ok);
        EXPECT_EQ(after->status, before.status) << "category " << category;
    }
}

TEST_F(ProgressFileTest, LoadFailureNamesTheFileAndKeepsTheTable) {
    auto state = stateWithCount(0, 3);
    state->status.fill(2);
    state->language = Language::English;
    FileResult result = LoadGame(*state, path("gone.pzs"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Error occurred while loading file gone.pzs!");
    EXPECT_EQ(state->status[1], 2);

    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.pzs"));
    state->language = Language::German;
    const ScopedLanguage german(Language::German);
    result = LoadGame(*state, path("folder.pzs"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Fehler beim Laden des Spiels folder.pzs!");
    EXPECT_EQ(state->status[3], 2);
}

TEST_F(ProgressFileTest, SaveIntoAFolderThatIsAFileFails) {
    ASSERT_TRUE(writeWholeFile(path("plain"), "x"));
    auto state = stateFor(0, {8});
    const FileResult result = SaveGame(*state, path("plain") + "/game.pzs");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Cannot save game game.pzs. Drive full or not writable.");
    EXPECT_EQ(readWholeFile(path("plain")), "x");
}

TEST_F(ProgressFileTest, SaveIntoAVanishedFolderFails) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("saves"));
    const QString target = path("saves/game.pzs");
    auto state = stateFor(0, {8});
    ASSERT_TRUE(SaveGame(*state, target).ok);
    ASSERT_TRUE(QDir(path("saves")).removeRecursively());
    state->language = Language::German;
    const ScopedLanguage german(Language::German);
    const FileResult result = SaveGame(*state, target);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(
        result.message,
        QString::fromUtf8(
            "Kann Spiel game.pzs nicht speichern. Datenträger voll oder nicht beschreibbar."));
}

TEST_F(ProgressFileTest, SaveOverAFolderFailsAndKeepsIt) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("game.pzs"));
    ASSERT_TRUE(writeWholeFile(path("game.pzs/inside"), "keep"));
    auto state = stateFor(0, {8});
    const FileResult result = SaveGame(*state, path("game.pzs"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Cannot save game game.pzs. A folder of that name is in the way.");
    EXPECT_TRUE(QFileInfo(path("game.pzs")).isDir());
    EXPECT_EQ(readWholeFile(path("game.pzs/inside")), "keep");
    EXPECT_EQ(entries(), QStringList{"game.pzs"});
}

TEST_F(ProgressFileTest, OversizedFileIsNeitherLoadedNorReplaced) {
    QFile huge(path("huge.pzs"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(16 * 1024 * 1024));
    huge.close();
    auto state = stateFor(0, {8});
    const FileResult saved = SaveGame(*state, path("huge.pzs"));
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, "Cannot save game huge.pzs. The file there is too large for a "
                             "progress file and was left unchanged.");
    EXPECT_EQ(QFileInfo(path("huge.pzs")).size(), 16 * 1024 * 1024);

    state->status[1] = 5;
    EXPECT_FALSE(LoadGame(*state, path("huge.pzs")).ok);
    EXPECT_EQ(state->status[1], 5);
}
