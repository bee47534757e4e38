// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's opening animation: 40 outlines growing from the mouse pointer to the window,
// drawn one after the other and then erased in the same order, as if each were drawn twice in XOR.
// They live on a borderless, click-through overlay shaped to the outlines themselves, so no
// compositor is needed and no input is ever taken. Where top-level windows cannot be placed on
// the screen (offscreen, Wayland) the animation is skipped.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

class QTimer;

namespace tangram {

class OpeningAnimation : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFrames = 40;
    static constexpr int kStepMs = 6;

    // Frame i (1..40) of the outline growing from `pointer` to `window`, in screen coordinates.
    static QRect frame(int i, QPoint pointer, const QRect& window);
    // Whether the platform can show the overlay.
    static bool supported();
    // Starts the animation and returns at once; the overlay deletes itself when done. Does
    // nothing where it is not supported.
    static void start(QPoint pointer, const QRect& window);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OpeningAnimation(QPoint pointer, const QRect& window);
    void step();
    QRegion visibleRing() const;

    QPoint m_pointer;
    QRect m_window;
    QRect m_area;     // what the overlay covers, in screen coordinates
    int m_drawn = 0;  // frames 1..m_drawn have been drawn
    int m_erased = 0; // frames 1..m_erased have been erased again
    QTimer* m_timer = nullptr;
};

} // namespace tangram
