// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's placement record "MainForm": seven comma-separated integers
//
//     200,flags,show,left,top,right,bottom
//
// "200" marks the format; flags 2 means "restore to maximised" (set while the window is minimised
// from the maximised state); show is 1 normal, 2 minimised, 3 maximised; left, top, right and
// bottom are the bounds of the window in its normal (restored) state, right and bottom exclusive
// (right = left + width).
//
// The bounds are whatever rectangle the window layer stores and applies (outer frame or client
// area); everything here treats them alike, so it only has to be consistent.
#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>
#include <optional>

namespace tangram {

// Designed size of the main window, used when there is no valid placement record.
inline constexpr QSize kDesignedWindowSize{691, 481};

struct WindowPlacement {
    static constexpr int kFormatMarker = 200;
    static constexpr int kRestoreToMaximized = 2; // flag
    static constexpr int kShowNormal = 1;
    static constexpr int kShowMinimized = 2;
    static constexpr int kShowMaximized = 3;

    int flags = 0;
    int showCommand = kShowNormal;
    QRect normalBounds;

    // Record of a window with these restored bounds in this state.
    static WindowPlacement fromWindow(const QRect& normalBounds, Qt::WindowStates state);

    // Whether the window should open maximised. A window minimised at close opens in the state it
    // would have been restored to, never minimised.
    bool opensMaximized() const;

    bool operator==(const WindowPlacement&) const = default;
};

// Parses a record. Gives nothing unless there are exactly seven integer fields (spaces around a
// field are allowed), the first is 200, the bounds have a positive width and height, and no
// coordinate lies beyond +-1,000,000 (a damaged record, not a screen).
std::optional<WindowPlacement> parsePlacementRecord(const QString& text);

QString formatPlacementRecord(const WindowPlacement& placement);

// Decides the window's restored geometry from the record (if valid) and the available geometries
// of the screens, the primary screen first.
// - Without a record: the designed size centred on the primary screen (shrunk to fit it).
// - With a record: the stored bounds on the screen they overlap most; if they overlap none
//   (a monitor since removed, or coordinates far off), on the screen nearest to them. The size is
//   kept but shrunk to the screen where it is larger, and the bounds are moved, never resized
//   further, until they lie wholly inside that screen: a right or bottom edge beyond the screen
//   moves the window left or up, a left or top edge before it moves it right or down.
// - Without screens: the record's bounds, or the designed size at the origin.
// `frame` is what the window system draws around the bounds (title bar and border): the bounds
// are fitted so that the frame too lies on the screen.
QRect decideWindowGeometry(const std::optional<WindowPlacement>& record,
                           const QList<QRect>& availableScreens,
                           QSize designedSize = kDesignedWindowSize, QMargins frame = {});

// Where the always-on-top preview window goes, its client area's top-left corner. `size` is its
// client size and `frame` the window system's frame around it; `mainFrame` is the main window
// with its frame and `board` the board, both in screen coordinates.
// - A stored position is kept while the whole preview, frame included, lies on one screen.
// - Otherwise beside the main window, right of it or else left of it, if it fits there on the
//   main window's screen, level with the main window's top;
// - otherwise inside the board's top-right corner, where it covers no toolbar button.
QPoint decidePreviewPosition(const std::optional<QPoint>& stored, QSize size, QMargins frame,
                             const QRect& mainFrame, const QRect& board,
                             const QList<QRect>& availableScreens);

// Where the "won" page goes (its frame's top-left corner), so that it covers no part of the
// completed `figure`: in the window `area` above the figure, else below, right or left of it;
// where none of these has room, over the top of the area (the toolbar). All in screen
// coordinates.
QPoint wonPagePosition(const QRect& figure, QSize page, const QRect& area);

// The available geometries of the current screens, the primary screen first. Needs a
// QGuiApplication.
QList<QRect> availableScreenGeometries();

} // namespace tangram
