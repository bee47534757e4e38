// SPDX-License-Identifier: GPL-3.0-or-later
// The settings as read from a hand-edited settings file: the input is written as the store's INI
// file and every setting of the game is read from it. Each read must give a value its users
// accept, and reading must leave the file as it was.
#include "fuzz_support.h"
#include "services/settingsstore.h"

#include <QFile>
#include <QTemporaryDir>

using namespace tangram;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("WimboTangram.ini"));
    const QByteArray contents(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(contents) == contents.size());
    }
    const SettingsStore store(path);
    for (const IntSetting setting : {SettingKeys::pleft, SettingKeys::ptop}) {
        const int value = store.read(setting);
        FUZZ_CHECK(value >= -kMaxStoredCoordinate && value <= kMaxStoredCoordinate);
    }
    for (const IntSetting setting :
         {SettingKeys::tongue, SettingKeys::level, SettingKeys::group, SettingKeys::wid,
          SettingKeys::hig}) {
        const int value = store.read(setting);
        FUZZ_CHECK(value >= setting.minValue && value <= setting.maxValue);
    }
    (void)store.read(SettingKeys::sound);
    const QString save = store.read(SettingKeys::save);
    FUZZ_CHECK(save.size() <= contents.size());
    if (const std::optional<WindowPlacement> placement = store.readPlacement()) {
        const QRect& b = placement->normalBounds;
        FUZZ_CHECK(b.width() > 0 && b.height() > 0);
        FUZZ_CHECK(parsePlacementRecord(formatPlacementRecord(*placement)) == placement);
    }
    QFile after(path);
    FUZZ_CHECK(after.open(QIODevice::ReadOnly));
    FUZZ_CHECK(after.readAll() == contents);
    return 0;
}
