// SPDX-License-Identifier: GPL-3.0-or-later
// A horizontal progress bar without border: the fill colour runs from the left over the reached
// percentage of the width, and the percentage ("42%") stands centred over it in white, combined
// by exclusive-or with what lies beneath so that it stays readable on fill and background alike.
#pragma once

#include <QColor>
#include <QWidget>

namespace tangram {

class TGauge : public QWidget {
    Q_OBJECT

public:
    explicit TGauge(QWidget* parent = nullptr);

    // Whole percent reached, truncated: 100 * progress / maximum with the progress clamped into
    // 0..maximum; 0 when the maximum is 0 or less.
    static int percentOf(int progress, int maximum);
    // Pixels of `width` the fill covers at `percent`, truncated to whole pixels.
    static int fillWidth(int percent, int width);

    void setMaxValue(int maximum);
    void setProgress(int progress);
    void setForeColor(const QColor& colour);
    void setBackColor(const QColor& colour);

    int maxValue() const { return m_maximum; }
    int progress() const { return m_progress; }
    int percentDone() const { return percentOf(m_progress, m_maximum); }
    QString percentText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_maximum = 100;
    int m_progress = 0;
    QColor m_foreColor{Qt::black};
    QColor m_backColor{Qt::white};
};

} // namespace tangram
