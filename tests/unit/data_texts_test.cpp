// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/texts.h"
#include "tests/unit/language_support.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace tangram;
using tangram::testing::ScopedLanguage;

namespace {

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

TEST(Texts, FileMessagesNameOnlyTheLastComponent) {
    const QString path = "/home/player/my.games/puzzle.pzs";
    EXPECT_EQ(fileNamePart(path), "puzzle.pzs");
    EXPECT_EQ(overwriteQuestion(path), "Game puzzle.pzs already exists. Overwrite?");
    EXPECT_EQ(saveFailedMessage(path), "Cannot save game puzzle.pzs. Drive full or not writable.");
    EXPECT_EQ(loadFailedMessage(path), "Error occurred while loading file puzzle.pzs!");
    ScopedLanguage german(Language::German);
    ASSERT_TRUE(german.installed());
    EXPECT_EQ(overwriteQuestion(path), utf8("Spiel puzzle.pzs existiert bereits. Überschreiben?"));
    EXPECT_EQ(saveFailedMessage(path),
              utf8("Kann Spiel puzzle.pzs nicht speichern. Datenträger voll oder nicht "
                   "beschreibbar."));
    EXPECT_EQ(loadFailedMessage(path), "Fehler beim Laden des Spiels puzzle.pzs!");
}

// A file name that looks like a place marker is shown as it is.
TEST(Texts, FileNameIsNotReadAsPlaceMarker) {
    ScopedLanguage german(Language::German);
    EXPECT_EQ(overwriteQuestion("/tmp/%1%2.pzs"), utf8("Spiel %1%2.pzs existiert bereits. Überschreiben?"));
}

TEST(Texts, EveryLanguageButOneIsEnglish) {
    for (const Language language : {Language::NotChosen, Language::English, Language::French}) {
        ScopedLanguage installed(language);
        EXPECT_EQ(missingLibraryMessage(), "Can't find file kelm.dat. Program aborted.");
        EXPECT_EQ(loadFailedMessage("a.pzs"), "Error occurred while loading file a.pzs!");
        EXPECT_EQ(categoryName(0), "humans");
    }
    ScopedLanguage german(Language::German);
    EXPECT_EQ(missingLibraryMessage(),
              "Datei kelm.dat konnte nicht gefunden werden. Programm wird abgebrochen.");
}

TEST(Texts, CategoryNamesInBothLanguages) {
    const char* english[] = {"humans",
                             "animals",
                             "tools and household stuff",
                             "buildings and ships",
                             "figures and shapes",
                             "twin Tangrams",
                             "convex Tangrams",
                             "letters and numbers"};
    const char* german[] = {"Menschen",
                            "Tiere",
                            "Werkzeuge und Hausrat",
                            "Gebäude und Schiffe",
                            "Figuren und Formen",
                            "Zwillingstangrams",
                            "Konvexe Tangrams",
                            "Buchstaben und Ziffern"};
    for (int category = 0; category < 8; ++category)
        EXPECT_EQ(categoryName(category), utf8(english[category]));
    ScopedLanguage installed(Language::German);
    for (int category = 0; category < 8; ++category) {
        EXPECT_EQ(categoryName(category), utf8(german[category]));
        EXPECT_LE(categoryName(category).size(), 25);
    }
}

TEST(Texts, CategoryOutsideTheTableHasNoName) {
    ScopedLanguage installed(Language::German);
    for (const int category : {-1, 8, 1000})
        EXPECT_TRUE(categoryName(category).isEmpty());
}

TEST(Texts, PzsExtensionReplacesOrAdds) {
    EXPECT_EQ(forcePzsExtension("puzzle.txt"), "puzzle.pzs");
    EXPECT_EQ(forcePzsExtension("puzzle"), "puzzle.pzs");
    EXPECT_EQ(forcePzsExtension("puzzle.pzs"), "puzzle.pzs");
    EXPECT_EQ(forcePzsExtension("puzzle.PZS"), "puzzle.pzs");
    EXPECT_EQ(forcePzsExtension("archive.tar.gz"), "archive.tar.pzs");
    EXPECT_EQ(forcePzsExtension("/home/p/game."), "/home/p/game.pzs");
    EXPECT_EQ(forcePzsExtension("/home/p/puzzle.txt"), "/home/p/puzzle.pzs");
}

TEST(Texts, PzsExtensionLooksOnlyAtTheFileName) {
    EXPECT_EQ(forcePzsExtension("dir.with.dot/name"), "dir.with.dot/name.pzs");
    EXPECT_EQ(forcePzsExtension("/a.b/c.d/name"), "/a.b/c.d/name.pzs");
    EXPECT_EQ(forcePzsExtension(".hidden"), ".hidden.pzs");
    EXPECT_EQ(forcePzsExtension("/home/p/.hidden"), "/home/p/.hidden.pzs");
    EXPECT_EQ(forcePzsExtension("/home/p/.hidden.txt"), "/home/p/.hidden.pzs");
    EXPECT_EQ(forcePzsExtension(""), "");
    EXPECT_EQ(forcePzsExtension("/home/p/"), "/home/p/");
}

TEST(Texts, EverySaveFaultHasItsOwnMessageInBothLanguages) {
    const QString path = "/saves/puzzle.pzs";
    const SaveFault faults[] = {SaveFault::NotWritable, SaveFault::FolderInTheWay,
                                SaveFault::TooLarge, SaveFault::NotProgressFile, SaveFault::InUse};
    QStringList seen;
    for (const SaveFault fault : faults) {
        const QString english = saveFailedMessage(path, fault);
        EXPECT_TRUE(english.startsWith("Cannot save game puzzle.pzs. ")) << english.toStdString();
        seen << english;
    }
    EXPECT_EQ(saveFailedMessage(path, SaveFault::NotWritable), saveFailedMessage(path));
    ScopedLanguage german(Language::German);
    ASSERT_TRUE(german.installed());
    for (const SaveFault fault : faults) {
        const QString text = saveFailedMessage(path, fault);
        EXPECT_TRUE(text.startsWith("Kann Spiel puzzle.pzs nicht speichern. ")) << text.toStdString();
        seen << text;
    }
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), 10);
    EXPECT_EQ(saveFailedMessage(path, SaveFault::FolderInTheWay),
              utf8("Kann Spiel puzzle.pzs nicht speichern. Dort steht ein Ordner gleichen "
                   "Namens."));
}
