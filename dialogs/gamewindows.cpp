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
      m_preview(std::make_unique<TPatForm>(main.state(), settings)) {
    main.setDialogs(this);
}

// The dialogs are made when first shown: most of them are never needed in a game, and each one
// costs memory and start-up time for its fonts and pictures. They live on, children of the main
// window, and keep what they showed last.
TSelectDlg& GameWindows::select() {
    if (!m_select)
        m_select = new TSelectDlg(m_main.state(), &m_main);
    return *m_select;
}

TStatDlg& GameWindows::statistics() {
    if (!m_stat)
        m_stat = new TStatDlg(m_main.state(), &m_main);
    return *m_stat;
}

TYesNoDlg& GameWindows::yesNo() {
    if (!m_yesNo)
        m_yesNo = new TYesNoDlg(&m_main);
    return *m_yesNo;
}

TMultiDlg& GameWindows::info() {
    if (!m_info)
        m_info = new TMultiDlg(&m_main);
    return *m_info;
}

TTongueDlg& GameWindows::tongue() {
    if (!m_tongue)
        m_tongue = new TTongueDlg(&m_main);
    return *m_tongue;
}

GameWindows::~GameWindows() {
    m_main.setDialogs(nullptr);
}

ModalResult GameWindows::showMessagePage(MessagePage page) {
    return yesNo().showPage(page);
}

void GameWindows::showWonPage(const QRect& figure) {
    TYesNoDlg& page = yesNo();
    page.adjustSize();
    page.move(wonPagePosition(figure, page.frameGeometry().size(), m_main.geometry()));
    page.showPage(MessagePage::Won);
}

void GameWindows::showSplash() {
    m_splash->exec();
}

std::optional<Language> GameWindows::showLanguageDialog() {
    if (tongue().exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return tongue().chosen();
}

int GameWindows::showSelectDialog() {
    return select().exec() == QDialog::Accepted ? select().chosen() : 0;
}

void GameWindows::showStatistics() {
    statistics().exec();
}

void GameWindows::showInfo() {
    info().exec();
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
