// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cursors.h"
#include "ui/pngresource.h"

#include <QBitmap>

namespace tangram {
namespace {

QCursor loadCursor(const char* resource, Qt::CursorShape fallback) {
    const QImage picture = readPngResource(QString::fromLatin1(resource));
    if (picture.isNull()) {
        return QCursor(fallback);
    }
    return monochromeCursor(picture, kCursorHotSpot, kCursorHotSpot);
}

} // namespace

QCursor monochromeCursor(const QImage& picture, int hotX, int hotY) {
    if (picture.isNull()) {
        return QCursor();
    }
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    // In a QBitmap pixel value 1 is black; bitmap 1 and mask 1 give black, bitmap 0 and mask 1
    // white, mask 0 transparent.
    QImage bits(argb.size(), QImage::Format_Mono);
    QImage mask(argb.size(), QImage::Format_Mono);
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    bits.fill(0);
    mask.fill(0);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) < 128) {
                continue;
            }
            mask.setPixel(x, y, 1);
            if (qGray(pixel) < 128) {
                bits.setPixel(x, y, 1);
            }
        }
    }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), hotX, hotY);
}

BoardCursors loadBoardCursors() {
    BoardCursors cursors;
    cursors.turn = loadCursor(":/board/CRTURN2.png", Qt::CrossCursor);
    cursors.move = loadCursor(":/board/CRMOVE1.png", Qt::SizeAllCursor);
    return cursors;
}

} // namespace tangram
