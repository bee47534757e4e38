// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gamesession.h"

#include "data/patternlibrary.h"
#include "data/progressfile.h"
#include "data/texts.h"
#include "services/settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace tangram {

GameSession::GameSession(SettingsStore& settings, BoardCanvas& canvas, GameHost& host)
    : m_settings(settings), m_host(host), m_puzzle(canvas, *this) {}

bool GameSession::start(const QString& programDir) {
    m_state.programDir = programDir;
    if (!m_state.programDir.endsWith('/')) {
        m_state.programDir += '/';
    }
    m_state.language = languageFromSetting(m_settings.read(SettingKeys::tongue));
    m_host.languageChanged(m_state.language);
    m_soundOn = m_settings.read(SettingKeys::sound);
    m_state.category = std::clamp(m_settings.read(SettingKeys::group), 0, kCategoryCount - 1);
    // The level is clamped once the category's patterns are known.
    const int storedLevel = m_settings.read(SettingKeys::level);
    const FileResult loaded = LoadPatterns(m_state);
    if (!loaded) {
        m_libraryError = loaded.message;
        return false;
    }
    m_state.setLevel(storedLevel);
    m_state.clearStatusTable();
    if (m_defaultProgressFile.isEmpty()) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        m_defaultProgressFile = (data.isEmpty() ? QDir::homePath() : data) + "/progress.pzs";
    }
    m_state.progressPath = m_settings.read(SettingKeys::save);
    if (!m_state.progressPath.isEmpty()) {
        loadFrom(m_state.progressPath);
    } else if (QFileInfo::exists(m_defaultProgressFile)) {
        loadFrom(m_defaultProgressFile);
    }
    m_state.modified = false;
    setUpPattern();
    m_host.stateChanged();
    return true;
}

// ---------------------------------------------------------------- commands

void GameSession::newGame() {
    if (m_host.askPage(MessagePage::GiveUp) != ModalResult::Yes) {
        return;
    }
    if (!keepProgressBefore()) {
        return;
    }
    setAsideDefaultProgressFile();
    m_state.clearStatusTable();
    setUpPattern();
    m_state.modified = false;
    m_state.progressPath.clear();
    m_host.stateChanged();
}

void GameSession::load() {
    const QString folder = m_state.progressPath.isEmpty()
                               ? initialSaveFolder()
                               : QFileInfo(m_state.progressPath).absolutePath();
    const QString path = m_host.askOpenPath(folder);
    if (path.isEmpty()) {
        return;
    }
    if (!keepProgressBefore()) {
        return;
    }
    if (loadFrom(path)) {
        setUpPattern();
        m_state.modified = false;
        m_state.progressPath = path;
        m_host.stateChanged();
    }
}

void GameSession::save() {
    if (m_state.progressPath.isEmpty()) {
        saveAs();
    } else {
        saveTo(m_state.progressPath);
    }
}

void GameSession::saveAs() {
    const bool chosen = !m_state.progressPath.isEmpty();
    const QString path =
        m_host.askSavePath(chosen ? QFileInfo(m_state.progressPath).absolutePath()
                                  : initialSaveFolder(),
                           m_state.progressPath);
    if (path.isEmpty()) {
        return;
    }
    if (saveTo(path)) {
        m_state.modified = false;
        m_state.progressPath = path;
        m_host.stateChanged();
    }
}

void GameSession::changeCategory(int category) {
    if (category == m_state.category || category < 0 || category >= kCategoryCount) {
        return;
    }
    if (!keepProgressBefore()) {
        m_host.stateChanged(); // the category button goes back to the category played
        return;
    }
    m_state.category = category;
    m_state.clearStatusTable();
    const FileResult loaded = LoadPatterns(m_state);
    if (!loaded) {
        // The library vanished while playing: keep the game safe with an empty category.
        m_state.setPatternCount(0);
        m_host.showError(loaded.message);
    }
    const QString progress = progressFileForSaving();
    if (!m_state.progressPath.isEmpty() || QFileInfo::exists(progress)) {
        loadFrom(progress);
    }
    m_state.modified = false;
    setUpPattern();
    m_host.stateChanged();
}

