// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Splasher.h"

#include "dialogs/TitlePicture.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace tangram {

TSplash::TSplash(QWidget* parent, int intervalMs) : QDialog(parent) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Wimbo Tangram"));
    // Tells it apart from the other windows of the same title (window manager rules, tests).
    setWindowRole(QStringLiteral("splash"));
    setFixedSize(200, 150);

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setGeometry(rect());
    m_image->setPixmap(QPixmap::fromImage(titlePicture(devicePixelRatioF())));

    // The interval counts from creation, not from showing: the splash covers the start-up.
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(intervalMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_timeIsUp = true;
        Click();
    });
    m_timer->start();
}

int TSplash::exec() {
    if (m_timeIsUp)
        return QDialog::Accepted;
    return QDialog::exec();
}

void TSplash::Click() {
    accept();
}

void TSplash::mousePressEvent(QMouseEvent* event) {
    Q_UNUSED(event);
    Click();
}

void TSplash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QScreen* where = parentWidget() ? parentWidget()->screen() : screen();
    if (where) {
        QRect frame = frameGeometry();
        frame.moveCenter(where->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace tangram
