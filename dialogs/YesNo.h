// SPDX-License-Identifier: GPL-3.0-or-later
// The message dialog: nine short announcement and yes/no pages in one small modal window. The
// caller names a page by number, the dialog shows it in the current language and closes with a
// modal result: 1 OK, 2 cancel, 6 yes, 7 no. A confirmation goes ahead only on 6, and nothing but
// the Yes button gives 6: Escape answers with the page's No button (7 on pages 2 and 4, 2 on page
// 3) or 2 on an OK page, the close box always with 2.
//
// The dialog reads the language from the shared game state each time a page is shown (1 German,
// 2 French, anything else English), so a language change shows at the next page. It is created
// once and keeps the page last selected; before any page was selected that is page 9.
#pragma once

#include "data/gamestate.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace tangram {

class TYesNoDlg : public QDialog {
    Q_OBJECT
public:
    // Modal results shared by all dialogs of the game.
    enum ModalResult { mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };
    static constexpr int kPageCount = 9;

    // `state` must outlive the dialog; only its language is read. The page images show the icon of
    // `parent`'s window (or the application's).
    explicit TYesNoDlg(const GameState& state, QWidget* parent = nullptr);

    // Selects page 1..9 and runs the dialog modally; returns the modal result (also kept in
    // result()). A number outside 1..9 shows the page shown last.
    int showPage(int page);

    // The selected page, 1..9.
    int currentPage() const { return m_page; }

    // Name of page 1..9 ("won", "restart", ...): the notebook page's object name.
    static QString pageName(int page);
    // The text of page 1..9 for a language value.
    static QString pageText(int page, int language);
    // The captions of the Yes and No buttons for a language value.
    static QString yesCaption(int language);
    static QString noCaption(int language);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public slots:
    // The close box and any other dismissal: cancel (2), never yes.
    void reject() override;

private:
    struct Page {
        QLabel* image = nullptr;
        QLabel* text = nullptr;
        QPushButton* yesOrOk = nullptr;
        QPushButton* no = nullptr; // null on the OK pages
        int noResult = mrNo;
    };

    void buildPage(int page);
    // Sets every page's texts and yes/no captions from the current language.
    void FormActivate();

    const GameState& m_state;
    QStackedWidget* m_pages = nullptr;
    Page m_pageParts[kPageCount + 1]; // index 0 unused, pages count from 1
    int m_page = kPageCount;
};

} // namespace tangram
