// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window: the title picture, without border or title bar, on top of every other window
// and centred on the screen, shown modally at the main window's first activation. A click on it
// closes it, and so does its timer, which runs from the window's creation: the splash stays for
// what remains of the interval when it is shown, or until clicked.
//
// Should the interval already be over when the splash is shown (a slow start), it is not shown at
// all, instead of staying until clicked.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace tangram {

class TSplash : public QDialog {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 3000;

    // `intervalMs` exists for the tests, which cannot wait three seconds each time.
    explicit TSplash(QWidget* parent = nullptr, int intervalMs = kIntervalMs);

    // Shows the splash modally and returns once it is closed (at once if its time is over).
    int exec() override;

    QTimer* Timer1() const { return m_timer; }
    QLabel* Image1() const { return m_image; }

public Q_SLOTS:
    // Closes the splash: a click on the window or its picture, or the timer's tick.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_image = nullptr;
    QTimer* m_timer = nullptr;
    bool m_timeIsUp = false;
};

} // namespace tangram
