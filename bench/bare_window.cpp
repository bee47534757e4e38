// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: a bare Qt Widgets window of the same size, built in the
// same tree with the same flags, carrying the window role the start-up probe looks for.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.setWindowRole(QStringLiteral("main"));
    window.resize(683, 454);
    window.show();
    return app.exec();
}
