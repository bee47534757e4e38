<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Categories</name>
    <message>
        <source>humans</source>
        <translation>Menschen</translation>
    </message>
    <message>
        <source>animals</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>tools and household stuff</source>
        <translation>Werkzeuge und Hausrat</translation>
    </message>
    <message>
        <source>buildings and ships</source>
        <translation>Gebäude und Schiffe</translation>
    </message>
    <message>
        <source>figures and shapes</source>
        <translation>Figuren und Formen</translation>
    </message>
    <message>
        <source>twin Tangrams</source>
        <translation>Zwillingstangrams</translation>
    </message>
    <message>
        <source>convex Tangrams</source>
        <translation>Konvexe Tangrams</translation>
    </message>
    <message>
        <source>letters and numbers</source>
        <translation>Buchstaben und Ziffern</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>I want to continue an old game.</source>
        <translation>Ich hol mir einen alten Spielstand.</translation>
    </message>
    <message>
        <source>Save often, save always.</source>
        <translation>Einmal zu oft gesichert ist besser als einmal zu wenig.</translation>
    </message>
    <message>
        <source>I want to play a new game.</source>
        <translation>Ich fang ein neues Spiel an.</translation>
    </message>
    <message>
        <source>I try another Tangram.</source>
        <translation>Ich probier ein anderes Tangram.</translation>
    </message>
    <message>
        <source>I take the next Tangram.</source>
        <translation>Ich nehm&apos; das nächste Tangram.</translation>
    </message>
    <message>
        <source>I take the previous Tangram.</source>
        <translation>Ich nehm&apos; das vorige Tangram.</translation>
    </message>
    <message>
        <source>I need a little help.</source>
        <translation>Ich lass mir unter die Arme greifen.</translation>
    </message>
    <message>
        <source>Let me see, what I&apos;ve solved until now.</source>
        <translation>Mal sehen, was ich bisher schon geschafft habe.</translation>
    </message>
    <message>
        <source>I don&apos;t like the sound always.</source>
        <translation>Die Geräusche mag ich nicht immer.</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>Worum geht&apos;s da eigentlich?</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>Ich hab genug!</translation>
    </message>
    <message>
        <source>Who did this WIMBO GAME?</source>
        <translation>Wer hat dieses Spiel nur verbrochen?</translation>
    </message>
    <message>
        <source>Hurrah, there are more WIMBO GAMES.</source>
        <translation>Hurra, es gibt noch mehr Wimbo Games.</translation>
    </message>
    <message>
        <source>Ich spreche nicht Englisch.</source>
        <extracomment>Written in the other language: the button offers the switch to it. In English it is German, so the German translation is English.</extracomment>
        <translation>I don&apos;t speak German.</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>Kategorie: %1</translation>
    </message>
    <message>
        <source>Wimbo Tangram - Game %1</source>
        <translation>Wimbo Tangram - Spiel %1</translation>
    </message>
    <message>
        <source>On the board: Tab lifts the next piece, the arrow keys move it, Q and E turn it, M mirrors the parallelogram, Enter or Space puts it down; the mouse wheel turns it.</source>
        <translation>Auf dem Brett: Tab nimmt das nächste Teil auf, die Pfeiltasten schieben es, Q und E drehen es, M spiegelt das Parallelogramm, Eingabe oder Leertaste legt es ab; das Mausrad dreht es.</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>%1 - %2 - dropped</source>
        <translation>%1 - %2 - aufgegeben</translation>
    </message>
    <message>
        <source>%1 - %2 - solved</source>
        <translation>%1 - %2 - gelöst</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>For no Tangram you didn&apos;t need any help. </source>
        <translation>kein Tangram keine, </translation>
    </message>
    <message>
        <source>For one Tangram you didn&apos;t need any help. </source>
        <translation>ein Tangram keine, </translation>
    </message>
    <message>
        <source>For %1 Tangrams you didn&apos;t need any help. </source>
        <translation>%1 Tangrams keine, </translation>
    </message>
    <message>
        <source>For no Tangram you needed little, </source>
        <translation>für kein Tangram wenig, </translation>
    </message>
    <message>
        <source>For one Tangram you needed little, </source>
        <translation>für ein Tangram wenig, </translation>
    </message>
    <message>
        <source>For %1 Tangrams you needed little, </source>
        <translation>für %1 Tangrams wenig, </translation>
    </message>
    <message>
        <source>for no Tangram some more </source>
        <translation>für kein Tangram etwas mehr </translation>
    </message>
    <message>
        <source>for one Tangram some more </source>
        <translation>für ein Tangram etwas mehr </translation>
    </message>
    <message>
        <source>for %1 Tangrams some more </source>
        <translation>für %1 Tangrams etwas mehr </translation>
    </message>
    <message>
        <source>and for no Tangram much help. </source>
        <translation>und für kein Tangram viel</translation>
    </message>
    <message>
        <source>and for one Tangram much help. </source>
        <translation>und für ein Tangram viel</translation>
    </message>
    <message>
        <source>and for %1 Tangrams much help. </source>
        <translation>und für %1 Tangrams viel</translation>
    </message>
    <message>
        <source>You dropped no Tangram.</source>
        <translation>Du hast kein Tangram aufgegeben.</translation>
    </message>
    <message>
        <source>You dropped one Tangram.</source>
        <translation>Ein Tangram hast Du aufgegeben.</translation>
    </message>
    <message>
        <source>You dropped %1 Tangrams.</source>
        <translation>Du hast %1 Tangrams aufgegeben.</translation>
    </message>
    <message>
        <source>%1%2%3%4%5</source>
        <extracomment>The help sentence: %1 to %4 are the groups without help, with little, some more and much help, %5 the dropped ones, each worded by its own text.</extracomment>
        <translation>Du hast für %1%2%3%4 Hilfe benötigt. %5</translation>
    </message>
    <message>
        <source>Tangram statistics - category: %1</source>
        <translation>Tangram Statistik - Kategorie: %1</translation>
    </message>
    <message>
        <source>Tangram statistics for game %1 - category: %2</source>
        <translation>Tangram Statistik für Spiel %1 - Kategorie: %2</translation>
    </message>
    <message>
        <source>Until now no Tangram was solved !!!</source>
        <translation>Bisher wurde noch kein Tangram gelöst !!!</translation>
    </message>
    <message>
        <source>Until now one out of total %1 Tangrams was solved.</source>
        <translation>Bisher wurde eines von insgesamt %1 Tangrams gelöst.</translation>
    </message>
    <message>
        <source>Until now %1 out of total %2 Tangrams were solved.</source>
        <translation>Bisher wurden %1 von insgesamt %2 Tangrams gelöst.</translation>
    </message>
    <message>
        <source>Until now you&apos;ve reached %1 out of %2 possible points.</source>
        <translation>Du hast bisher %1 von %2 möglichen Punkten erreicht.</translation>
    </message>
    <message>
        <source>Sorry, until now you&apos;ve reached no points.</source>
        <translation>Du hast bisher leider keine Punkte erreicht.</translation>
    </message>
    <message>
        <source>Hurrah, you reached all possible points.</source>
        <translation>Hurra, Du hast alle möglichen Punkte erreicht.</translation>
    </message>
    <message>
        <source>You reached %1 out of %2 possible points.</source>
        <translation>Du hast %1 von %2 möglichen Punkten erreicht.</translation>
    </message>
    <message>
        <source>Sorry, you reached no points.</source>
        <translation>Du hast leider keinen einzigen Punkt erreicht.</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Can&apos;t find file kelm.dat. Program aborted.</source>
        <translation>Datei kelm.dat konnte nicht gefunden werden. Programm wird abgebrochen.</translation>
    </message>
    <message>
        <source>Game %1 already exists. Overwrite?</source>
        <translation>Spiel %1 existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Cannot save game %1. Drive full or not writable.</source>
        <translation>Kann Spiel %1 nicht speichern. Datenträger voll oder nicht beschreibbar.</translation>
    </message>
    <message>
        <source>Error occurred while loading file %1!</source>
        <translation>Fehler beim Laden des Spiels %1!</translation>
    </message>
    <message>
        <source>Cannot save game %1. A folder of that name is in the way.</source>
        <translation>Kann Spiel %1 nicht speichern. Dort steht ein Ordner gleichen Namens.</translation>
    </message>
    <message>
        <source>Cannot save game %1. The file there is too large for a progress file and was left unchanged.</source>
        <translation>Kann Spiel %1 nicht speichern. Die vorhandene Datei ist zu groß für einen Spielstand und bleibt unverändert.</translation>
    </message>
    <message>
        <source>Cannot save game %1. The file there is not a progress file and was left unchanged.</source>
        <translation>Kann Spiel %1 nicht speichern. Die vorhandene Datei ist kein Spielstand und bleibt unverändert.</translation>
    </message>
    <message>
        <source>Cannot save game %1. Another running Wimbo Tangram is saving the same file. Please try again.</source>
        <translation>Kann Spiel %1 nicht speichern. Ein anderes laufendes Wimbo Tangram speichert gerade dieselbe Datei. Bitte noch einmal versuchen.</translation>
    </message>
    <message>
        <source>Go back to the game, or go on without saving?</source>
        <translation>Zurück zum Spiel, oder ohne zu sichern weiter?</translation>
    </message>
    <message>
        <source>Back to the game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Go on without saving</source>
        <translation>Ohne Sichern weiter</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser was found.</source>
        <translation>Die Webseite konnte nicht geöffnet werden: kein Webbrowser gefunden.</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1. The game will start with the settings it had before.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden. Das Spiel startet mit den Einstellungen, die es vorher hatte.</translation>
    </message>
