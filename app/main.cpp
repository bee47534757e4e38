// SPDX-License-Identifier: GPL-3.0-or-later
// Wimbo Tangram: creates the main window and the other windows once, in their order, and runs the
// event loop until the main window closes. A missing pattern library ends the program with a
// message before any window is shown.
#include "ui/Main.h"
#include "dialogs/gamewindows.h"
#include "services/settingsstore.h"
#include "ui/glyphs.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wimbo Tangram"));
    QApplication::setOrganizationName(QStringLiteral("WimboGames"));
    QApplication::setDesktopFileName(QStringLiteral("org.wimbogames.WimboTangram"));
    QApplication::setWindowIcon(tangram::programIcon());

    tangram::SettingsStore settings;
    tangram::TMainform mainform(settings);
    if (!mainform.libraryError().isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Wimbo Tangram"), mainform.libraryError());
        return 1;
    }
    // Tells the main window apart from the game's other windows of the same title, for window
    // managers' rules and for the start-up benchmark.
    mainform.setWindowRole(QStringLiteral("main"));
    tangram::GameWindows windows(mainform, settings);
    QObject::connect(&mainform, &tangram::TMainform::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    mainform.show();
    return app.exec();
}
