// SPDX-License-Identifier: GPL-3.0-or-later
// The pattern selection dialog: the patterns of the current category as thumbnails, nine at a time
// in a 3 x 3 grid, each with its number and a progress marker; the scroll bar's position is the
// number of the top-left thumbnail. A click on a thumbnail chooses that pattern (chosen()) and ends
// exec() with QDialog::Accepted; Cancel, Escape and the close box end it with QDialog::Rejected
// and choose nothing.
//
// The dialog reads the patterns, the status, the level and the language of the shared state and
// writes nothing; the game session takes the choice. It can be created once and shown again and again: every show rebuilds
// texts and scroll range from the state as it is then.
//
// Few patterns: the scroll range is 1 .. pattern count - 8, which is empty for fewer than nine
// patterns. Then the dialog stays at position 1 with the scroll bar disabled, cells beyond the
// last pattern stay empty, and clicks on them are ignored, so the chosen level never exceeds the
// pattern count. A category without patterns shows nine empty cells and can only be cancelled.
#pragma once

#include <QDialog>
#include <QImage>

class QPainter;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace tangram {

class GameState;

class TSelectDlg : public QDialog {
    Q_OBJECT

public:
    explicit TSelectDlg(const GameState& state, QWidget* parent = nullptr);

    // Geometry of the thumbnail grid inside `box`.
    static constexpr int kCellWidth = 120;
    static constexpr int kCellHeight = 95;
    static constexpr int kCellStepX = 130;
    static constexpr int kCellStepY = 105;
    static constexpr int kNumberBand = 15; // the number and the marker sit above the picture

    // Number of the top-left thumbnail.
    int position() const;
    // Pattern shown in cell b (0..8), or 0 when that cell is empty.
    int patternInCell(int cell) const;
    // The pattern the last show chose, 0 when none.
    int chosen() const { return m_chosen; }

    void FormActivate();
    void PrevBtnClick();
    void NextBtnClick();
    // (x, y) in `box` coordinates. Chooses the pattern under the point, if there is one there.
    void boxMouseDown(int x, int y);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ScrollChange();
    void boxPaint(QPainter& painter);
    void paintCell(QPainter& painter, int cell, int pattern);
    int patternCount() const;
    bool isDone(int pattern) const;

    const GameState& m_state;
    int m_chosen = 0;
    QImage m_markers; // the strip `sm`
    QWidget* m_box = nullptr;
    QScrollBar* m_scroll = nullptr;
    QToolButton* m_prevBtn = nullptr;
    QToolButton* m_nextBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
};

} // namespace tangram
