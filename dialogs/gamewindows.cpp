// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/gamewindows.h"

#include "dialogs/HelpViewer.h"
#include "dialogs/Info.h"
#include "dialogs/Select.h"
#include "dialogs/Splasher.h"
#include "dialogs/Statis.h"
#include "dialogs/Tongdlg.h"
#include "dialogs/YesNo.h"
#include "dialogs/pattern.h"
#include "services/windowplacement.h"
#include "ui/Main.h"

namespace tangram {

GameWindows::GameWindows(TMainform& main, SettingsStore& settings)
    : m_main(main), m_splash(new TSplash(&main)),
      m_preview(std::make_unique<TPatForm>(main.state(), settings)),
      m_select(new TSelectDlg(main.state(), &main)), m_stat(new TStatDlg(main.state(), &main)),
      m_yesNo(new TYesNoDlg(&main)), m_info(new TMultiDlg(&main)),
      m_tongue(new TTongueDlg(&main)) {
    main.setDialogs(this);
}

GameWindows::~GameWindows() {
    m_main.setDialogs(nullptr);
}

ModalResult GameWindows::showMessagePage(MessagePage page) {
    return m_yesNo->showPage(page);
}

void GameWindows::showWonPage(const QRect& figure) {
    m_yesNo->adjustSize();
    const QRect main = m_main.geometry();
    m_yesNo->move(wonPagePosition(figure, m_yesNo->frameGeometry().size(), main));
    m_yesNo->showPage(MessagePage::Won);
}

void GameWindows::showSplash() {
    m_splash->exec();
}

std::optional<Language> GameWindows::showLanguageDialog() {
    if (m_tongue->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return m_tongue->chosen();
}

int GameWindows::showSelectDialog() {
    return m_select->exec() == QDialog::Accepted ? m_select->chosen() : 0;
}

void GameWindows::showStatistics() {
    m_stat->exec();
}

void GameWindows::showInfo() {
    m_info->exec();
}

void GameWindows::showPreview(const QRect& mainFrame, const QRect& board) {
    m_preview->showBeside(mainFrame, board);
}

void GameWindows::refreshPreview() {
    m_preview->refresh();
}

void GameWindows::openRules() {
    if (!m_help) {
        m_help = std::make_unique<HelpViewer>();
    }
    m_help->showRules(m_main.state());
}

void GameWindows::closeRules() {
    if (m_help) {
        m_help->close();
    }
}

} // namespace tangram
