// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/windowplacement.h"

#include "services/settingskeys.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <array>

namespace tangram {

namespace {

// Beyond this a coordinate is damage, not a screen; the bound also keeps all the rectangle
// arithmetic below far from integer overflow.
constexpr int kCoordinateLimit = kMaxStoredCoordinate;

qint64 overlapArea(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

// Squared distance from a point to the nearest point of a rectangle (0 inside it).
qint64 squaredDistance(const QPoint& p, const QRect& r) {
    const qint64 dx = p.x() < r.left()    ? r.left() - p.x()
                      : p.x() > r.right() ? p.x() - r.right()
                                          : 0;
    const qint64 dy = p.y() < r.top()      ? r.top() - p.y()
                      : p.y() > r.bottom() ? p.y() - r.bottom()
                                           : 0;
    return dx * dx + dy * dy;
}

QRect screenFor(const QRect& bounds, const QList<QRect>& screens) {
    QRect best = screens.first();
    qint64 bestArea = 0;
    for (const QRect& s : screens) {
        const qint64 area = overlapArea(bounds, s);
        if (area > bestArea) {
            best = s;
            bestArea = area;
        }
    }
    if (bestArea > 0)
        return best;
    const QPoint centre = bounds.center();
    qint64 bestDistance = squaredDistance(centre, best);
    for (const QRect& s : screens) {
        const qint64 d = squaredDistance(centre, s);
        if (d < bestDistance) {
            best = s;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace

WindowPlacement WindowPlacement::fromWindow(const QRect& normalBounds, Qt::WindowStates state) {
    WindowPlacement p;
    p.normalBounds = normalBounds;
    if (state & Qt::WindowMinimized) {
        p.showCommand = kShowMinimized;
        if (state & Qt::WindowMaximized)
            p.flags = kRestoreToMaximized;
    } else if (state & Qt::WindowMaximized) {
        p.showCommand = kShowMaximized;
    }
    return p;
}

bool WindowPlacement::opensMaximized() const {
    return showCommand == kShowMaximized ||
           (showCommand == kShowMinimized && (flags & kRestoreToMaximized));
}

std::optional<WindowPlacement> parsePlacementRecord(const QString& text) {
    const QStringList fields = text.split(u',');
    if (fields.size() != 7)
        return std::nullopt;
    std::array<int, 7> v{};
    for (int i = 0; i < 7; ++i) {
        bool ok = false;
        v[i] = fields[i].trimmed().toInt(&ok, 10);
        if (!ok)
            return std::nullopt;
    }
    if (v[0] != WindowPlacement::kFormatMarker)
        return std::nullopt;
    for (int i = 3; i < 7; ++i) {
        if (v[i] < -kCoordinateLimit || v[i] > kCoordinateLimit)
            return std::nullopt;
    }
    const int left = v[3], top = v[4], right = v[5], bottom = v[6];
    if (right <= left || bottom <= top)
        return std::nullopt;
    WindowPlacement p;
    p.flags = v[1];
    p.showCommand = v[2];
    p.normalBounds = QRect(left, top, right - left, bottom - top);
    return p;
}

QString formatPlacementRecord(const WindowPlacement& placement) {
    const QRect& b = placement.normalBounds;
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
        .arg(WindowPlacement::kFormatMarker)
        .arg(placement.flags)
        .arg(placement.showCommand)
        .arg(b.left())
        .arg(b.top())
        .arg(b.left() + b.width())
        .arg(b.top() + b.height());
}

QRect decideWindowGeometry(const std::optional<WindowPlacement>& record,
                           const QList<QRect>& screensWithFrames, QSize designedSize,
                           QMargins frame) {
    // The bounds must leave room for the frame on every side of the screen.
    QList<QRect> availableScreens;
    for (const QRect& screen : screensWithFrames)
        availableScreens.append(screen.marginsRemoved(frame));
    if (availableScreens.isEmpty())
        return record ? record->normalBounds : QRect(QPoint(0, 0), designedSize);

    if (!record) {
        const QRect screen = availableScreens.first();
        const QSize size = designedSize.boundedTo(screen.size());
        const QPoint offset((screen.width() - size.width()) / 2,
                            (screen.height() - size.height()) / 2);
        return QRect(screen.topLeft() + offset, size);
    }

    const QRect screen = screenFor(record->normalBounds, availableScreens);
    QRect r(record->normalBounds.topLeft(), record->normalBounds.size().boundedTo(screen.size()));
    if (r.right() > screen.right())
        r.moveRight(screen.right());
    if (r.bottom() > screen.bottom())
        r.moveBottom(screen.bottom());
    if (r.left() < screen.left())
        r.moveLeft(screen.left());
    if (r.top() < screen.top())
        r.moveTop(screen.top());
    return r;
}

QPoint decidePreviewPosition(const std::optional<QPoint>& stored, QSize size, QMargins frame,
                             const QRect& mainFrame, const QRect& board,
                             const QList<QRect>& availableScreens) {
    auto framed = [&](QPoint clientTopLeft) {
        return QRect(clientTopLeft, size).marginsAdded(frame);
    };
    auto onOneScreen = [&](const QRect& window) {
        for (const QRect& screen : availableScreens) {
            if (screen.contains(window))
                return true;
        }
        return false;
    };
    if (stored && onOneScreen(framed(*stored)))
        return *stored;
    const QRect screen =
        availableScreens.isEmpty() ? mainFrame : screenFor(mainFrame, availableScreens);
    const int gap = 4;
    const int top = std::max(mainFrame.top(), screen.top()) + frame.top();
    const QPoint right(mainFrame.right() + 1 + gap + frame.left(), top);
    if (screen.contains(framed(right)))
        return right;
    const QPoint left(mainFrame.left() - gap - frame.right() - size.width(), top);
    if (screen.contains(framed(left)))
        return left;
    return QPoint(board.right() + 1 - frame.right() - size.width(), board.top() + frame.top());
}

QPoint wonPagePosition(const QRect& figure, QSize page, const QRect& area) {
    const int gap = 8;
    const int centreX = figure.center().x() - page.width() / 2;
    const int centreY = figure.center().y() - page.height() / 2;
    const QPoint candidates[] = {
        {centreX, figure.top() - gap - page.height()},
        {centreX, figure.bottom() + 1 + gap},
        {figure.right() + 1 + gap, centreY},
        {figure.left() - gap - page.width(), centreY},
    };
    for (QPoint at : candidates) {
        // Slide along the figure's side to stay inside the window; never onto the figure.
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - page.width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - page.height())));
        const QRect placed(at, page);
        if (area.contains(placed) && !placed.intersects(figure))
            return at;
    }
    return QPoint(area.center().x() - page.width() / 2, area.top());
}

QList<QRect> availableScreenGeometries() {
    QList<QRect> result;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        result.append(primary->availableGeometry());
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (const QScreen* s : screens) {
        if (s != primary)
            result.append(s->availableGeometry());
    }
    return result;
}

} // namespace tangram
