// SPDX-License-Identifier: GPL-3.0-or-later
// The link to the game's home page, opened in the player's default browser from the toolbar's web
// button. If the desktop cannot open it once, the link is switched off for the rest of the run,
// silently: the button then does nothing instead of failing again on every click.
#pragma once

#include <QUrl>
#include <functional>

namespace tangram {

class WebLink {
public:
    static constexpr const char* kHomePage = "https://wimbo-tangram.example.org";

    // Hands the address to the desktop and says whether that worked. Tests hand in their own; the
    // game uses QDesktopServices::openUrl.
    using Opener = std::function<bool(const QUrl&)>;

    explicit WebLink(Opener opener = {});

    // Opens the home page; false when the link is off or the desktop reported a failure.
    bool open();
    bool isEnabled() const { return m_enabled; }

    static QUrl url();

private:
    Opener m_opener;
    bool m_enabled = true;
};

} // namespace tangram
