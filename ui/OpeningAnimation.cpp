// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OpeningAnimation.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTimer>

#include <cmath>

namespace tangram {

QRect OpeningAnimation::frame(int i, QPoint pointer, const QRect& window) {
    auto lerp = [i](int from, int to) {
        return static_cast<int>(std::lround(from + i * double(to - from) / kFrames));
    };
    const int w = static_cast<int>(std::lround(i * double(window.width()) / kFrames));
    const int h = static_cast<int>(std::lround(i * double(window.height()) / kFrames));
    return QRect(lerp(pointer.x(), window.left()), lerp(pointer.y(), window.top()), w, h);
}

bool OpeningAnimation::supported() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows") ||
           platform == QLatin1String("cocoa");
}

void OpeningAnimation::start(QPoint pointer, const QRect& window) {
    if (!supported() || window.isEmpty()) {
        return;
    }
    auto* overlay = new OpeningAnimation(pointer, window);
    overlay->show();
    overlay->m_timer->start();
}

OpeningAnimation::OpeningAnimation(QPoint pointer, const QRect& window)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus),
      m_pointer(pointer), m_window(window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_area = QRect(pointer, QSize(1, 1)).united(window).adjusted(-1, -1, 1, 1);
    setGeometry(m_area);
    setMask(QRegion(0, 0, 1, 1)); // nothing visible before the first frame
    m_timer = new QTimer(this);
    m_timer->setInterval(kStepMs);
    connect(m_timer, &QTimer::timeout, this, &OpeningAnimation::step);
}

void OpeningAnimation::step() {
    if (m_drawn < kFrames) {
        ++m_drawn;
    } else if (m_erased < kFrames) {
        ++m_erased;
    }
    if (m_erased >= kFrames) {
        m_timer->stop();
        close();
        return;
    }
    setMask(visibleRing());
    update();
}

// The outlines now on screen, two pixels wide, in the overlay's coordinates.
QRegion OpeningAnimation::visibleRing() const {
    QRegion region;
    for (int i = m_erased + 1; i <= m_drawn; ++i) {
        const QRect r = frame(i, m_pointer, m_window).translated(-m_area.topLeft());
        if (r.width() < 1 || r.height() < 1) {
            continue;
        }
        region += QRegion(r).subtracted(QRegion(r.adjusted(2, 2, -2, -2)));
    }
    return region.isEmpty() ? QRegion(0, 0, 1, 1) : region;
}

void OpeningAnimation::paintEvent(QPaintEvent*) {
    // A dotted black and white line, like a focus frame, readable on any background.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QPen pen(Qt::black, 2, Qt::DotLine);
    painter.setPen(pen);
    for (int i = m_erased + 1; i <= m_drawn; ++i) {
        const QRect r = frame(i, m_pointer, m_window).translated(-m_area.topLeft());
        painter.drawRect(r.adjusted(1, 1, -1, -1));
    }
}

} // namespace tangram
