// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>

using namespace tangram;

namespace {

const QString kCommon = QStringLiteral("common");

class SettingsStoreTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

    // Writes the store's file by hand, as a player editing it would.
    void writeRaw(const QByteArray& contents) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }

    QTemporaryDir m_dir;
};

TEST_F(SettingsStoreTest, MissingValuesGiveTheCallersDefault) {
    const SettingsStore store(path());
    EXPECT_EQ(store.ReadIntSetting(kCommon, "level", 42), 42);
    EXPECT_EQ(store.ReadIntSetting(kCommon, "level", -7), -7);
    EXPECT_TRUE(store.ReadBoolSetting(kCommon, "sound", true));
    EXPECT_FALSE(store.ReadBoolSetting(kCommon, "sound", false));
    EXPECT_EQ(store.ReadTextSetting(kCommon, "save", "fallback"), "fallback");
    EXPECT_EQ(store.ReadTextSetting(kCommon, "save", QString()), QString());
    EXPECT_FALSE(QFile::exists(path())) << "a read must not create the store";
}

TEST_F(SettingsStoreTest, FreshStoreGivesTheGamesDefaults) {
    const SettingsStore store(path());
    EXPECT_EQ(store.read(SettingKeys::tongue), -1);
    EXPECT_TRUE(store.read(SettingKeys::sound));
    EXPECT_EQ(store.read(SettingKeys::level), 1);
    EXPECT_EQ(store.read(SettingKeys::group), 0);
    EXPECT_EQ(store.read(SettingKeys::save), QString());
    EXPECT_EQ(store.read(SettingKeys::pleft), 500);
    EXPECT_EQ(store.read(SettingKeys::ptop), 50);
}

TEST_F(SettingsStoreTest, IntegersRoundTrip) {
    SettingsStore store(path());
    for (int value : {0, 1, -1, 999, INT_MAX, INT_MIN}) {
        ASSERT_TRUE(store.WriteIntSetting(kCommon, "level", value));
        EXPECT_EQ(store.ReadIntSetting(kCommon, "level", 12345), value);
    }
}

TEST_F(SettingsStoreTest, FlagsRoundTrip) {
    SettingsStore store(path());
    ASSERT_TRUE(store.WriteBoolSetting(kCommon, "sound", false));
    EXPECT_FALSE(store.ReadBoolSetting(kCommon, "sound", true));
    ASSERT_TRUE(store.WriteBoolSetting(kCommon, "sound", true));
    EXPECT_TRUE(store.ReadBoolSetting(kCommon, "sound", false));
}

TEST_F(SettingsStoreTest, TextsRoundTripUnchanged) {
    SettingsStore store(path());
    const QString texts[] = {
        QString(),
        QStringLiteral("/home/spieler/Gebäude und Schiffe.pzs"),
        QStringLiteral("C:\\Spiele\\tangram.pzs"),
        QStringLiteral("a,b;c=d"),
        QStringLiteral("@Rect(1 2 3 4)"),
        QStringLiteral("  padded  "),
        QStringLiteral("\"quoted\"\nsecond line"),
    };
    for (const QString& text : texts) {
        ASSERT_TRUE(store.WriteTextSetting(kCommon, "save", text));
        EXPECT_EQ(store.ReadTextSetting(kCommon, "save", "default"), text);
    }
}

