// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/texts.h"

#include <QCoreApplication>

#include <array>

namespace tangram {

QString fileNamePart(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString missingLibraryMessage() {
    return QCoreApplication::translate("Texts", "Can't find file kelm.dat. Program aborted.");
}

QString overwriteQuestion(const QString& path) {
    return QCoreApplication::translate("Texts", "Game %1 already exists. Overwrite?")
        .arg(fileNamePart(path));
}

QString saveFailedMessage(const QString& path) {
    return QCoreApplication::translate("Texts", "Cannot save game %1. Drive full or not writable.")
        .arg(fileNamePart(path));
}

QString saveFailedMessage(const QString& path, SaveFault fault) {
    const QString name = fileNamePart(path);
    switch (fault) {
    case SaveFault::NotWritable:
        break;
    case SaveFault::FolderInTheWay:
        return QCoreApplication::translate("Texts",
                                           "Cannot save game %1. A folder of that name is in the way.")
            .arg(name);
    case SaveFault::TooLarge:
        return QCoreApplication::translate("Texts", "Cannot save game %1. The file there is too "
                                                    "large for a progress file and was left "
                                                    "unchanged.")
            .arg(name);
    case SaveFault::NotProgressFile:
        return QCoreApplication::translate("Texts", "Cannot save game %1. The file there is not a "
                                                    "progress file and was left unchanged.")
            .arg(name);
    case SaveFault::InUse:
        return QCoreApplication::translate("Texts", "Cannot save game %1. Another running Wimbo "
                                                    "Tangram is saving the same file. Please try "
                                                    "again.")
            .arg(name);
    }
    return saveFailedMessage(path);
}

QString loadFailedMessage(const QString& path) {
    return QCoreApplication::translate("Texts", "Error occurred while loading file %1!")
        .arg(fileNamePart(path));
}

QString unsavedProgressQuestion(const QString& reason) {
    return reason + QStringLiteral("\n\n") +
           QCoreApplication::translate("Texts", "Go back to the game, or go on without saving?");
}

QString goBackCaption() {
    return QCoreApplication::translate("Texts", "Back to the game");
}

QString continueWithoutSavingCaption() {
    return QCoreApplication::translate("Texts", "Go on without saving");
}

QString webPageFailedMessage() {
    return QCoreApplication::translate("Texts",
                                       "The web page could not be opened: no web browser was found.");
}

QString settingsNotSavedMessage(const QString& location) {
    return QCoreApplication::translate("Texts", "Your settings could not be saved in %1. The game "
                                                "will start with the settings it had before.")
        .arg(location);
}

QString categoryName(int category) {
    static const std::array<const char*, 8> names{
        QT_TRANSLATE_NOOP("Categories", "humans"),
        QT_TRANSLATE_NOOP("Categories", "animals"),
        QT_TRANSLATE_NOOP("Categories", "tools and household stuff"),
        QT_TRANSLATE_NOOP("Categories", "buildings and ships"),
        QT_TRANSLATE_NOOP("Categories", "figures and shapes"),
        QT_TRANSLATE_NOOP("Categories", "twin Tangrams"),
        QT_TRANSLATE_NOOP("Categories", "convex Tangrams"),
        QT_TRANSLATE_NOOP("Categories", "letters and numbers")};
    if (category < 0 || category >= static_cast<int>(names.size()))
        return {};
    return QCoreApplication::translate("Categories", names[static_cast<std::size_t>(category)]);
}

QString forcePzsExtension(const QString& name) {
    const qsizetype nameStart = name.lastIndexOf(QLatin1Char('/')) + 1;
    if (nameStart >= name.size())
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // A dot before the last component, or the very first character of it, starts no extension.
    const bool hasExtension = dot > nameStart;
    const QString stem = hasExtension ? name.left(dot) : name;
    return stem + QStringLiteral(".pzs");
}

} // namespace tangram
