// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/settingsstore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <algorithm>

namespace tangram {

namespace {

// The version level of the stored layout; a future incompatible layout gets a new level and leaves
// this one alone.
const QString kVersionGroup = QStringLiteral("V2");

QString keyPath(const QString& section, const QString& name) {
    return kVersionGroup + u'/' + section + u'/' + name;
}

// The files QSettings reads for the player's own store: the application's and, as its fallback, the
// organisation's.
QStringList nativeStoreFiles() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return {folder + QStringLiteral("/WimboGames/WimboTangram.conf"),
            folder + QStringLiteral("/WimboGames.conf")};
}

// QSettings reads its files when it is created and would wait for ever on a FIFO; a device or
// socket is no settings file either.
bool isSpecialFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

std::optional<int> parseInt(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(const QString& filePath) : m_filePath(filePath) {}

std::unique_ptr<QSettings> SettingsStore::open() const {
    const QStringList files = m_filePath.isEmpty() ? nativeStoreFiles() : QStringList{m_filePath};
    if (std::any_of(files.begin(), files.end(), isSpecialFile))
        return nullptr;
    if (m_filePath.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("WimboGames"),
                                           QStringLiteral("WimboTangram"));
    return std::make_unique<QSettings>(m_filePath, QSettings::IniFormat);
}

std::optional<QString> SettingsStore::readString(const QString& section,
                                                 const QString& name) const {
    const std::unique_ptr<QSettings> settings = open();
    if (!settings)
        return std::nullopt;
    const QVariant value = settings->value(keyPath(section, name));
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList:
        return value.toStringList().join(u',');
    default:
        // Missing, or a typed value (such as "@Rect(...)") that this game never writes.
        return std::nullopt;
    }
}

bool SettingsStore::writeString(const QString& section, const QString& name, const QString& value) {
    const std::unique_ptr<QSettings> settings = open();
    if (!settings || !settings->isWritable())
        return false;
    settings->setValue(keyPath(section, name), value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

int SettingsStore::ReadIntSetting(const QString& section, const QString& name,
                                  int defaultValue) const {
    const std::optional<QString> text = readString(section, name);
    if (!text)
        return defaultValue;
    return parseInt(*text).value_or(defaultValue);
}

bool SettingsStore::ReadBoolSetting(const QString& section, const QString& name,
                                    bool defaultValue) const {
    return ReadIntSetting(section, name, defaultValue ? 1 : 0) != 0;
}

QString SettingsStore::ReadTextSetting(const QString& section, const QString& name,
                                       const QString& defaultValue) const {
    return readString(section, name).value_or(defaultValue);
}

bool SettingsStore::WriteIntSetting(const QString& section, const QString& name, int value) {
    return writeString(section, name, QString::number(value));
}

bool SettingsStore::WriteBoolSetting(const QString& section, const QString& name, bool value) {
    return writeString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool SettingsStore::WriteTextSetting(const QString& section, const QString& name,
                                     const QString& value) {
    return writeString(section, name, value);
}

int SettingsStore::read(IntSetting setting) const {
    return std::clamp(ReadIntSetting(QString::fromLatin1(SettingKeys::section),
                                     QString::fromLatin1(setting.key), setting.defaultValue),
                      setting.minValue, setting.maxValue);
}

bool SettingsStore::read(BoolSetting setting) const {
    return ReadBoolSetting(QString::fromLatin1(SettingKeys::section),
                           QString::fromLatin1(setting.key), setting.defaultValue);
}

QString SettingsStore::read(TextSetting setting) const {
    return ReadTextSetting(QString::fromLatin1(SettingKeys::section),
                           QString::fromLatin1(setting.key), QString());
}

bool SettingsStore::write(IntSetting setting, int value) {
    return WriteIntSetting(QString::fromLatin1(SettingKeys::section),
                           QString::fromLatin1(setting.key), value);
}

bool SettingsStore::write(BoolSetting setting, bool value) {
    return WriteBoolSetting(QString::fromLatin1(SettingKeys::section),
                            QString::fromLatin1(setting.key), value);
}

bool SettingsStore::write(TextSetting setting, const QString& value) {
    return WriteTextSetting(QString::fromLatin1(SettingKeys::section),
                            QString::fromLatin1(setting.key), value);
}

std::optional<WindowPlacement> SettingsStore::readPlacement() const {
    const QString text = ReadTextSetting(QString::fromLatin1(SettingKeys::section),
                                         QString::fromLatin1(SettingKeys::mainForm), QString());
    return parsePlacementRecord(text);
}

bool SettingsStore::writePlacement(const WindowPlacement& placement) {
    return WriteTextSetting(QString::fromLatin1(SettingKeys::section),
                            QString::fromLatin1(SettingKeys::mainForm),
                            formatPlacementRecord(placement));
}

QString SettingsStore::location() const {
    if (const std::unique_ptr<QSettings> settings = open())
        return settings->fileName();
    return m_filePath.isEmpty() ? nativeStoreFiles().constFirst() : m_filePath;
}

} // namespace tangram
