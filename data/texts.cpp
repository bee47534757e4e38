// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/texts.h"

#include <array>

namespace tangram {

QString fileNamePart(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString missingLibraryMessage(Language language) {
    return isGerman(language)
               ? QStringLiteral("Datei kelm.dat konnte nicht gefunden werden. Programm wird "
                                "abgebrochen.")
               : QStringLiteral("Can't find file kelm.dat. Program aborted.");
}

QString overwriteQuestion(Language language, const QString& path) {
    const QString name = fileNamePart(path);
    return isGerman(language)
               ? QStringLiteral("Spiel ") + name +
                     QStringLiteral(" existiert bereits. Überschreiben?")
               : QStringLiteral("Game ") + name + QStringLiteral(" already exists. Overwrite?");
}

QString saveFailedMessage(Language language, const QString& path) {
    const QString name = fileNamePart(path);
    return isGerman(language) ? QStringLiteral("Kann Spiel ") + name +
                                    QStringLiteral(" nicht speichern. Datenträger voll oder nicht "
                                                   "beschreibbar.")
                              : QStringLiteral("Cannot save game ") + name +
                                    QStringLiteral(". Drive full or not writable.");
}

QString saveFailedMessage(Language language, const QString& path, SaveFault fault) {
    if (fault == SaveFault::NotWritable)
        return saveFailedMessage(language, path);
    const QString name = fileNamePart(path);
    const bool german = isGerman(language);
    const QString start =
        german ? QStringLiteral("Kann Spiel ") + name + QStringLiteral(" nicht speichern. ")
               : QStringLiteral("Cannot save game ") + name + QStringLiteral(". ");
    switch (fault) {
    case SaveFault::FolderInTheWay:
        return start + (german ? QStringLiteral("Dort steht ein Ordner gleichen Namens.")
                               : QStringLiteral("A folder of that name is in the way."));
    case SaveFault::TooLarge:
        return start + (german ? QStringLiteral("Die vorhandene Datei ist zu groß für einen "
                                                "Spielstand und bleibt unverändert.")
                               : QStringLiteral("The file there is too large for a progress "
                                                "file and was left unchanged."));
    case SaveFault::NotProgressFile:
        return start + (german ? QStringLiteral("Die vorhandene Datei ist kein Spielstand und "
                                                "bleibt unverändert.")
                               : QStringLiteral("The file there is not a progress file and was "
                                                "left unchanged."));
    case SaveFault::InUse:
        return start + (german ? QStringLiteral("Ein anderes laufendes Wimbo Tangram speichert "
                                                "gerade dieselbe Datei. Bitte noch einmal "
                                                "versuchen.")
                               : QStringLiteral("Another running Wimbo Tangram is saving the "
                                                "same file. Please try again."));
    case SaveFault::NotWritable:
        break;
    }
    return saveFailedMessage(language, path);
}

QString loadFailedMessage(Language language, const QString& path) {
    const QString name = fileNamePart(path);
    return isGerman(language)
               ? QStringLiteral("Fehler beim Laden des Spiels ") + name + QLatin1Char('!')
               : QStringLiteral("Error occured while loading file ") + name + QLatin1Char('!');
}

QString unsavedProgressQuestion(Language language, const QString& reason) {
    return isGerman(language)
               ? reason + QStringLiteral("\n\nZurück zum Spiel, oder ohne zu sichern weiter?")
               : reason + QStringLiteral("\n\nGo back to the game, or go on without saving?");
}

QString goBackCaption(Language language) {
    return isGerman(language) ? QStringLiteral("Zurück zum Spiel") : QStringLiteral("Back to the game");
}

QString continueWithoutSavingCaption(Language language) {
    return isGerman(language) ? QStringLiteral("Ohne Sichern weiter")
                              : QStringLiteral("Go on without saving");
}

QString webPageFailedMessage(Language language) {
    return isGerman(language)
               ? QStringLiteral("Die Webseite konnte nicht geöffnet werden: kein Browser gefunden.")
               : QStringLiteral("The web page could not be opened: no web browser was found.");
}

QString categoryName(Language language, int category) {
    static const std::array<const char16_t*, 8> english{u"humans",
                                                        u"animals",
                                                        u"tools and household stuff",
                                                        u"buildings and ships",
                                                        u"figures and shapes",
                                                        u"twin Tangrams",
                                                        u"convex Tangrams",
                                                        u"letters and numbers"};
    static const std::array<const char16_t*, 8> german{u"Menschen",
                                                       u"Tiere",
                                                       u"Werkzeuge und Hausrat",
                                                       u"Gebäude und Schiffe",
                                                       u"Figuren und Formen",
                                                       u"Zwillingstangrams",
                                                       u"Konvexe Tangrams",
                                                       u"Buchstaben und Ziffern"};
    if (category < 0 || category >= static_cast<int>(english.size()))
        return {};
    const auto index = static_cast<std::size_t>(category);
    return QString::fromUtf16(isGerman(language) ? german[index] : english[index]);
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
