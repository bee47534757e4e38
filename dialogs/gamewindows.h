// SPDX-License-Identifier: GPL-3.0-or-later
// The game's other windows: the splash and the preview are created right after the main window's
// first frame, the dialogs when first shown; all live until the program ends.
// Implements what the main window asks of them.
#pragma once

#include "ui/gamedialogs.h"

#include <memory>

namespace tangram {

class TMainform;
class SettingsStore;
class TSplash;
class TPatForm;
class TSelectDlg;
class TStatDlg;
class TYesNoDlg;
class TMultiDlg;
class TTongueDlg;
class HelpViewer;

class GameWindows : public GameDialogs {
public:
    GameWindows(TMainform& main, SettingsStore& settings);
    ~GameWindows() override;

    ModalResult showMessagePage(MessagePage page) override;
    void showWonPage(const QRect& figure) override;
    void showSplash() override;
    std::optional<Language> showLanguageDialog() override;
    int showSelectDialog() override;
    void showStatistics() override;
    void showInfo() override;
    void showPreview(const QRect& mainFrame, const QRect& board) override;
    void refreshPreview() override;
    void openRules() override;
    void closeRules() override;

private:
    TSelectDlg& select();
    TStatDlg& statistics();
    TYesNoDlg& yesNo();
    TMultiDlg& info();
    TTongueDlg& tongue();

    TMainform& m_main;
    TSplash* m_splash;
    std::unique_ptr<TPatForm> m_preview; // a top-level window of its own
    TSelectDlg* m_select = nullptr; // the dialogs: made when first shown, owned by the main window
    TStatDlg* m_stat = nullptr;
    TYesNoDlg* m_yesNo = nullptr;
    TMultiDlg* m_info = nullptr;
    TTongueDlg* m_tongue = nullptr;
    std::unique_ptr<HelpViewer> m_help;
};

} // namespace tangram
