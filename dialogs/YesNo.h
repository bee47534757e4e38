// SPDX-License-Identifier: GPL-3.0-or-later
// The message dialog: nine short announcement and yes/no pages in one small modal window. The
// caller names a page, the dialog shows it in the current language and closes with a modal
// result. A confirmation goes ahead only on Yes, and nothing but the Yes button gives Yes: Escape
// answers with the page's No button (No on Restart and GiveUp, Cancel on EndGame) or Cancel on an
// OK page, the close box always with Cancel.
//
// The dialog reads the language from the shared game state each time a page is shown (German,
// French for the few pages that have French texts, anything else English), so a language change
// shows at the next page. It is created once and keeps the page last selected; before any page
// was selected that is the last page, Lost.
#pragma once

#include "game/messagepage.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace tangram {

class TYesNoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPageCount = kMessagePageCount;

    // The page images show the icon of `parent`'s window (or the application's). The texts are
    // those of the installed translations, set again at every showing.
    explicit TYesNoDlg(QWidget* parent = nullptr);

    // Selects the page and runs the dialog modally; returns the modal result (also kept in
    // result()). A value that names no page shows the page shown last.
    ModalResult showPage(MessagePage page);

    // The selected page, 1..9.
    int currentPage() const { return m_page; }

    // Name of a page ("won", "restart", ...): the notebook page's object name.
    static QString pageName(MessagePage page);
    static QString pageText(MessagePage page);
    // The captions of the Yes and No buttons.
    static QString yesCaption();
    static QString noCaption();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public Q_SLOTS:
    // The close box and any other dismissal: Cancel, never Yes.
    void reject() override;

private:
    struct Page {
        QLabel* image = nullptr;
        QLabel* text = nullptr;
        QPushButton* yesOrOk = nullptr;
        QPushButton* no = nullptr; // null on the OK pages
        ModalResult noResult = ModalResult::No;
    };

    void buildPage(int page);
    // Sets every page's texts and yes/no captions in the current language.
    void FormActivate();

    QStackedWidget* m_pages = nullptr;
    Page m_pageParts[kPageCount + 1]; // index 0 unused, pages count from 1
    int m_page = kPageCount;
};

} // namespace tangram
