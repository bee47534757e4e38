// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store at start with a damaged, foreign or special file: every read gives a usable
// value at once, and nothing the player had is changed by reading.
#include "services/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

using namespace tangram;

namespace {

class DamagedSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    QByteArray contents() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QByteArray& data) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(data), data.size());
    }
    // The settings with a range, and the placement record, are inside what their users accept.
    static void expectUsable(const SettingsStore& store) {
        EXPECT_GE(store.read(SettingKeys::pleft), -kMaxStoredCoordinate);
        EXPECT_LE(store.read(SettingKeys::pleft), kMaxStoredCoordinate);
        EXPECT_GE(store.read(SettingKeys::ptop), -kMaxStoredCoordinate);
        EXPECT_LE(store.read(SettingKeys::ptop), kMaxStoredCoordinate);
        if (const std::optional<WindowPlacement> p = store.readPlacement()) {
            EXPECT_GT(p->normalBounds.width(), 0);
            EXPECT_GT(p->normalBounds.height(), 0);
        }
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(DamagedSettingsTest, AFifoAsSettingsFileGivesTheDefaultsAtOnce) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0644), 0);
    SettingsStore store(path());
    // Before, the first read waited for a writer for ever.
    EXPECT_EQ(store.read(SettingKeys::tongue), -1);
    EXPECT_EQ(store.read(SettingKeys::level), 1);
    EXPECT_FALSE(store.readPlacement().has_value());
    EXPECT_FALSE(store.write(SettingKeys::level, 4));
    EXPECT_EQ(store.location(), path());
}

TEST_F(DamagedSettingsTest, AFolderOrADeviceAsSettingsFileGivesTheDefaults) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("settings.ini"));
    SettingsStore folder(path());
    EXPECT_EQ(folder.read(SettingKeys::pleft), 500);
    EXPECT_FALSE(folder.write(SettingKeys::pleft, 3));
    EXPECT_TRUE(QFileInfo(path()).isDir());

    const QString zero = m_dir.filePath("zero.ini");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    SettingsStore device(zero);
    EXPECT_EQ(device.read(SettingKeys::group), 0);
    EXPECT_FALSE(device.write(SettingKeys::group, 3));
}

TEST_F(DamagedSettingsTest, RandomAndTruncatedFilesReadAsUsableValuesAndStayUnchanged) {
    const QByteArray good = "[V2]\ncommon\\tongue=1\ncommon\\level=17\ncommon\\pleft=120\n"
                            "common\\MainForm=\"200,0,1,10,20,700,500\"\n";
    std::mt19937 random(16);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 60; ++round) {
        QByteArray damaged = good.left(round % good.size());
        for (int i = 0; i < round * 7; ++i)
            damaged.append(static_cast<char>(byte(random)));
        write(damaged);
        const SettingsStore store(path());
        expectUsable(store);
        EXPECT_EQ(contents(), damaged) << "reading must not rewrite the file, round " << round;
    }
    write(good);
    const SettingsStore store(path());
    EXPECT_EQ(store.read(SettingKeys::level), 17);
    EXPECT_EQ(store.readPlacement()->normalBounds, QRect(10, 20, 690, 480));
}
