// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QImageReader>
#include <QString>

namespace tangram {

// Reads one of the program's own PNG pictures. QImage's usual loading, even with the format named,
// first loads every image format plug-in (JPEG, GIF, SVG...) to ask whether it recognises the
// data; turning the detection off lets Qt's built-in PNG reader take it straight away.
inline QImage readPngResource(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace tangram