void GameSession::next() {
    chooseLevel(m_state.level() + 1);
}

void GameSession::previous() {
    chooseLevel(m_state.level() - 1);
}

void GameSession::chooseLevel(int level) {
    m_state.setLevel(level);
    setUpPattern();
    m_host.stateChanged();
}

void GameSession::help() {
    if (m_state.patternCount() > 0) {
        m_puzzle.TipBtnClick();
        m_host.stateChanged();
    }
}

void GameSession::setLanguage(Language language) {
    m_state.language = language;
    m_host.languageChanged(language);
    m_host.stateChanged();
}

bool GameSession::confirmClose() {
    return m_host.askPage(MessagePage::EndGame) == ModalResult::Yes;
}

bool GameSession::close() {
    if (!keepProgressBefore()) {
        return false;
    }
    bool written = m_settings.write(SettingKeys::sound, m_soundOn);
    written = m_settings.write(SettingKeys::level, m_state.level()) && written;
    written = m_settings.write(SettingKeys::group, m_state.category) && written;
    written = m_settings.write(SettingKeys::tongue, languageSetting(m_state.language)) && written;
    written = m_settings.write(SettingKeys::save, m_state.progressPath) && written;
    if (!written) {
        // Said once: the window's own settings that follow would fail the same way.
        m_host.showError(settingsNotSavedMessage(m_settings.location()));
    }
    return true;
}

// ---------------------------------------------------------------- helpers

QString GameSession::initialSaveFolder() const {
    // The program folder, as long as the player may write there; an installed game lives in a
    // system folder, so the documents folder serves instead.
    const QFileInfo folder(m_state.programDir);
    if (folder.isDir() && folder.isWritable()) {
        return m_state.programDir;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void GameSession::setUpPattern() {
    m_puzzle.SetUpPattern(m_state.currentPattern(), m_state.currentStatus(), m_state.modified);
}

bool GameSession::saveTo(const QString& path) {
    const FileResult result = SaveGame(m_state, path);
    if (!result) {
        m_host.showError(result.message);
    }
    return result.ok;
}

bool GameSession::loadFrom(const QString& path) {
    const FileResult result = LoadGame(m_state, path);
    if (!result) {
        m_host.showError(result.message);
    }
    return result.ok;
}

QString GameSession::progressFileForSaving() const {
    return m_state.progressPath.isEmpty() ? m_defaultProgressFile : m_state.progressPath;
}

bool GameSession::keepProgressBefore() {
    if (!m_state.modified) {
        return true;
    }
    const QString path = progressFileForSaving();
    if (m_state.progressPath.isEmpty()) {
        QDir().mkpath(QFileInfo(path).absolutePath());
    }
    const FileResult result = SaveGame(m_state, path);
    if (result) {
        m_state.modified = false;
        return true;
    }
    return m_host.askContinueWithoutSaving(result.message);
}

void GameSession::setAsideDefaultProgressFile() {
    if (!QFileInfo::exists(m_defaultProgressFile)) {
        return;
    }
    const QFileInfo file(m_defaultProgressFile);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = file.absolutePath() + '/' + file.completeBaseName() + '-' + stamp + ".pzs";
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = file.absolutePath() + '/' + file.completeBaseName() + '-' + stamp + '-' +
                QString::number(n) + ".pzs";
    }
    // If it cannot be moved the new game goes on; its saves merge into the old file, which keeps
    // the other categories' progress rather than losing it.
    QFile::rename(m_defaultProgressFile, aside);
}

// ---------------------------------------------------------------- puzzle events

void GameSession::PlaySoundEffect(SoundEffect sound) {
    m_host.playSound(sound);
}

void GameSession::ShowWonPage() {
    m_host.figureSolved();
}

void GameSession::StatusChanged() {
    m_host.stateChanged();
}

void GameSession::SetHelpEnabled(bool enabled) {
    // An empty category has nothing to reveal.
    m_helpEnabled = enabled && m_state.patternCount() > 0;
}

} // namespace tangram
