// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Select.h"

#include "data/gamestate.h"
#include "game/progressqueries.h"
#include "dialogs/selectmarkers.h"
#include "model/geometry.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace tangram {

namespace {

constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kDoneGrey = 0xFF7F7F7F;
constexpr int kCells = 9;

// A small solid triangle pointing left (previous) or right (next).
QIcon arrowGlyph(bool pointsLeft) {
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    const QPolygonF arrow = pointsLeft ? QPolygonF{{11.5, 3.0}, {11.5, 13.0}, {4.0, 8.0}}
                                       : QPolygonF{{4.5, 3.0}, {4.5, 13.0}, {12.0, 8.0}};
    painter.drawPolygon(arrow);
    return QIcon(glyph);
}

QFont numberFont() {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setBold(true);
    return font;
}

} // namespace

TSelectDlg::TSelectDlg(const GameState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_markers(makeMarkerStrip()) {
    setFixedSize(437, 376);
    // A fixed dialog border: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 8, 421, 329);

    m_box = new QWidget(this);
    m_box->setObjectName(QStringLiteral("box"));
    m_box->setGeometry(20, 20, 385, 313);
    m_box->setCursor(Qt::PointingHandCursor);
    m_box->installEventFilter(this);

    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("Scroll"));
    m_scroll->setGeometry(412, 9, 16, 327);
    m_scroll->setRange(1, 1);
    m_scroll->setSingleStep(4);
    m_scroll->setPageStep(9);
    connect(m_scroll, &QScrollBar::valueChanged, this, &TSelectDlg::ScrollChange);

    m_prevBtn = new QToolButton(this);
    m_prevBtn->setObjectName(QStringLiteral("PrevBtn"));
    m_prevBtn->setGeometry(296, 344, 25, 25);
    m_prevBtn->setIcon(arrowGlyph(true));
    connect(m_prevBtn, &QToolButton::clicked, this, &TSelectDlg::PrevBtnClick);

    m_nextBtn = new QToolButton(this);
    m_nextBtn->setObjectName(QStringLiteral("NextBtn"));
    m_nextBtn->setGeometry(324, 344, 25, 25);
    m_nextBtn->setIcon(arrowGlyph(false));
    connect(m_nextBtn, &QToolButton::clicked, this, &TSelectDlg::NextBtnClick);

    m_cancelBtn = new QPushButton(this);
    m_cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    m_cancelBtn->setGeometry(356, 344, 75, 25);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TSelectDlg::position() const {
    return m_scroll->value();
}

int TSelectDlg::patternInCell(int cell) const {
    if (cell < 0 || cell >= kCells)
        return 0;
    const int pattern = position() + cell;
    return pattern <= patternCount() ? pattern : 0;
}

int TSelectDlg::patternCount() const {
    return m_state.patternCount();
}

bool TSelectDlg::isDone(int pattern) const {
    return m_state.status[static_cast<std::size_t>(pattern)].done();
}

void TSelectDlg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TSelectDlg::FormActivate() {
    setWindowTitle(tr("Select Tangram"));
    m_cancelBtn->setText(tr("Cancel"));
    m_prevBtn->setToolTip(tr("Which previous Tangram I haven't solved yet?"));
    m_nextBtn->setToolTip(tr("Which following Tangram I haven't solved yet?"));
    m_box->setToolTip(tr("A mouse click and the Tangram is selected."));

    // The last page starts at pattern count - 8; with fewer than nine patterns there is only the
    // page starting at 1.
    const int maximum = std::max(1, patternCount() - 8);
    m_scroll->setMaximum(maximum);
    m_scroll->setEnabled(maximum > 1);
    m_scroll->setValue(std::clamp(m_state.level(), 1, maximum));
    m_chosen = 0;
    m_box->update();
}

void TSelectDlg::ScrollChange() {
    m_box->update();
}

bool TSelectDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box) {
        if (event->type() == QEvent::Paint) {
            QPainter painter(m_box);
            boxPaint(painter);
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            boxMouseDown(at.x(), at.y());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSelectDlg::boxPaint(QPainter& painter) {
    painter.setFont(numberFont());
    for (int cell = 0; cell < kCells; ++cell) {
        const int pattern = patternInCell(cell);
        if (pattern != 0)
            paintCell(painter, cell, pattern);
    }
}

void TSelectDlg::paintCell(QPainter& painter, int cell, int pattern) {
    const int x0 = kCellStepX * (cell % 3);
    const int y0 = kCellStepY * (cell / 3);
    const QRect frame(x0, y0, kCellWidth, kCellHeight);
    painter.save();
    // A damaged pattern record must not paint over its neighbours.
    painter.setClipRect(frame);

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(kSilver));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.drawText(QRect(x0 + 3, y0 + 1, kCellWidth - 6, kNumberBand - 1),
                     Qt::AlignLeft | Qt::AlignTop, QString::number(pattern));

    const int marker = markerForStatus(m_state.status[static_cast<std::size_t>(pattern)]);
    if (marker >= 0)
        painter.drawImage(x0 + 103, y0 + 2, m_markers, kMarkerSize * marker, 0, kMarkerSize,
                          kMarkerSize);

    // The silhouette at one pixel per grid cell: black while open, grey once done.
    painter.setBrush(QColor(isDone(pattern) ? kDoneGrey : 0xFF000000));
    const TPatternRecord& record = m_state.patterns[static_cast<std::size_t>(pattern)];
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const PieceCorners corners =
            PieceOutline(piece, record[static_cast<std::size_t>(piece - 1)]);
        QPolygon outline(corners.count);
        for (int k = 0; k < corners.count; ++k) {
            const GridOffset corner = corners.points[static_cast<std::size_t>(k)];
            outline.setPoint(k, x0 + corner.x, y0 + kNumberBand + corner.y);
        }
        if (!outline.isEmpty())
            painter.drawPolygon(outline);
    }
    painter.restore();
}

void TSelectDlg::boxMouseDown(int x, int y) {
    if (x < 0 || y < 0 || x >= m_box->width() || y >= m_box->height())
        return;
    // A click in a gap between cells counts for the cell to its left or above.
    const int column = std::min(x / kCellStepX, 2);
    const int row = std::min(y / kCellStepY, 2);
    const int pattern = patternInCell(column + 3 * row);
    if (pattern == 0)
        return; // an empty cell behind the last pattern
    m_chosen = pattern;
    accept();
}

void TSelectDlg::PrevBtnClick() {
    if (const std::optional<int> v = previousUnsolved(m_state, position()))
        m_scroll->setValue(*v);
}

void TSelectDlg::NextBtnClick() {
    if (const std::optional<int> v = nextUnsolved(m_state, position(), m_scroll->maximum()))
        m_scroll->setValue(*v);
}

} // namespace tangram
