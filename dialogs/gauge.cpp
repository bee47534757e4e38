// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/gauge.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace tangram {

TGauge::TGauge(QWidget* parent) : QWidget(parent) {}

int TGauge::percentOf(int progress, int maximum) {
    if (maximum <= 0)
        return 0;
    const qint64 reached = std::clamp(progress, 0, maximum);
    return static_cast<int>(100 * reached / maximum);
}

int TGauge::fillWidth(int percent, int width) {
    return static_cast<int>(qint64{std::clamp(percent, 0, 100)} * std::max(width, 0) / 100);
}

void TGauge::setMaxValue(int maximum) {
    m_maximum = maximum;
    update();
}

void TGauge::setProgress(int progress) {
    m_progress = progress;
    update();
}

void TGauge::setForeColor(const QColor& colour) {
    m_foreColor = colour;
    update();
}

void TGauge::setBackColor(const QColor& colour) {
    m_backColor = colour;
    update();
}

QString TGauge::percentText() const {
    return QStringLiteral("%1%").arg(percentDone());
}

void TGauge::paintEvent(QPaintEvent*) {
    // The exclusive-or needs a raster image beneath the text; a widget's own paint device does
    // not promise raster operations on every platform.
    const qreal ratio = devicePixelRatioF();
    QImage picture(size() * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(m_backColor);
    {
        QPainter painter(&picture);
        painter.fillRect(QRect(0, 0, fillWidth(percentDone(), width()), height()), m_foreColor);
        // Antialiased glyph edges would exclusive-or into stray colours: draw them solid.
        QFont textFont = font();
        textFont.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(textFont);
        painter.setPen(Qt::white);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawText(rect(), Qt::AlignCenter, percentText());
    }
    QPainter(this).drawImage(0, 0, picture);
}

} // namespace tangram