TEST_F(SettingsStoreTest, EveryValueIsStoredAsAStringBelowV2AndTheSection) {
    SettingsStore store(path());
    ASSERT_TRUE(store.write(SettingKeys::tongue, -1));
    ASSERT_TRUE(store.write(SettingKeys::sound, true));
    ASSERT_TRUE(store.write(SettingKeys::group, 7));
    ASSERT_TRUE(store.WriteBoolSetting(kCommon, "flag", false));
    ASSERT_TRUE(store.write(SettingKeys::save, QStringLiteral("/tmp/x.pzs")));

    const QSettings raw(path(), QSettings::IniFormat);
    const auto stored = [&raw](const char* key) {
        const QVariant v = raw.value(QStringLiteral("V2/common/") + QLatin1String(key));
        EXPECT_EQ(v.typeId(), QMetaType::QString) << key;
        return v.toString();
    };
    EXPECT_EQ(stored("tongue"), "-1");
    EXPECT_EQ(stored("sound"), "1");
    EXPECT_EQ(stored("group"), "7");
    EXPECT_EQ(stored("flag"), "0");
    EXPECT_EQ(stored("save"), "/tmp/x.pzs");
}

TEST_F(SettingsStoreTest, IntegerTextsThatDoNotParseGiveTheDefault) {
    SettingsStore store(path());
    const char* damaged[] = {"", "abc", "12abc", "1.5", "0x10", "2147483648", "-2147483649", "1 2"};
    for (const char* text : damaged) {
        ASSERT_TRUE(store.WriteTextSetting(kCommon, "level", text));
        EXPECT_EQ(store.ReadIntSetting(kCommon, "level", 77), 77) << text;
    }
    ASSERT_TRUE(store.WriteTextSetting(kCommon, "level", " 12 "));
    EXPECT_EQ(store.ReadIntSetting(kCommon, "level", 77), 12);
    ASSERT_TRUE(store.WriteTextSetting(kCommon, "level", "-3"));
    EXPECT_EQ(store.ReadIntSetting(kCommon, "level", 77), -3);
}

TEST_F(SettingsStoreTest, HandEditedWindowPositionsAreClampedToScreenRange) {
    // The preview window adds its frame to these; INT_MAX would overflow there.
    writeRaw("[V2]\ncommon\\pleft=2147483628\ncommon\\ptop=2147483647\n");
    const SettingsStore store(path());
    EXPECT_EQ(store.read(SettingKeys::pleft), kMaxStoredCoordinate);
    EXPECT_EQ(store.read(SettingKeys::ptop), kMaxStoredCoordinate);
    writeRaw("[V2]\ncommon\\pleft=-2147483648\ncommon\\ptop=-1000001\n");
    EXPECT_EQ(store.read(SettingKeys::pleft), -kMaxStoredCoordinate);
    EXPECT_EQ(store.read(SettingKeys::ptop), -kMaxStoredCoordinate);
    // Ordinary positions, a second monitor left of the first included, read as stored.
    writeRaw("[V2]\ncommon\\pleft=-1800\ncommon\\ptop=1040\ncommon\\level=2147483647\n");
    EXPECT_EQ(store.read(SettingKeys::pleft), -1800);
    EXPECT_EQ(store.read(SettingKeys::ptop), 1040);
    EXPECT_EQ(store.read(SettingKeys::level), 2147483647) << "only positions have a range";
}

TEST_F(SettingsStoreTest, FlagsAreIntegersWhereAnyNonZeroIsTrue) {
    SettingsStore store(path());
    for (const char* text : {"1", "2", "-1"}) {
        ASSERT_TRUE(store.WriteTextSetting(kCommon, "sound", text));
        EXPECT_TRUE(store.ReadBoolSetting(kCommon, "sound", false)) << text;
    }
    ASSERT_TRUE(store.WriteTextSetting(kCommon, "sound", "0"));
    EXPECT_FALSE(store.ReadBoolSetting(kCommon, "sound", true));
    // Not an integer at all: the default, whichever it is.
    for (const char* text : {"true", "yes", ""}) {
        ASSERT_TRUE(store.WriteTextSetting(kCommon, "sound", text));
        EXPECT_TRUE(store.ReadBoolSetting(kCommon, "sound", true)) << text;
        EXPECT_FALSE(store.ReadBoolSetting(kCommon, "sound", false)) << text;
    }
}

