// SPDX-License-Identifier: GPL-3.0-or-later
// The info dialog: the program's name and version down the left side, the credits and the licence
// beside them, and an OK button (modal result 1). Its title and credits follow the installed
// translations each time it is shown: "Info about...", in German "Info über...".
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tangram {

class TMultiDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMultiDlg(QWidget* parent = nullptr);

    static QString title();
    static QString credits();

    // Showing sets the title and credits first, so that the dialog is laid out for their length.
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Sets the title and the credits in the current language.
    void FormActivate();

    QLabel* m_credits = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace tangram
