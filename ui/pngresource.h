// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace tangram {

// Reads one of the program's own PNG pictures. QImage's usual loading, even with the format named,
// first loads every image format plug-in (JPEG, GIF, SVG...) to ask whether it recognises the
// data; turning the detection off lets Qt's built-in PNG reader take it straight away.
inline QImage readPngResource(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// An icon holding each of the given PNG pictures at its own size; the icon picks the size that
// fits the place and the screen's density. Pictures that cannot be read are left out.
inline QIcon iconFromPngResources(const QStringList& paths) {
    QIcon icon;
    for (const QString& path : paths) {
        const QImage picture = readPngResource(path);
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

} // namespace tangram
