// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's opening animation: 40 outlines growing from the mouse pointer to the window,
// drawn one after the other and then erased in the same order, as if each were drawn twice in XOR.
//
// It lasts kSteps steps of kStepMs whatever the machine's load: each tick works out from the time
// elapsed which outlines should be on the screen, so a late tick skips steps instead of falling
// behind. Each outline is an override-redirect X window shaped once, as it is made, to its four
// sides two pixels wide, with the dotted look as its background tile, so the X server fills it
// itself: drawing an outline is making and mapping its window, erasing it is unmapping it (all
// are destroyed together at the end, so programs walking the window tree meet few vanishing
// windows); the program paints nothing, no shape changes per step, and what lies beneath stays
// live. The outlines take no input (an empty input shape), and no compositor is needed. Where
// there is no X server (offscreen, Wayland) the animation is skipped.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

#include <array>
#include <cstdint>
#include <vector>

struct xcb_connection_t;

namespace tangram {

class OpeningAnimation : public QObject {
    Q_OBJECT
public:
    static constexpr int kFrames = 40;
    static constexpr int kStepMs = 6;
    static constexpr int kSteps = 2 * kFrames; // drawing, then erasing

    // Frame i (1..40) of the outline growing from `pointer` to `window`, in screen coordinates.
    static QRect frame(int i, QPoint pointer, const QRect& window);
    // The outlines on the screen `elapsedMs` after the start: frames erased+1..drawn.
    struct Shown {
        int erased = 0;
        int drawn = 0;
        bool operator==(const Shown&) const = default;
    };
    static Shown shownAt(qint64 elapsedMs);
    // Going from `from` to `to`: the frames to draw (drawFirst..drawLast) and to erase
    // (eraseFirst..eraseLast); a frame both due and over by then is skipped, never drawn.
    struct Change {
        int drawFirst, drawLast, eraseFirst, eraseLast;
    };
    static Change change(Shown from, Shown to);
    // The four sides of an outline, two pixels wide, inside `frame`: the shape of its window;
    // empty sides are left out.
    static std::vector<QRect> strips(const QRect& frame);
    // Whether the platform can show the animation.
    static bool supported();
    // Starts the animation and returns at once; it deletes itself when done. Does nothing where it
    // is not supported.
    static void start(QPoint pointer, const QRect& window);

private:
    OpeningAnimation(xcb_connection_t* connection, QPoint pointer, const QRect& window);
    ~OpeningAnimation() override;
    void tick();
    void drawFrame(int i);
    void eraseFrame(int i);

    xcb_connection_t* m_connection;
    uint32_t m_root = 0;
    uint32_t m_tile = 0; // the dotted pattern the outlines are filled with
    QPoint m_pointer;
    QRect m_window;
    Shown m_shown;
    std::array<uint32_t, kFrames + 1> m_outlines{}; // the X window of each frame drawn, or 0
    QElapsedTimer m_clock;
    QTimer m_timer;
};

} // namespace tangram
