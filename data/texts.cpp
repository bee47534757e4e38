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

QString loadFailedMessage(const QString& path) {
    return QCoreApplication::translate("Texts", "Error occurred while loading file %1!")
        .arg(fileNamePart(path));
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
