// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the small windows' tests: answering a modal dialog from inside its event loop.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace tangram::testing {

// Calls `answer` with the active modal widget as soon as one is shown. If none appears within a
// few seconds the watch gives up, so a test whose dialog never opens fails instead of hanging.
// The flag returned turns true once `answer` has run.
inline std::shared_ptr<bool> whenModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer(qApp);
    const QDeadlineTimer deadline(5000);
    auto answered = std::make_shared<bool>(false);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, answer, answered] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && !deadline.hasExpired())
            return;
        poll->stop();
        poll->deleteLater();
        if (modal) {
            *answered = true;
            answer(modal);
        }
    });
    poll->start(5);
    return answered;
}

} // namespace tangram::testing
