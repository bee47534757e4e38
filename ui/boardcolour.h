// SPDX-License-Identifier: GPL-3.0-or-later
// The game's colours ($00BBGGRR, red in the low byte) as Qt pixel values.
#pragma once

#include "model/boardcanvas.h"

#include <QRgb>

namespace tangram {

constexpr QRgb boardRgb(Colour colour) {
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

} // namespace tangram
