// SPDX-License-Identifier: GPL-3.0-or-later
// Faults on the save path, each ending with the old progress file byte for byte (or the new one
// whole) and a clear message: a full disk and a read-only folder (on a small tmpfs in a private
// mount namespace, skipped where it cannot be mounted), a dangling symbolic link, the saving
// process killed at random moments, and two processes saving the same file at once.
#include "data/progressfile.h"
#include "data/texts.h"
#include "data_support.h"
#include "language_support.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tangram;
using namespace tangram::testing;

namespace {

std::unique_ptr<GameState> stateOf(int category, int count, int status) {
    auto state = std::make_unique<GameState>();
    state->language = Language::English;
    state->category = category;
    state->setPatternCount(count);
    for (int n = 1; n <= count; ++n)
        state->status[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(status);
    return state;
}

// A valid progress file of every category but `except`, with `each` bytes apiece.
QByteArray otherCategories(int except, int each) {
    QByteArray data;
    for (int category = 0; category < kCategoryCount; ++category) {
        if (category != except)
            data += QByteArray(each, static_cast<char>(category * 16 + 8 + category % 7));
    }
    return data;
}

// Runs `body` in a child process and gives back what it reports: empty for success, "SKIP: ..."
// when the environment cannot provide the fault, anything else is a failure.
std::string inChild(const std::function<std::string()>& body) {
    int channel[2];
    if (::pipe(channel) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child < 0)
        return "fork failed";
    if (child == 0) {
        ::close(channel[0]);
        const std::string report = body();
        [[maybe_unused]] const ssize_t written = ::write(channel[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string report;
    char chunk[256];
    ssize_t got;
    while ((got = ::read(channel[0], chunk, sizeof chunk)) > 0)
        report.append(chunk, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "child died: " + report;
    return report;
}

// In a child: a private mount namespace with a tmpfs of `kilobytes` at `where`.
std::string mountPrivateTmpfs(const QString& where, int kilobytes) {
    if (::unshare(CLONE_NEWNS) != 0)
        return "SKIP: no private mount namespace here";
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return "SKIP: mounts cannot be made private here";
    const std::string options = "size=" + std::to_string(kilobytes) + "k";
    if (::mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", 0, options.c_str()) != 0)
        return "SKIP: tmpfs cannot be mounted here";
    return {};
}

#define CHILD_CHECK(condition)                                                                     \
    if (!(condition))                                                                              \
    return std::string("failed: ") + #condition

void expectReport(const std::string& report) {
    if (report.rfind("SKIP: ", 0) == 0)
        GTEST_SKIP() << report.substr(6);
    EXPECT_EQ(report, "");
}

class SaveFaultTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SaveFaultTest, AFullDiskKeepsTheOldFileAndSaysSo) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("disk"));
    const QString disk = path("disk");
    expectReport(inChild([&]() -> std::string {
        if (std::string skip = mountPrivateTmpfs(disk, 64); !skip.empty())
            return skip;
        const QString target = disk + "/game.pzs";
        const QByteArray old = otherCategories(2, 500);
        CHILD_CHECK(writeWholeFile(target, old));
        // Fill the rest of the disk.
        QFile filler(disk + "/filler");
        CHILD_CHECK(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        filler.close();

        auto state = stateOf(2, 1000, 9);
        const FileResult result = SaveGame(*state, target);
        CHILD_CHECK(!result.ok);
        CHILD_CHECK(result.message == "Cannot save game game.pzs. Drive full or not writable.");
        CHILD_CHECK(readWholeFile(target) == old);
        CHILD_CHECK((QDir(disk).entryList(QDir::Files | QDir::Hidden) ==
                     QStringList{"filler", "game.pzs"}));
        // With room again the same save goes through.
        CHILD_CHECK(QFile::remove(disk + "/filler"));
        CHILD_CHECK(SaveGame(*state, target).ok);
        CHILD_CHECK(readWholeFile(target) == mergeProgress(old, *state));
        return {};
    }));
}

TEST_F(SaveFaultTest, AReadOnlyFolderKeepsTheOldFileAndSaysSo) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("ro"));
    const QString folder = path("ro");
    expectReport(inChild([&]() -> std::string {
        // Permission bits do not stop root, a read-only mount does.
        if (std::string skip = mountPrivateTmpfs(folder, 256); !skip.empty())
            return skip;
        const QString target = folder + "/game.pzs";
        const QByteArray old = otherCategories(5, 300);
        CHILD_CHECK(writeWholeFile(target, old));
        if (::mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                    nullptr) != 0)
            return "SKIP: cannot remount read-only";
        auto state = stateOf(5, 40, 8);
        state->language = Language::German;
        const tangram::testing::ScopedLanguage german(Language::German);
        const FileResult result = SaveGame(*state, target);
        CHILD_CHECK(!result.ok);
        CHILD_CHECK(result.message ==
                    QString::fromUtf8("Kann Spiel game.pzs nicht speichern. Datenträger voll "
                                      "oder nicht beschreibbar."));
        CHILD_CHECK(readWholeFile(target) == old);
        // Loading from a read-only folder works as ever.
        auto loaded = stateOf(0, 300, 0);
        CHILD_CHECK(LoadGame(*loaded, target).ok);
        CHILD_CHECK(loaded->status[300] == 8);
        return {};
    }));
}

TEST_F(SaveFaultTest, ADanglingLinkIsLeftAloneWhenItsTargetCannotBeMade) {
    const QString link = path("game.pzs");
    ASSERT_TRUE(QFile::link(path("unplugged/drive/game.pzs"), link));
    auto state = stateOf(0, 3, 8);
    const FileResult saved = SaveGame(*state, link);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, "Cannot save game game.pzs. Drive full or not writable.");
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), path("unplugged/drive/game.pzs"));
    const FileResult loaded = LoadGame(*state, link);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.message, "Error occurred while loading file game.pzs!");
    EXPECT_EQ(QDir(m_dir.path())
                  .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"game.pzs"});

    // A link to a file not made yet, in a folder that is there, is a first save through it.
    ASSERT_TRUE(QDir(m_dir.path()).mkpath("unplugged/drive"));
    ASSERT_TRUE(SaveGame(*state, link).ok);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readWholeFile(path("unplugged/drive/game.pzs")), bytes({8, 8, 8}));
}

