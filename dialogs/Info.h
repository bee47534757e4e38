// SPDX-License-Identifier: GPL-3.0-or-later
// The info dialog: the program's name and version down the left side, the credits and the licence
// beside them, and an OK button (modal result 1). Its title and credits follow the language value
// each time it is shown: "Info über..." in German (language 1), "Info about..." otherwise.
#pragma once

#include "data/gamestate.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tangram {

class TMultiDlg : public QDialog {
    Q_OBJECT
public:
    // `state` must outlive the dialog; only its language is read.
    explicit TMultiDlg(const GameState& state, QWidget* parent = nullptr);

    static QString title(Language language);
    static QString credits(Language language);

    // Showing sets the title and credits first, so that the dialog is laid out for their length.
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Sets the title and the credits from the current language.
    void FormActivate();

    const GameState& m_state;
    QLabel* m_credits = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace tangram
