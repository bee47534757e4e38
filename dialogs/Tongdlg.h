// SPDX-License-Identifier: GPL-3.0-or-later
// The language dialog: two buttons, English and German, each with its flags. Either button
// chooses that language (chosen()) and closes the dialog with Ok. The close box or Escape closes
// it with Cancel and chooses nothing, so at the first start the language stays unchosen and the
// dialog comes again at the next start. The caller passes the choice to the game session.
#pragma once

#include "data/language.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tangram {

class TTongueDlg : public QDialog {
    Q_OBJECT
public:
    // Image4 shows the icon of `parent`'s window (or the application's).
    explicit TTongueDlg(QWidget* parent = nullptr);

    // The language the last show chose; NotChosen when it was closed without a choice.
    Language chosen() const { return m_chosen; }

    QPushButton* EnglishBtn() const { return m_english; }
    QPushButton* GermanBtn() const { return m_german; }

public Q_SLOTS:
    void EnglishBtnClick();
    void GermanBtnClick();
    // The close box and Escape: Cancel, nothing chosen.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();

    Language m_chosen = Language::NotChosen;
    QLabel* m_image = nullptr;
    QPushButton* m_english = nullptr;
    QPushButton* m_german = nullptr;
};

} // namespace tangram