</context>
<context>
    <name>tangram::HelpViewer</name>
    <message>
        <source>Cannot find or read the help file %1:
%2</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden oder kann nicht gelesen werden:
%2</translation>
    </message>
    <message>
        <source>Wimbo Tangram - Rules</source>
        <translation>Wimbo Tangram - Spielregeln</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tangram::TMultiDlg</name>
    <message>
        <source>Info about...</source>
        <translation>Info über...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wimbo Tangram developers&lt;/b&gt;&lt;br&gt;&lt;br&gt;A tangram puzzle game: lay each figure again from the seven pieces.&lt;br&gt;&lt;br&gt;This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>&lt;b&gt;Die Entwickler von Wimbo Tangram&lt;/b&gt;&lt;br&gt;&lt;br&gt;Ein Tangram-Legespiel: Lege jede Figur aus den sieben Teilen nach.&lt;br&gt;&lt;br&gt;Dieses Programm ist freie Software: Du darfst es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Deiner Wahl) jeder späteren Version, weitergeben und verändern. Es wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt.</translation>
    </message>
</context>
<context>
    <name>tangram::TSelectDlg</name>
    <message>
        <source>Select Tangram</source>
        <translation>Tangram wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Which previous Tangram I haven&apos;t solved yet?</source>
        <translation>Welches vorhergehende Tangram hab ich noch nicht geschafft?</translation>
    </message>
    <message>
        <source>Which following Tangram I haven&apos;t solved yet?</source>
        <translation>Welches folgende Tangram hab ich noch nicht geschafft?</translation>
    </message>
    <message>
        <source>A mouse click and the Tangram is selected.</source>
        <translation>Ein Mausklick und schon geht&apos;s mit diesem Tangram los.</translation>
    </message>
</context>
<context>
    <name>tangram::TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Hurra, geschafft!</translation>
    </message>
    <message>
        <source>Do you really want to give up the level?</source>
        <translation>Willst Du die Stufe wirklich aufgeben?</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Willst Du wirklich schon aufhören?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Willst Du das Spiel wirklich aufgeben?</translation>
    </message>
    <message>
        <source>Sorry, you weren&apos;t quick enough!</source>
        <translation>Du warst leider zu langsam!</translation>
    </message>
    <message>
        <source>Congratulations, you solved all levels.</source>
        <translation>Gratulation, Du hast alle Stufen gelöst.</translation>
    </message>
    <message>
        <source>Sorry, game over!</source>
        <translation>Das Spiel ist leider aus.</translation>
    </message>
    <message>
        <source>The next level is waiting!</source>
        <translation>Auf zur nächsten Stufe!</translation>
    </message>
    <message>
        <source>Sorry, that was it!</source>
        <translation>Du hast leider verloren!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
</TS>