TEST_F(SaveFaultTest, AKilledSaveLeavesTheOldOrTheNewFileNeverAnythingElse) {
    const QString target = path("game.pzs");
    const QByteArray old = otherCategories(3, 900);
    auto state = stateOf(3, 1000, 10);
    const QByteArray updated = mergeProgress(old, *state);
    ASSERT_NE(old, updated);
    std::mt19937 random(19);
    // Starting the saving process takes longer than a save, so the delays reach past both.
    std::uniform_int_distribution<int> delayMicroseconds(0, 10000);
    int oldKept = 0;
    int newWritten = 0;
    for (int round = 0; round < 200; ++round) {
        ASSERT_TRUE(writeWholeFile(target, old));
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            for (;;)
                SaveGame(*state, target);
        }
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(saver, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(saver, &status, 0), saver);
        const QByteArray now = readWholeFile(target);
        ASSERT_TRUE(now == old || now == updated) << "round " << round << ": " << now.size();
        (now == old ? oldKept : newWritten)++;
    }
    std::cout << "[          ] 200 kills: " << oldKept << " left the old file, " << newWritten
              << " the new one\n";
    EXPECT_GT(newWritten, 0) << "no kill came after a save: the test proved nothing";
    // The lock and temporaries a kill leaves behind do not stop the next save.
    ASSERT_TRUE(writeWholeFile(target, old));
    const FileResult after = SaveGame(*state, target);
    EXPECT_TRUE(after.ok) << after.message.toStdString();
    EXPECT_EQ(readWholeFile(target), updated);
}

TEST_F(SaveFaultTest, TwoGamesSavingOneFileKeepEachOthersProgress) {
    // Each game marks one more pattern of its own category per save. Before the saves were
    // locked, one game's merge read the file before the other's rename and dropped its update.
    const QString target = path("shared.pzs");
    constexpr int kSaves = 150;
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    pid_t games[2];
    for (int g = 0; g < 2; ++g) {
        games[g] = ::fork();
        ASSERT_GE(games[g], 0);
        if (games[g] == 0) {
            ::close(start[1]);
            char go;
            [[maybe_unused]] const ssize_t got = ::read(start[0], &go, 1);
            auto state = stateOf(g == 0 ? 1 : 6, kSaves, 0);
            int failed = 0;
            for (int n = 1; n <= kSaves; ++n) {
                state->status[static_cast<std::size_t>(n)] = 8;
                while (!SaveGame(*state, target).ok)
                    ++failed;
            }
            ::_exit(failed > 100 ? 1 : 0);
        }
    }
    ::close(start[0]);
    ::close(start[1]); // both start now
    for (const pid_t game : games) {
        int status = 0;
        ASSERT_EQ(::waitpid(game, &status, 0), game);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (const int category : {1, 6}) {
        auto loaded = stateOf(category, kSaves, 0);
        ASSERT_TRUE(LoadGame(*loaded, target).ok);
        for (int n = 1; n <= kSaves; ++n)
            ASSERT_EQ(loaded->status[static_cast<std::size_t>(n)], 8)
                << "category " << category << " lost pattern " << n;
    }
    EXPECT_EQ(readWholeFile(target).size(), 2 * kSaves);
}

TEST_F(SaveFaultTest, TwoGamesSavingOneCategoryLeaveTheLastSaveWhole) {
    const QString target = path("same.pzs");
    const QByteArray others = otherCategories(4, 200);
    ASSERT_TRUE(writeWholeFile(target, others));
    pid_t games[2];
    for (int g = 0; g < 2; ++g) {
        games[g] = ::fork();
        ASSERT_GE(games[g], 0);
        if (games[g] == 0) {
            auto state = stateOf(4, 1000, g == 0 ? 3 : 12);
            for (int round = 0; round < 100; ++round)
                SaveGame(*state, target);
            ::_exit(0);
        }
    }
    for (const pid_t game : games)
        ::waitpid(game, nullptr, 0);
    const QByteArray now = readWholeFile(target);
    const QByteArray first = mergeProgress(others, *stateOf(4, 1000, 3));
    const QByteArray second = mergeProgress(others, *stateOf(4, 1000, 12));
    EXPECT_TRUE(now == first || now == second) << "mixed or torn: " << now.size() << " bytes";
}
