// SPDX-License-Identifier: GPL-3.0-or-later
// Outcome of a file operation of the data layer. The data layer never shows anything itself: on
// failure `message` holds the text, already in the player's language, that the window shows in its
// message box.
#pragma once

#include <QString>

namespace tangram {

struct FileResult {
    bool ok = false;
    QString message; // empty on success

    static FileResult success() { return {true, {}}; }
    static FileResult failure(const QString& text) { return {false, text}; }
    explicit operator bool() const { return ok; }
};

} // namespace tangram
