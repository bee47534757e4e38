// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/pattern.h"

#include "game/progressqueries.h"
#include "services/settingsstore.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>
#include <QScreen>

#include <algorithm>

namespace tangram {
namespace {

constexpr QRgb kGround = 0xC0C0C0; // the board's silver

// True when the top-left corner of a window at `topLeft` can be grabbed on some screen.
bool onSomeScreen(const QPoint& topLeft) {
    return QGuiApplication::screenAt(topLeft + QPoint(20, 10)) != nullptr;
}

} // namespace

TPatForm::TPatForm(const GameState& state, SettingsStore& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      m_state(state), m_settings(settings) {
    FormCreate();
    setAttribute(Qt::WA_ShowWithoutActivating); // the main window keeps the focus
    show();
}

TPatForm::~TPatForm() {
    FormDestroy();
}

void TPatForm::FormCreate() {
    QPoint topLeft(m_settings.read(SettingKeys::pleft), m_settings.read(SettingKeys::ptop));
    if (!onSomeScreen(topLeft)) {
        // The screen it was on is gone: put it at the default place, kept on the primary screen.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        topLeft = QPoint(std::clamp(SettingKeys::pleft.defaultValue, screen.left(),
                                    std::max(screen.left(), screen.right() - kClientWidth)),
                         std::clamp(SettingKeys::ptop.defaultValue, screen.top(),
                                    std::max(screen.top(), screen.bottom() - kClientHeight)));
    }
    move(topLeft);
    setFixedSize(kClientWidth, kClientHeight);
    updateCaption();
}

void TPatForm::FormDestroy() {
    m_settings.write(SettingKeys::pleft, x());
    m_settings.write(SettingKeys::ptop, y());
}

void TPatForm::refresh() {
    updateCaption();
    repaint();
}

void TPatForm::updateCaption() {
    const QString caption = previewCaption(m_state);
    if (windowTitle() != caption) {
        setWindowTitle(caption);
        // The narrow title bar cuts long category names; the tooltip shows the whole caption.
        setToolTip(caption);
    }
}

void TPatForm::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.fillRect(rect(), QColor(kGround));
    painter.setBrush(Qt::black);
    const TPatternRecord& pattern = m_state.currentPattern();
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const PieceCorners corners =
            PieceOutline(piece, pattern[static_cast<std::size_t>(piece - 1)]);
        QPolygon polygon;
        for (int v = 0; v < corners.count; ++v) {
            const GridOffset corner = corners.points[static_cast<std::size_t>(v)];
            polygon << QPoint(2 * corner.x, 2 * corner.y);
        }
        if (!polygon.isEmpty())
            painter.drawPolygon(polygon);
    }
    // The caption belongs to the picture: a repaint after a language change updates it too.
    updateCaption();
}

void TPatForm::closeEvent(QCloseEvent* event) {
    // The player cannot close the preview (a window manager may still offer it); the program can.
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

} // namespace tangram
