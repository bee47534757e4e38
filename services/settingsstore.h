// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store. Values live in QSettings below the groups "V2/<section>"; every
// value is stored as a string: integers in decimal, flags as "0" or "1", texts as they are.
//
// Nothing is cached: every read and every write opens the store, does its one thing and closes it
// again, so a value written is on disk when the write returns and a read sees what is there now.
//
// A read never fails: a missing value, a value that does not parse as the asked-for type, or a
// value of a kind the game never writes gives the caller's default. (A hand-edited text holding an
// unquoted comma reads back as a list in QSettings' INI syntax; it is joined with "," again.)
// A store file that is a FIFO, device or socket is never opened: reads give the defaults and writes
// fail. A write reports whether the store accepted it; the game writes only at close, where a
// failure has no better answer than to carry on.
#pragma once

#include "services/settingskeys.h"
#include "services/windowplacement.h"

#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace tangram {

class SettingsStore {
public:
    // The player's own store: QSettings' native format, organisation "WimboGames", application
    // "WimboTangram".
    SettingsStore();
    // A store kept in the given INI file (tests point this at a temporary folder).
    explicit SettingsStore(const QString& filePath);

    // Decimal integer in -2147483648..2147483647; spaces around it are allowed.
    int ReadIntSetting(const QString& section, const QString& name, int defaultValue) const;
    // An integer read with default 1 or 0: any non-zero integer is true, anything else that is not
    // an integer gives the default.
    bool ReadBoolSetting(const QString& section, const QString& name, bool defaultValue) const;
    QString ReadTextSetting(const QString& section, const QString& name,
                            const QString& defaultValue) const;

    bool WriteIntSetting(const QString& section, const QString& name, int value);
    bool WriteBoolSetting(const QString& section, const QString& name, bool value);
    bool WriteTextSetting(const QString& section, const QString& name, const QString& value);

    // The game's own settings, in section "common" with the defaults of SettingKeys; integers are
    // clamped to their setting's range.
    int read(IntSetting setting) const;
    bool read(BoolSetting setting) const;
    QString read(TextSetting setting) const;
    bool write(IntSetting setting, int value);
    bool write(BoolSetting setting, bool value);
    bool write(TextSetting setting, const QString& value);

    // The main window's placement record; nothing when it is missing or not a valid record.
    std::optional<WindowPlacement> readPlacement() const;
    bool writePlacement(const WindowPlacement& placement);

    // Where the values are kept (a file path on Linux).
    QString location() const;

private:
    // Nothing when a file of the store is no regular file or folder.
    std::unique_ptr<QSettings> open() const;
    std::optional<QString> readString(const QString& section, const QString& name) const;
    bool writeString(const QString& section, const QString& name, const QString& value);

    QString m_filePath; // empty: the player's own store
};

} // namespace tangram