TEST_F(SettingsStoreTest, SectionsAreSeparate) {
    SettingsStore store(path());
    ASSERT_TRUE(store.WriteIntSetting(kCommon, "level", 5));
    ASSERT_TRUE(store.WriteIntSetting("other", "level", 9));
    EXPECT_EQ(store.ReadIntSetting(kCommon, "level", 0), 5);
    EXPECT_EQ(store.ReadIntSetting("other", "level", 0), 9);
    EXPECT_EQ(store.ReadIntSetting("third", "level", 0), 0);
}

TEST_F(SettingsStoreTest, NothingIsCachedBetweenStores) {
    SettingsStore writer(path());
    const SettingsStore reader(path());
    EXPECT_EQ(reader.read(SettingKeys::level), 1);
    ASSERT_TRUE(writer.write(SettingKeys::level, 33));
    EXPECT_EQ(reader.read(SettingKeys::level), 33);
    ASSERT_TRUE(writer.write(SettingKeys::level, 34));
    EXPECT_EQ(reader.read(SettingKeys::level), 34);
}

TEST_F(SettingsStoreTest, HandEditedUnquotedCommaTextReadsBackWhole) {
    writeRaw("[V2]\ncommon\\save=/home/a,b.pzs\ncommon\\MainForm=200,0,1,10,20,701,501\n");
    const SettingsStore store(path());
    EXPECT_EQ(store.read(SettingKeys::save), "/home/a,b.pzs");
    const std::optional<WindowPlacement> p = store.readPlacement();
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->normalBounds, QRect(10, 20, 691, 481));
}

TEST_F(SettingsStoreTest, TypedValuesTheGameNeverWritesGiveTheDefault) {
    writeRaw(
        "[V2]\ncommon\\level=@Rect(1 2 3 4)\ncommon\\save=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n");
    const SettingsStore store(path());
    EXPECT_EQ(store.ReadIntSetting(kCommon, "level", 4), 4);
    EXPECT_EQ(store.ReadTextSetting(kCommon, "level", "d"), "d");
    EXPECT_EQ(store.ReadTextSetting(kCommon, "save", "d"), "d");
}

TEST_F(SettingsStoreTest, PlacementRecordRoundTripsAndDamageReadsAsNone) {
    SettingsStore store(path());
    EXPECT_FALSE(store.readPlacement().has_value());
    const WindowPlacement placement =
        WindowPlacement::fromWindow(QRect(40, 60, 800, 600), Qt::WindowMaximized);
    ASSERT_TRUE(store.writePlacement(placement));
    EXPECT_EQ(store.ReadTextSetting(kCommon, "MainForm", QString()), "200,0,3,40,60,840,660");
    EXPECT_EQ(store.readPlacement(), placement);

    ASSERT_TRUE(store.WriteTextSetting(kCommon, "MainForm", "200,0,1,40,60,840"));
    EXPECT_FALSE(store.readPlacement().has_value());
}

TEST_F(SettingsStoreTest, WriteToAnUnwritablePlaceReportsFailure) {
    // A folder cannot be created below a plain file.
    QFile blocker(m_dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store(m_dir.filePath("blocker/settings.ini"));
    EXPECT_FALSE(store.WriteIntSetting(kCommon, "level", 3));
    EXPECT_EQ(store.ReadIntSetting(kCommon, "level", 8), 8);
}

TEST(SettingsStoreNative, PlayerStoreIsWimboGamesWimboTangramBelowTheConfigFolder) {
    // main() points XDG_CONFIG_HOME at a temporary folder.
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(configHome.isEmpty());
    SettingsStore store;
    EXPECT_EQ(QDir::cleanPath(store.location()),
              QDir::cleanPath(configHome + "/WimboGames/WimboTangram.conf"));
    ASSERT_TRUE(store.write(SettingKeys::tongue, 1));
    EXPECT_EQ(SettingsStore().read(SettingKeys::tongue), 1);
    EXPECT_TRUE(QFile::exists(store.location()));
}

} // namespace
