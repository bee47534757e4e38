// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainhints.h"

#include "data/texts.h"

#include <QCoreApplication>

namespace tangram {

QString hintText(ToolButtonId button) {
    switch (button) {
    case ToolButtonId::Load:
        return QCoreApplication::translate("Hints", "I want to continue an old game.");
    case ToolButtonId::Save:
        return QCoreApplication::translate("Hints", "Save often, save always.");
    case ToolButtonId::Newgame:
        return QCoreApplication::translate("Hints", "I want to play a new game.");
    case ToolButtonId::Select:
        return QCoreApplication::translate("Hints", "I try another Tangram.");
    case ToolButtonId::Up:
        return QCoreApplication::translate("Hints", "I take the next Tangram.");
    case ToolButtonId::Down:
        return QCoreApplication::translate("Hints", "I take the previous Tangram.");
    case ToolButtonId::Tip:
        return QCoreApplication::translate("Hints", "I need a little help.");
    case ToolButtonId::Stat:
        return QCoreApplication::translate("Hints", "Let me see, what I've solved until now.");
    case ToolButtonId::Sound:
        return QCoreApplication::translate("Hints", "I don't like the sound always.");
    case ToolButtonId::Rules:
        return QCoreApplication::translate("Hints", "What's to do here?");
    case ToolButtonId::Exit:
        return QCoreApplication::translate("Hints", "I have enough!");
    case ToolButtonId::Info:
        return QCoreApplication::translate("Hints", "Who did this WIMBO GAME?");
    case ToolButtonId::Web:
        return QCoreApplication::translate("Hints", "Hurrah, there are more WIMBO GAMES.");
    case ToolButtonId::Tongue:
        //: Written in the other language: the button offers the switch to it. In English it is
        //: German, so the German translation is English.
        return QCoreApplication::translate("Hints", "Ich spreche nicht Englisch.");
    default:
        break;
    }
    const int category = static_cast<int>(button) - static_cast<int>(ToolButtonId::Humans);
    return QCoreApplication::translate("Hints", "Category: %1").arg(categoryName(category));
}

QString boardKeysHint() {
    return QCoreApplication::translate(
        "Hints", "On the board: Tab lifts the next piece, the arrow keys move it, Q and E turn it, "
                 "M mirrors the parallelogram, Enter or Space puts it down; the mouse wheel turns "
                 "it.");
}

QString mainCaption(const QString& progressPath) {
    if (progressPath.isEmpty())
        return QStringLiteral("Wimbo Tangram");
    return QCoreApplication::translate("Hints", "Wimbo Tangram - Game %1")
        .arg(fileNamePart(progressPath));
}

} // namespace tangram
