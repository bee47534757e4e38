// SPDX-License-Identifier: GPL-3.0-or-later
// The progress markers of the selection dialog: eight small faces on silver, from a red frown
// (marker 0, given up) to a green broad smile (marker 7, solved without help), painted at run time
// into one strip so that the dialog copies them unchanged.
#pragma once

#include "model/patternstatus.h"

#include <QColor>
#include <QImage>

namespace tangram {

inline constexpr int kMarkerSize = 15; // each marker is 15 x 15 pixels
inline constexpr int kMarkerCount = 8; // side by side: marker k at columns 15k .. 15k + 14
inline constexpr QRgb kMarkerGround = 0xFFC0C0C0; // silver behind the faces

// The strip of 120 x 15 pixels.
QImage makeMarkerStrip();

// Fill colour of face k (0..7).
QColor markerFaceColour(int k);

// The marker a status shows: none (-1) for an untouched pattern; otherwise 7 minus the pieces
// revealed, so that a clean solve gets the broad smile, each revealed piece one step less, and a
// given-up pattern the deep frown.
int markerForStatus(PatternStatus status);

} // namespace tangram
