// SPDX-License-Identifier: GPL-3.0-or-later
// What the readers refuse, and what a save leaves alone: special files at the paths the game
// reads, files that cannot be progress files, the save lock and left-over temporaries.
#include "data/patternlibrary.h"
#include "data/progressfile.h"
#include "data/savelock.h"
#include "data/texts.h"
#include "data_support.h"
#include "language_support.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using namespace tangram;
using namespace tangram::testing;

namespace {

class RefusalTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_state = std::make_unique<GameState>();
        m_state->programDir = m_dir.path() + u'/';
        m_state->language = Language::English;
        m_state->category = 1;
        m_state->setPatternCount(3);
        m_state->status[1] = 8;
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList entries() const {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    void makeFifo(const QString& name) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(path(name)).constData(), 0644), 0);
    }
    // Sets a file's modification time `seconds` into the past.
    void age(const QString& name, int seconds) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                                     QFileDevice::FileModificationTime));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<GameState> m_state;
};

} // namespace

// --- special files: refused at once, never waited on ------------------------------------------

TEST_F(RefusalTest, AFifoAsProgressFileIsNeitherLoadedNorReplaced) {
    makeFifo("game.pzs");
    m_state->status[1] = 9;
    const FileResult loaded = LoadGame(*m_state, path("game.pzs"));
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.message, "Error occurred while loading file game.pzs!");
    EXPECT_EQ(m_state->status[1], 9);

    const FileResult saved = SaveGame(*m_state, path("game.pzs"));
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message,
              "Cannot save game game.pzs. The file there is not a progress file and was left "
              "unchanged.");
    EXPECT_TRUE(QFileInfo(path("game.pzs")).exists());
    EXPECT_FALSE(QFileInfo(path("game.pzs")).isFile()) << "the FIFO must stay a FIFO";
}

TEST_F(RefusalTest, ALibraryThatIsAFifoOrADeviceIsNoLibrary) {
    makeFifo("kelm.dat");
    m_state->setPatternCount(4);
    m_state->language = Language::German;
    const tangram::testing::ScopedLanguage german(Language::German);
    FileResult result = LoadPatterns(*m_state);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message,
              "Datei kelm.dat konnte nicht gefunden werden. Programm wird abgebrochen.");
    EXPECT_EQ(m_state->patternCount(), 4);

    ASSERT_TRUE(QFile::remove(path("kelm.dat")));
    ASSERT_TRUE(QFile::link("/dev/zero", path("kelm.dat")));
    for (int category : {0, 3, 7}) {
        m_state->category = category;
        EXPECT_FALSE(LoadPatterns(*m_state).ok) << "category " << category;
        EXPECT_EQ(m_state->patternCount(), 4);
    }
}

TEST_F(RefusalTest, ALibraryLongerThanEightFullCategoriesIsRefused) {
    QByteArray library;
    for (int i = 0; i < kCategoryCount * kMaxPatterns; ++i)
        library += libraryRecord(i % kCategoryCount, i % 200);
    ASSERT_EQ(library.size(), kMaxLibraryBytes);
    ASSERT_TRUE(writeWholeFile(path("kelm.dat"), library));
    m_state->category = 5;
    ASSERT_TRUE(LoadPatterns(*m_state).ok);
    EXPECT_EQ(m_state->patternCount(), kMaxPatterns);

    ASSERT_TRUE(writeWholeFile(path("kelm.dat"), library + libraryRecord(5, 1)));
    m_state->setPatternCount(2);
    EXPECT_FALSE(LoadPatterns(*m_state).ok);
    EXPECT_EQ(m_state->patternCount(), 2);
}

// --- files that cannot be progress files ------------------------------------------------------

TEST_F(RefusalTest, CheckTellsProgressDataFromAnythingElse) {
    EXPECT_EQ(checkProgressData({}), ProgressCheck::Valid);
    EXPECT_EQ(checkProgressData(bytes({0x00, 0x1F, 0x7F, 0x08})), ProgressCheck::Valid);
    EXPECT_EQ(checkProgressData(bytes({0x00, 0x80})), ProgressCheck::NotProgressFile);
    EXPECT_EQ(checkProgressData(bytes({0xF3})), ProgressCheck::NotProgressFile);
    // Eight full categories are the largest progress file; one more byte of any is too many.
    QByteArray full;
    for (int category = 0; category < kCategoryCount; ++category)
        full += QByteArray(kMaxPatterns, static_cast<char>(category * 16 + 8));
    EXPECT_EQ(checkProgressData(full), ProgressCheck::Valid);
    EXPECT_EQ(checkProgressData(full + bytes({0x11})), ProgressCheck::TooLarge);
    EXPECT_EQ(checkProgressData(QByteArray(kMaxPatterns + 1, 0x21)),
              ProgressCheck::NotProgressFile);
}

TEST_F(RefusalTest, ATextFileIsNotLoadedAndNotOverwritten) {
    // Its newlines would have been dropped by a merge for category 0.
    const QByteArray text = "Notes on the game\n\xC3\xA4nderungen: none\n";
    ASSERT_TRUE(writeWholeFile(path("notes.pzs"), text));
    m_state->category = 0;
    m_state->status.fill(0);
    EXPECT_FALSE(LoadGame(*m_state, path("notes.pzs")).ok);
    EXPECT_EQ(m_state->status[1], 0);
    m_state->status[1] = 8;
    const FileResult saved = SaveGame(*m_state, path("notes.pzs"));
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message,
              "Cannot save game notes.pzs. The file there is not a progress file and was left "
              "unchanged.");
    EXPECT_EQ(readWholeFile(path("notes.pzs")), text);
    EXPECT_EQ(entries(), QStringList{"notes.pzs"});
}

