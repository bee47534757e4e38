// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the file operations and the category names. They are written in English and come out in
// the language whose translations are installed (services/translations.h). The file-related
// messages name only the last component of the path.
#pragma once

#include <QString>

namespace tangram {

// The last component of `path` with its extension, without the folder ("/a/b/puzzle.pzs" ->
// "puzzle.pzs"); empty when the path ends in a separator.
QString fileNamePart(const QString& path);

// The pattern library could not be opened; the program ends after showing it.
QString missingLibraryMessage();
// Question before an existing progress file is replaced; Yes means overwrite.
QString overwriteQuestion(const QString& path);
QString saveFailedMessage(const QString& path);

// Why a save failed, each with its own message; the first is the text above.
enum class SaveFault {
    NotWritable,     // drive full, write-protected, no access
    FolderInTheWay,  // a folder stands where the file should be
    TooLarge,        // the file there is longer than any progress file
    NotProgressFile, // the file there holds something else (or is no regular file)
    InUse,           // another running game is saving the same file right now
};
QString saveFailedMessage(const QString& path, SaveFault fault);
QString loadFailedMessage(const QString& path);
// Asked when progress could not be saved before a command that would drop it; `reason` is the
// save error. The answers: back to the game, or on without saving.
QString unsavedProgressQuestion(const QString& reason);
QString goBackCaption();
QString continueWithoutSavingCaption();
// The web page could not be opened (no browser, or the address was refused).
QString webPageFailedMessage();
// The settings could not be written at close; `location` is where they are kept.
QString settingsNotSavedMessage(const QString& location);

// Name of category 0..7; an empty text for any other category, so that a damaged settings value
// shows nothing rather than crashing.
QString categoryName(int category);

// The name the save dialog's choice is stored under: the extension of the last path component is
// replaced by ".pzs", or ".pzs" is added when it has none. Only the last component counts, so dots
// in folder names are left alone ("dir.with.dot/name" -> "dir.with.dot/name.pzs"). A leading dot
// starts a hidden file's name, not an extension (".hidden" -> ".hidden.pzs"). A trailing dot is an
// empty extension ("game." -> "game.pzs"). An empty name or one ending in '/' names no file and is
// returned unchanged.
QString forcePzsExtension(const QString& name);

} // namespace tangram
