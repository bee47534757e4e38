// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/texts.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace tangram;

namespace {

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

TEST(Texts, FileMessagesNameOnlyTheLastComponent) {
    const QString path = "/home/player/my.games/puzzle.pzs";
    EXPECT_EQ(fileNamePart(path), "puzzle.pzs");
    EXPECT_EQ(overwriteQuestion(Language::English, path), "Game puzzle.pzs already exists. Overwrite?");
    EXPECT_EQ(overwriteQuestion(Language::German, path),
              utf8("Spiel puzzle.pzs existiert bereits. Überschreiben?"));
    EXPECT_EQ(saveFailedMessage(Language::English, path),
              "Cannot save game puzzle.pzs. Drive full or not writable.");
    EXPECT_EQ(saveFailedMessage(Language::German, path),
              utf8("Kann Spiel puzzle.pzs nicht speichern. Datenträger voll oder nicht "
                   "beschreibbar."));
    EXPECT_EQ(loadFailedMessage(Language::English, path), "Error occured while loading file puzzle.pzs!");
    EXPECT_EQ(loadFailedMessage(Language::German, path), "Fehler beim Laden des Spiels puzzle.pzs!");
}

TEST(Texts, EveryLanguageButOneIsEnglish) {
    for (const Language language : {Language::NotChosen, Language::English, Language::French}) {
        EXPECT_EQ(missingLibraryMessage(language), "Can't find file kelm.dat. Program aborted.");
        EXPECT_EQ(loadFailedMessage(language, "a.pzs"), "Error occured while loading file a.pzs!");
        EXPECT_EQ(categoryName(language, 0), "humans");
    }
    EXPECT_EQ(missingLibraryMessage(Language::German),
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
    for (int category = 0; category < 8; ++category) {
        EXPECT_EQ(categoryName(Language::English, category), utf8(english[category]));
        EXPECT_EQ(categoryName(Language::German, category), utf8(german[category]));
        EXPECT_LE(categoryName(Language::German, category).size(), 25);
    }
}

TEST(Texts, CategoryOutsideTheTableHasNoName) {
    for (const int category : {-1, 8, 1000}) {
        EXPECT_TRUE(categoryName(Language::English, category).isEmpty());
        EXPECT_TRUE(categoryName(Language::German, category).isEmpty());
    }
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
        const QString english = saveFailedMessage(Language::English, path, fault);
        const QString german = saveFailedMessage(Language::German, path, fault);
        EXPECT_TRUE(english.startsWith("Cannot save game puzzle.pzs. ")) << english.toStdString();
        EXPECT_TRUE(german.startsWith("Kann Spiel puzzle.pzs nicht speichern. "))
            << german.toStdString();
        EXPECT_EQ(saveFailedMessage(languageFromSetting(7), path, fault), english);
        seen << english << german;
    }
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), 10);
    EXPECT_EQ(saveFailedMessage(Language::English, path, SaveFault::NotWritable), saveFailedMessage(Language::English, path));
    EXPECT_EQ(saveFailedMessage(Language::German, path, SaveFault::FolderInTheWay),
              utf8("Kann Spiel puzzle.pzs nicht speichern. Dort steht ein Ordner gleichen "
                   "Namens."));
}
