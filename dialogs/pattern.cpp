// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/pattern.h"

#include "game/progressqueries.h"
#include "data/texts.h"
#include "services/settingsstore.h"
#include "services/windowplacement.h"

#include <QApplication>
#include <QWindow>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace tangram {
namespace {

constexpr QRgb kGround = 0xC0C0C0; // the board's silver
// Room the window system's title bar keeps for its icon and buttons.
constexpr int kTitleBarReserve = 70;
constexpr int kNoPosition = std::numeric_limits<int>::min();

} // namespace

TPatForm::TPatForm(const GameState& state, SettingsStore& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_state(state), m_settings(settings) {
    // A click on the preview leaves the keyboard with the board.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    FormCreate();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TPatForm::followModalDialogs);
}

TPatForm::~TPatForm() {
    FormDestroy();
}

void TPatForm::FormCreate() {
    const int left = m_settings.ReadIntSetting(SettingKeys::section, SettingKeys::pleft.key,
                                               kNoPosition);
    const int top = m_settings.ReadIntSetting(SettingKeys::section, SettingKeys::ptop.key,
                                              kNoPosition);
    if (left != kNoPosition && top != kNoPosition)
        m_storedPosition = QPoint(left, top);
    move(m_storedPosition.value_or(QPoint(SettingKeys::pleft.defaultValue,
                                          SettingKeys::ptop.defaultValue)));
    setFixedSize(kClientWidth, kClientHeight);
    updateCaption();
}

void TPatForm::showBeside(const QRect& mainFrame, const QRect& board) {
    // Before the window is first framed its margins are not known; a usual title bar and border.
    const QMargins frame(4, 28, 4, 4);
    move(decidePreviewPosition(m_storedPosition, size(), frame, mainFrame, board,
                               availableScreenGeometries()));
    m_placed = true;
    // Placed again while a modal dialog has it hidden: it comes back when the dialog closes.
    if (!m_hiddenForDialog)
        show();
}

void TPatForm::followModalDialogs() {
    if (!m_placed)
        return;
    const bool dialogOpen = QApplication::activeModalWidget() != nullptr;
    if (dialogOpen && isVisible()) {
        m_hiddenForDialog = true;
        hide();
    } else if (!dialogOpen && m_hiddenForDialog) {
        m_hiddenForDialog = false;
        show();
    }
}

void TPatForm::FormDestroy() {
    m_settings.write(SettingKeys::pleft, x());
    m_settings.write(SettingKeys::ptop, y());
}

void TPatForm::refresh() {
    if (m_placed && isMinimized())
        showNormal();
    updateCaption();
    repaint();
}

QString TPatForm::fittedCaption(const GameState& state, const QFont& font, int width) {
    const QString caption = previewCaption(state);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(caption) <= width)
        return caption;
    // Only the category's name gives way; the number and the state always show whole.
    const QString category = categoryName(state.category);
    const QString rest = caption.mid(category.size());
    const int room = std::max(metrics.horizontalAdvance(QStringLiteral("W…")),
                              width - metrics.horizontalAdvance(rest));
    return metrics.elidedText(category, Qt::ElideRight, room) + rest;
}

void TPatForm::updateCaption() {
    QFont titleFont = font();
    titleFont.setBold(true);
    const QString caption = fittedCaption(m_state, titleFont, kClientWidth - kTitleBarReserve);
    if (windowTitle() != caption) {
        setWindowTitle(caption);
        // The tooltip shows the whole caption where the title had to shorten it.
        setToolTip(previewCaption(m_state));
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
