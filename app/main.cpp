// SPDX-License-Identifier: GPL-3.0-or-later
// Wimbo Tangram: creates the main window, shows it, and creates the other windows once, in their
// order, as soon as the main window's first frame is on the screen; then runs the event loop until
// the main window closes. A missing pattern library ends the program with a message before any
// window is shown.
//
// The first frame needs only the main window: the other windows lay out texts (the font database
// is read for that), load icon themes and show the preview, the program icon is drawn from a
// scalable picture; all that waits until the frame is painted, so the window appears as fast as a
// bare one. The audio libraries wait longer still, until the splash goes.
#include "ui/Main.h"
#include "dialogs/Splasher.h"
#include "dialogs/gamewindows.h"
#include "services/settingsstore.h"
#include "services/soundoutput.h"
#include "ui/glyphs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <memory>

namespace {

// Creates the game's other windows right after the main window's first paint (a queued call, so
// the frame is flushed first), and at once should the main window be activated earlier, because
// its first activation opens the splash and the language dialog.
class OtherWindows : public QObject {
public:
    OtherWindows(tangram::TMainform& main, tangram::SettingsStore& settings)
        : m_main(main), m_settings(settings) {
        main.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_main && !m_windows) {
            if (event->type() == QEvent::Paint && !m_queued) {
                m_queued = true;
                QTimer::singleShot(0, this, &OtherWindows::create);
            } else if (event->type() == QEvent::ActivationChange) {
                create();
            }
        }
        return false;
    }

    void create() {
        if (m_windows) {
            return;
        }
        m_main.removeEventFilter(this);
        QApplication::setWindowIcon(tangram::programIcon());
        m_windows = std::make_unique<tangram::GameWindows>(m_main, m_settings);
    }

private:
    tangram::TMainform& m_main;
    tangram::SettingsStore& m_settings;
    std::unique_ptr<tangram::GameWindows> m_windows;
    bool m_queued = false;
};

// Loads the audio libraries for the sounds while the splash is up: at the player's first click or
// key (which is what closes the splash), or when the splash closes by itself, whichever comes
// first. No piece can be lifted before then, so the first sound finds them ready; the first frame
// and the start-up's memory do without them.
class SoundPreload : public QObject {
public:
    SoundPreload() {
        qApp->installEventFilter(this);
        QTimer::singleShot(tangram::TSplash::kIntervalMs, this, &SoundPreload::preload);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
            preload();
        }
        return false;
    }

    void preload() {
        qApp->removeEventFilter(this);
        tangram::preloadSystemSoundOutput(); // does nothing the second time
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wimbo Tangram"));
    QApplication::setOrganizationName(QStringLiteral("WimboGames"));
    QApplication::setDesktopFileName(QStringLiteral("org.wimbogames.WimboTangram"));

    tangram::SettingsStore settings;
    tangram::TMainform mainform(settings);
    if (!mainform.libraryError().isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Wimbo Tangram"), mainform.libraryError());
        return 1;
    }
    // Tells the main window apart from the game's other windows of the same title, for window
    // managers' rules and for the start-up benchmark.
    mainform.setWindowRole(QStringLiteral("main"));
    // Destroyed before the main window, which the other windows refer to.
    OtherWindows windows(mainform, settings);
    SoundPreload sounds;
    // A main window that is never painted (started minimised) still gets its windows.
    QTimer::singleShot(1000, &windows, &OtherWindows::create);
    QObject::connect(&mainform, &tangram::TMainform::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    mainform.show();
    return app.exec();
}
