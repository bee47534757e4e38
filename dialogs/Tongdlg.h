// SPDX-License-Identifier: GPL-3.0-or-later
// The language dialog: two buttons, English and German, each with its flags. Either button sets
// the shared language value (0 English, 1 German) and closes the dialog with modal result 1. The
// close box or Escape closes it with 2 and leaves the value as it was, so at the first start it
// stays -1 and the dialog comes again at the next start. The caller refreshes its texts after.
//
// This dialog writes the language value of the game state and nothing else.
#pragma once

#include "data/gamestate.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tangram {

class TTongueDlg : public QDialog {
    Q_OBJECT
public:
    // `state` must outlive the dialog. Image4 shows the icon of `parent`'s window (or the
    // application's).
    explicit TTongueDlg(GameState& state, QWidget* parent = nullptr);

    QPushButton* EnglishBtn() const { return m_english; }
    QPushButton* GermanBtn() const { return m_german; }

public slots:
    void EnglishBtnClick();
    void GermanBtnClick();
    // The close box and Escape: cancel (2), the language stays.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();

    GameState& m_state;
    QLabel* m_image = nullptr;
    QPushButton* m_english = nullptr;
    QPushButton* m_german = nullptr;
};

} // namespace tangram