TEST_F(RefusalTest, AGrownCategoryNeverMakesTheNextFileUnloadable) {
    // 1000 bytes of category 0 beside a full category 1 still merge into a loadable file.
    ASSERT_TRUE(writeWholeFile(path("game.pzs"), QByteArray(kMaxPatterns, 0x08)));
    m_state->setPatternCount(kMaxPatterns);
    m_state->status.fill(9);
    ASSERT_TRUE(SaveGame(*m_state, path("game.pzs")).ok);
    EXPECT_EQ(checkProgressData(readWholeFile(path("game.pzs"))), ProgressCheck::Valid);
    EXPECT_TRUE(LoadGame(*m_state, path("game.pzs")).ok);
}

// --- the save lock ----------------------------------------------------------------------------

TEST_F(RefusalTest, ASaveWhileAnotherGameHoldsTheLockSaysSoAndWritesNothing) {
    ASSERT_TRUE(writeWholeFile(path("game.pzs"), bytes({0x01, 0x22})));
    auto other = std::make_unique<SaveLock>(path("game.pzs.lock"), 0);
    ASSERT_EQ(other->state(), SaveLock::State::Locked);
    m_state->language = Language::German;
    const tangram::testing::ScopedLanguage german(Language::German);
    const FileResult result = SaveGame(*m_state, path("game.pzs"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message,
              "Kann Spiel game.pzs nicht speichern. Ein anderes laufendes Wimbo Tangram "
              "speichert gerade dieselbe Datei. Bitte noch einmal versuchen.");
    EXPECT_EQ(readWholeFile(path("game.pzs")), bytes({0x01, 0x22}));

    other.reset();
    ASSERT_TRUE(SaveGame(*m_state, path("game.pzs")).ok);
    EXPECT_EQ(readWholeFile(path("game.pzs")), bytes({0x01, 0x22, 0x18, 0x10, 0x10}));
    EXPECT_EQ(entries(), QStringList{"game.pzs"}) << "the lock file goes with the save";
}

TEST_F(RefusalTest, ALinkedProgressFileIsWrittenThroughWithTheLockBesideTheTarget) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("real"));
    ASSERT_TRUE(writeWholeFile(path("real/game.pzs"), bytes({0x02})));
    ASSERT_TRUE(QFile::link(path("real/game.pzs"), path("link.pzs")));
    auto other = std::make_unique<SaveLock>(path("real/game.pzs.lock"), 0);
    ASSERT_EQ(other->state(), SaveLock::State::Locked);
    EXPECT_FALSE(SaveGame(*m_state, path("link.pzs")).ok);
    other.reset();
    ASSERT_TRUE(SaveGame(*m_state, path("link.pzs")).ok);
    EXPECT_TRUE(QFileInfo(path("link.pzs")).isSymLink());
    EXPECT_EQ(readWholeFile(path("real/game.pzs")), bytes({0x02, 0x18, 0x10, 0x10}));
}

TEST_F(RefusalTest, ALockFileLeftBehindBlocksNothingAndOnlyAHeldOneCounts) {
    // A game killed while saving leaves its lock file; the kernel lock went with the process.
    ASSERT_TRUE(writeWholeFile(path("game.pzs.lock"), "17\nold game\n"));
    ASSERT_TRUE(SaveGame(*m_state, path("game.pzs")).ok);
    EXPECT_EQ(entries(), QStringList{"game.pzs"});

    SaveLock first(path("x.lock"), 0);
    ASSERT_EQ(first.state(), SaveLock::State::Locked);
    SaveLock second(path("x.lock"), 50);
    EXPECT_EQ(second.state(), SaveLock::State::Busy);
    SaveLock nowhere(path("no/such/folder.lock"), 0);
    EXPECT_EQ(nowhere.state(), SaveLock::State::Failed);
}

// --- left-over temporaries --------------------------------------------------------------------

TEST_F(RefusalTest, AStaleTemporaryOfAnInterruptedSaveIsRemovedByTheNextSave) {
    ASSERT_TRUE(writeWholeFile(path("game.pzs"), bytes({0x02})));
    ASSERT_TRUE(writeWholeFile(path("game.pzs.yCEJZh"), bytes({0x02, 0x18})));
    age("game.pzs.yCEJZh", kStaleTemporarySeconds + 5);
    // Spared: one still young, the player's own copies and other files.
    ASSERT_TRUE(writeWholeFile(path("game.pzs.QwErTy"), bytes({0x02})));
    for (const char* name : {"game.pzs.backup", "game.pzs.Backup", "game.pzs.BACKUP",
                             "game.pzs.aB3dEf", "game.pzs.aBcDeFg", "other.pzs.yCEJZh"}) {
        ASSERT_TRUE(writeWholeFile(path(name), bytes({0x02})));
        age(name, 3600);
    }
    ASSERT_TRUE(writeWholeFile(path("game.pzs.TxTfIl"), "\xC3\xA4 not progress\n"));
    age("game.pzs.TxTfIl", 3600);

    ASSERT_TRUE(SaveGame(*m_state, path("game.pzs")).ok);
    QStringList left = entries();
    left.sort();
    EXPECT_EQ(left, (QStringList{"game.pzs", "game.pzs.BACKUP", "game.pzs.Backup",
                                      "game.pzs.QwErTy", "game.pzs.TxTfIl", "game.pzs.aB3dEf",
                                      "game.pzs.aBcDeFg", "game.pzs.backup", "other.pzs.yCEJZh"}));
}
