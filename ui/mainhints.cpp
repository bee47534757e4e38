// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainhints.h"

#include "data/texts.h"

namespace tangram {

QString hintText(ToolButtonId button, Language language) {
    const bool de = isGerman(language);
    switch (button) {
    case ToolButtonId::Load:
        return de ? QStringLiteral("Ich hol mir einen alten Spielstand.")
                  : QStringLiteral("I want to continue an old game.");
    case ToolButtonId::Save:
        return de ? QStringLiteral("Einmal zu oft gesichert ist besser als einmal zuwenig")
                  : QStringLiteral("Save often, save always.");
    case ToolButtonId::Newgame:
        return de ? QStringLiteral("Ich fang ein neues Spiel an.")
                  : QStringLiteral("I want to play a new game.");
    case ToolButtonId::Select:
        return de ? QStringLiteral("Ich probier ein anderes Tangram.")
                  : QStringLiteral("I try another Tangram.");
    case ToolButtonId::Up:
        return de ? QStringLiteral("Ich nehm' das nächste Tangram.")
                  : QStringLiteral("I take the next Tangram.");
    case ToolButtonId::Down:
        return de ? QStringLiteral("Ich nehm' das vorige Tangram.")
                  : QStringLiteral("I take the previous Tangram.");
    case ToolButtonId::Tip:
        return de ? QStringLiteral("Ich lass mir unter die Arme greifen.")
                  : QStringLiteral("I need a little help.");
    case ToolButtonId::Stat:
        return de ? QStringLiteral("Mal sehen, was ich bisher schon geschafft habe.")
                  : QStringLiteral("Let me see, what I've solved until now.");
    case ToolButtonId::Sound:
        return de ? QStringLiteral("Die Geräusche mag ich nicht immer.")
                  : QStringLiteral("I dont like the sound always.");
    case ToolButtonId::Rules:
        return de ? QStringLiteral("Worum geht's da eigentlich?")
                  : QStringLiteral("What's to do here?");
    case ToolButtonId::Exit:
        return de ? QStringLiteral("Ich hab genug!") : QStringLiteral("I have enough!");
    case ToolButtonId::Info:
        return de ? QStringLiteral("Wer hat dieses Spiel nur verbrochen?")
                  : QStringLiteral("Who did this WIMBO GAME?");
    case ToolButtonId::Web:
        return de ? QStringLiteral("Hurra, es gibt noch mehr Wimbo Games.")
                  : QStringLiteral("Hurrah, there are more WIMBO GAMES.");
    case ToolButtonId::Tongue:
        // Written in the other language: it offers the switch.
        return de ? QStringLiteral("I don't speak german.")
                  : QStringLiteral("Ich spreche nicht englisch.");
    default:
        break;
    }
    const int category = static_cast<int>(button) - static_cast<int>(ToolButtonId::Humans);
    return (de ? QStringLiteral("Kategorie: ") : QStringLiteral("Category: ")) +
           categoryName(language, category);
}

QString boardKeysHint(Language language) {
    return isGerman(language)
               ? QStringLiteral("Auf dem Brett: Tab nimmt das nächste Teil auf, Pfeiltasten schieben "
                                "es, Q und E drehen es, M spiegelt das Parallelogramm, Eingabe oder "
                                "Leertaste legt es ab; das Mausrad dreht es.")
               : QStringLiteral("On the board: Tab lifts the next piece, the arrow keys move it, Q "
                                "and E turn it, M mirrors the parallelogram, Enter or Space puts it "
                                "down; the mouse wheel turns it.");
}

QString mainCaption(const QString& progressPath, Language language) {
    QString caption = QStringLiteral("Wimbo Tangram");
    if (!progressPath.isEmpty()) {
        caption += (isGerman(language) ? QStringLiteral(" - Spiel ") : QStringLiteral(" - Game ")) +
                   fileNamePart(progressPath);
    }
    return caption;
}

} // namespace tangram
