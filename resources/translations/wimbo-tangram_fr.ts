<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>tangram::TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Super, tu as réussi!</translation>
    </message>
    <message>
        <source>Do you really want to give up the level?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Veux-tu vraiment arrêter?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Veux-tu vraiment abandonner le jeu?</translation>
    </message>
    <message>
        <source>Sorry, you weren&apos;t quick enough!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations, you solved all levels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, game over!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next level is waiting!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, that was it!</source>
        <translation>Tu as malheureusement perdu!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
</TS>
