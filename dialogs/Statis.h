// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics dialog: how many patterns of the current category are solved, how much help the
// player needed for them (a sentence and a coloured bar, green for no help through red for given
// up), and the points reached out of 7 per pattern. Everything is recomputed from the status bytes
// each time the dialog is shown, so one instance can be created at start and reused. It only reads
// the shared state. exec() returns QDialog::Accepted when closed with OK.
#pragma once

#include "dialogs/statisticstexts.h"

#include <QDialog>

class QLabel;
class QPainter;
class QPushButton;

namespace tangram {

struct GameState;
class TGauge;

class TStatDlg : public QDialog {
    Q_OBJECT

public:
    explicit TStatDlg(const GameState& state, QWidget* parent = nullptr);

    // Recounts the status bytes and sets the title, the three sentences and both gauges.
    void FormActivate();

    const StatisticsCounts& counts() const { return m_counts; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pieBoxPaint(QPainter& painter);

    const GameState& m_state;
    StatisticsCounts m_counts;
    QLabel* m_l1 = nullptr;
    QLabel* m_l2 = nullptr;
    QLabel* m_l3 = nullptr;
    TGauge* m_g1 = nullptr;
    TGauge* m_g2 = nullptr;
    QWidget* m_pieBox = nullptr;
    QPushButton* m_okBtn = nullptr;
};

} // namespace tangram
