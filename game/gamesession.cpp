// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gamesession.h"

#include "data/patternlibrary.h"
#include "data/progressfile.h"
#include "services/settingsstore.h"

#include <QDir>
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
    m_state.progressPath = m_settings.read(SettingKeys::save);
    if (!m_state.progressPath.isEmpty()) {
        loadFrom(m_state.progressPath);
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
    if (m_state.modified) {
        saveByRule();
    }
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
    if (m_state.modified) {
        saveByRule();
    }
    if (loadFrom(path)) {
        setUpPattern();
        m_state.modified = false;
        m_state.progressPath = path;
        m_host.stateChanged();
    }
}

void GameSession::save() {
    saveByRule();
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
    saveByRule();
    m_state.category = category;
    m_state.clearStatusTable();
    const FileResult loaded = LoadPatterns(m_state);
    if (!loaded) {
        // The library vanished while playing: keep the game safe with an empty category.
        m_state.setPatternCount(0);
        m_host.showError(loaded.message);
    }
    if (!m_state.progressPath.isEmpty()) {
        loadFrom(m_state.progressPath);
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

void GameSession::close() {
    if (m_state.modified) {
        saveByRule();
    }
    m_settings.write(SettingKeys::sound, m_soundOn);
    m_settings.write(SettingKeys::level, m_state.level());
    m_settings.write(SettingKeys::group, m_state.category);
    m_settings.write(SettingKeys::tongue, languageSetting(m_state.language));
    m_settings.write(SettingKeys::save, m_state.progressPath);
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

void GameSession::saveByRule() {
    if (!m_state.progressPath.isEmpty()) {
        saveTo(m_state.progressPath);
    } else {
        saveAs();
    }
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
