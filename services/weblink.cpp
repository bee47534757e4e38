// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/weblink.h"

#include <QDesktopServices>

namespace tangram {

WebLink::WebLink(Opener opener) : m_opener(std::move(opener)) {
    if (!m_opener)
        m_opener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

QUrl WebLink::url() {
    return QUrl(QString::fromLatin1(kHomePage));
}

bool WebLink::open() {
    if (!m_enabled)
        return false;
    if (!m_opener(url()))
        m_enabled = false;
    return m_enabled;
}

} // namespace tangram
