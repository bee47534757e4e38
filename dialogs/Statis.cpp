// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Statis.h"

#include "data/gamestate.h"
#include "dialogs/gauge.h"
#include "dialogs/statisticsbar.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace tangram {

namespace {

const QColor kGaugeGround(160, 160, 160);
const QColor kSolvedFill(0, 128, 255); // azure
const QColor kPointsFill(0, 255, 0);   // lime green

void addBevel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(geometry);
}

QLabel* addLabel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

TGauge* addGauge(QWidget* parent, const char* name, const QRect& geometry, const QColor& fill) {
    auto* gauge = new TGauge(parent);
    gauge->setObjectName(QString::fromLatin1(name));
    gauge->setGeometry(geometry);
    gauge->setBackColor(kGaugeGround);
    gauge->setForeColor(fill);
    return gauge;
}

} // namespace

TStatDlg::TStatDlg(const GameState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setFixedSize(448, 316);
    // A fixed dialog border: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    addBevel(this, "Bevel2", QRect(8, 8, 433, 69));
    addBevel(this, "Bevel1", QRect(8, 84, 433, 109));
    addBevel(this, "Bevel3", QRect(8, 200, 433, 69));

    m_l1 = addLabel(this, "L1", QRect(20, 20, 410, 20));
    m_g1 = addGauge(this, "G1", QRect(20, 44, 410, 18), kSolvedFill);
    m_l2 = addLabel(this, "L2", QRect(20, 100, 401, 49));
    m_l2->setWordWrap(true);
    m_pieBox = new QWidget(this);
    m_pieBox->setObjectName(QStringLiteral("pieBox"));
    m_pieBox->setGeometry(20, 156, 417, 29);
    m_pieBox->installEventFilter(this);
    m_l3 = addLabel(this, "L3", QRect(20, 212, 410, 20));
    m_g2 = addGauge(this, "G2", QRect(20, 236, 410, 18), kPointsFill);

    m_okBtn = new QPushButton(QStringLiteral("OK"), this);
    m_okBtn->setObjectName(QStringLiteral("OkBtn"));
    m_okBtn->setGeometry(368, 284, 75, 25);
    m_okBtn->setDefault(true);
    connect(m_okBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TStatDlg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TStatDlg::FormActivate() {
    m_counts = countStatistics(m_state);
    setWindowTitle(statisticsTitle(m_state.category, m_state.progressPath));
    m_l1->setText(solvedSentence(m_counts));
    m_l2->setText(helpSentence(m_counts));
    m_l3->setText(pointsSentence(m_counts));
    m_g1->setMaxValue(m_counts.patternCount);
    m_g1->setProgress(m_counts.solved);
    m_g2->setMaxValue(m_counts.maxPoints());
    m_g2->setProgress(m_counts.points);
    m_pieBox->update();
}

bool TStatDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pieBox && event->type() == QEvent::Paint) {
        QPainter painter(m_pieBox);
        pieBoxPaint(painter);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TStatDlg::pieBoxPaint(QPainter& painter) {
    const auto segments = helpBarSegments(m_counts);
    for (std::size_t h = 0; h < segments.size(); ++h) {
        const HelpBarSegment& segment = segments[h];
        if (!segment.painted)
            continue;
        // Both edge columns belong to the segment; the next one paints over the shared column.
        painter.fillRect(QRect(QPoint(segment.start, 0), QPoint(segment.end, kHelpBarHeight - 1)),
                         helpBarColour(static_cast<int>(h)));
    }
}

} // namespace tangram
