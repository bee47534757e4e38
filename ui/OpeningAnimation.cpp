// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OpeningAnimation.h"

#include <QGuiApplication>

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>

namespace tangram {

namespace {

constexpr int kLineWidth = 2;
constexpr int kTileSide = 4; // two black pixels, two white, like a dotted focus frame

xcb_connection_t* qtConnection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

QRect OpeningAnimation::frame(int i, QPoint pointer, const QRect& window) {
    auto lerp = [i](int from, int to) {
        return static_cast<int>(std::lround(from + i * double(to - from) / kFrames));
    };
    const int w = static_cast<int>(std::lround(i * double(window.width()) / kFrames));
    const int h = static_cast<int>(std::lround(i * double(window.height()) / kFrames));
    return QRect(lerp(pointer.x(), window.left()), lerp(pointer.y(), window.top()), w, h);
}

OpeningAnimation::Shown OpeningAnimation::shownAt(qint64 elapsedMs) {
    const int step = static_cast<int>(std::clamp<qint64>(elapsedMs / kStepMs, 0, kSteps));
    return {std::max(0, step - kFrames), std::min(step, kFrames)};
}

OpeningAnimation::Change OpeningAnimation::change(Shown from, Shown to) {
    return {std::max(from.drawn, to.erased) + 1, to.drawn, from.erased + 1,
            std::min(to.erased, from.drawn)};
}

std::vector<QRect> OpeningAnimation::strips(const QRect& frame) {
    std::vector<QRect> sides;
    if (frame.width() < 1 || frame.height() < 1) {
        return sides;
    }
    const int line = std::min({kLineWidth, frame.width(), frame.height()});
    sides.emplace_back(frame.left(), frame.top(), frame.width(), line); // top
    if (frame.height() > line) {
        sides.emplace_back(frame.left(), frame.bottom() - line + 1, frame.width(), line);
    }
    const int inner = frame.height() - 2 * line; // the sides between top and bottom
    if (inner > 0) {
        sides.emplace_back(frame.left(), frame.top() + line, std::min(line, frame.width()), inner);
        if (frame.width() > line) {
            sides.emplace_back(frame.right() - line + 1, frame.top() + line, line, inner);
        }
    }
    return sides;
}

bool OpeningAnimation::supported() {
    return QGuiApplication::platformName() == QLatin1String("xcb") && qtConnection() != nullptr;
}

void OpeningAnimation::start(QPoint pointer, const QRect& window) {
    if (!supported() || window.isEmpty()) {
        return;
    }
    new OpeningAnimation(qtConnection(), pointer, window);
}

OpeningAnimation::OpeningAnimation(xcb_connection_t* connection, QPoint pointer,
                                   const QRect& window)
    : m_connection(connection), m_pointer(pointer), m_window(window) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_root = screen->root;
    m_tile = xcb_generate_id(m_connection);
    xcb_create_pixmap(m_connection, screen->root_depth, m_tile, m_root, kTileSide, kTileSide);
    const xcb_gcontext_t gc = xcb_generate_id(m_connection);
    const uint32_t white = screen->white_pixel;
    xcb_create_gc(m_connection, gc, m_tile, XCB_GC_FOREGROUND, &white);
    const xcb_rectangle_t whole{0, 0, kTileSide, kTileSide};
    xcb_poly_fill_rectangle(m_connection, m_tile, gc, 1, &whole);
    const uint32_t black = screen->black_pixel;
    xcb_change_gc(m_connection, gc, XCB_GC_FOREGROUND, &black);
    const xcb_rectangle_t dots[2] = {{0, 0, 2, 2}, {2, 2, 2, 2}};
    xcb_poly_fill_rectangle(m_connection, m_tile, gc, 2, dots);
    xcb_free_gc(m_connection, gc);

    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kStepMs);
    connect(&m_timer, &QTimer::timeout, this, &OpeningAnimation::tick);
    m_clock.start();
    m_timer.start();
}

OpeningAnimation::~OpeningAnimation() {
    // All strips go at once: other programs walking the window tree meet no window vanishing
    // under them while the animation runs.
    for (const uint32_t w : m_outlines) {
        if (w) {
            xcb_destroy_window(m_connection, w);
        }
    }
    xcb_free_pixmap(m_connection, m_tile);
    xcb_flush(m_connection);
}

void OpeningAnimation::tick() {
    const Shown target = shownAt(m_clock.elapsed());
    const Change todo = change(m_shown, target);
    for (int i = todo.drawFirst; i <= todo.drawLast; ++i) {
        drawFrame(i);
    }
    for (int i = todo.eraseFirst; i <= todo.eraseLast; ++i) {
        eraseFrame(i);
    }
    m_shown = target;
    xcb_flush(m_connection);
    if (target.erased >= kFrames) {
        m_timer.stop();
        deleteLater();
    }
}

void OpeningAnimation::drawFrame(int i) {
    const QRect outline = frame(i, m_pointer, m_window);
    const std::vector<QRect> sides = strips(outline);
    if (sides.empty()) {
        return;
    }
    const xcb_window_t w = xcb_generate_id(m_connection);
    const uint32_t values[] = {m_tile, 1}; // background tile, override-redirect
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, w, m_root,
                      static_cast<int16_t>(outline.x()), static_cast<int16_t>(outline.y()),
                      static_cast<uint16_t>(outline.width()), static_cast<uint16_t>(outline.height()),
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                      XCB_CW_BACK_PIXMAP | XCB_CW_OVERRIDE_REDIRECT, values);
    // The window is the outline alone, set once as it is made; it takes no input at all.
    std::vector<xcb_rectangle_t> ring;
    for (const QRect& side : sides) {
        ring.push_back({static_cast<int16_t>(side.x() - outline.x()),
                        static_cast<int16_t>(side.y() - outline.y()),
                        static_cast<uint16_t>(side.width()), static_cast<uint16_t>(side.height())});
    }
    xcb_shape_rectangles(m_connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING,
                         XCB_CLIP_ORDERING_UNSORTED, w, 0, 0,
                         static_cast<uint32_t>(ring.size()), ring.data());
    xcb_shape_rectangles(m_connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT,
                         XCB_CLIP_ORDERING_UNSORTED, w, 0, 0, 0, nullptr);
    xcb_map_window(m_connection, w);
    m_outlines[static_cast<std::size_t>(i)] = w;
}

void OpeningAnimation::eraseFrame(int i) {
    if (const uint32_t w = m_outlines[static_cast<std::size_t>(i)]) {
        xcb_unmap_window(m_connection, w);
    }
}

} // namespace tangram
