// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/selectmarkers.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace tangram {

namespace {

// Curvature of each face's mouth in pixels: negative bends the corners down (a frown), positive
// lifts them (a smile).
constexpr std::array<double, kMarkerCount> kMouthCurve{-2.6, -1.5, 0.0, 0.0, 0.0, 1.2, 2.2, 3.2};

void paintFace(QPainter& painter, int k) {
    const double left = kMarkerSize * k;
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(markerFaceColour(k));
    painter.drawEllipse(QRectF(left + 1.0, 1.0, 13.0, 13.0));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(left + 4.1, 4.4, 2.0, 2.2));
    painter.drawEllipse(QRectF(left + 8.9, 4.4, 2.0, 2.2));

    // The corners sit higher for a smile and lower for a frown, while the middle of the mouth
    // bends the other way, so every mouth keeps about the same place on the face.
    const double curve = kMouthCurve[static_cast<std::size_t>(k)];
    const double corners = 10.5 - curve / 2.0;
    QPainterPath mouth;
    mouth.moveTo(left + 4.5, corners);
    mouth.quadTo(left + 7.5, corners + 2.0 * curve, left + 10.5, corners);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(mouth);
}

} // namespace

QImage makeMarkerStrip() {
    QImage strip(kMarkerSize * kMarkerCount, kMarkerSize, QImage::Format_RGB32);
    strip.fill(kMarkerGround);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < kMarkerCount; ++k)
        paintFace(painter, k);
    return strip;
}

QColor markerFaceColour(int k) {
    static constexpr std::array<QRgb, kMarkerCount> colours{
        qRgb(255, 0, 0),    qRgb(255, 121, 30), qRgb(255, 195, 63), qRgb(255, 230, 52),
        qRgb(250, 255, 52), qRgb(226, 255, 52), qRgb(177, 255, 51), qRgb(0, 255, 0)};
    if (k < 0 || k >= kMarkerCount)
        return QColor(Qt::black);
    return QColor(colours[static_cast<std::size_t>(k)]);
}

int markerForStatus(PatternStatus status) {
    if (status.untouched())
        return -1;
    return 7 - status.revealedCount();
}

} // namespace tangram
