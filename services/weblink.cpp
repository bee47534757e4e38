// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/weblink.h"

#include <QDesktopServices>

#ifndef WT_WEB_ADDRESS
#define WT_WEB_ADDRESS ""
#endif

namespace tangram {

WebLink::WebLink(QUrl address, Opener opener)
    : m_address(std::move(address)), m_opener(std::move(opener)) {
    if (!m_opener)
        m_opener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

QUrl WebLink::configuredAddress() {
    return QUrl(QString::fromUtf8(WT_WEB_ADDRESS), QUrl::StrictMode);
}

bool WebLink::open() {
    if (!hasAddress() || !m_enabled)
        return false;
    if (!m_opener(m_address))
        m_enabled = false;
    return m_enabled;
}

} // namespace tangram
