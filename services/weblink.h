// SPDX-License-Identifier: GPL-3.0-or-later
// The link to the game's home page, opened in the player's default browser from the toolbar's web
// button. The address is a build setting (WT_WEB_ADDRESS); a build without one has no web button.
// If the desktop cannot open the page once, the link is switched off for the rest of the run:
// open() then fails at once instead of trying again on every click, and the window says so.
#pragma once

#include <QUrl>
#include <functional>

namespace tangram {

class WebLink {
public:
    // Hands the address to the desktop and says whether that worked. Tests hand in their own; the
    // game uses QDesktopServices::openUrl.
    using Opener = std::function<bool(const QUrl&)>;

    explicit WebLink(QUrl address = configuredAddress(), Opener opener = {});

    // Whether there is a page to open at all.
    bool hasAddress() const { return m_address.isValid() && !m_address.isEmpty(); }
    const QUrl& address() const { return m_address; }
    // Opens the page; false when there is none, the link is off or the desktop reported a failure.
    bool open();
    bool isEnabled() const { return m_enabled; }

    // The address the build was configured with; empty without one.
    static QUrl configuredAddress();

private:
    QUrl m_address;
    Opener m_opener;
    bool m_enabled = true;
};

} // namespace tangram
