// SPDX-License-Identifier: GPL-3.0-or-later
// A save whose data cannot be written must leave the previous progress file exactly as it was.
// Permission bits do not stop root, so the write is made to fail through the file size limit,
// which holds for every user: the new file may not grow past a few bytes.
#include "data/progressfile.h"
#include "data_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>

using namespace tangram;
using namespace tangram::testing;

namespace {

// Lowers the soft file size limit for its lifetime; writes beyond it fail with EFBIG instead of
// raising SIGXFSZ, which is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

} // namespace

TEST(AtomicSave, FailedWriteKeepsTheOldFileByteForByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath("game.pzs");
    const QByteArray old = bytes({0x11, 0x2A, 0x4F, 0x03, 0x7C});
    ASSERT_TRUE(writeWholeFile(target, old));

    auto state = std::make_unique<GameState>();
    state->category = 0;
    state->setPatternCount(1000);
    state->status.fill(9);
    state->language = Language::English;
    FileResult result;
    {
        FileSizeLimit limit(64);
        ASSERT_TRUE(limit.active());
        result = SaveGame(*state, target);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Cannot save game game.pzs. Drive full or not writable.");
    EXPECT_EQ(readWholeFile(target), old);
    // No temporary file is left behind beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"game.pzs"});

    // Once space is there again, the same save goes through.
    ASSERT_TRUE(SaveGame(*state, target).ok);
    EXPECT_EQ(readWholeFile(target).size(), 4 + 1000);
}
