// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the player's language. Every text of the game is written in English in the code;
// German, and the few French texts of the message pages, come from translation catalogues built
// into the program. Qt's own texts (file dialogs, message-box buttons, key names) come from the
// system's Qt translations. Installing a language replaces the catalogues of the one before, and
// Qt tells every widget that the language changed.
#pragma once

#include "data/language.h"

#include <QString>

namespace tangram {

class Translations {
public:
    // Installs the catalogues of `language`; English (and a language not chosen yet) needs none.
    // False when the game's own catalogue of the language could not be loaded: the texts then
    // stay English.
    static bool install(Language language);

    // The catalogue of the game's texts built into the program, e.g. ":/i18n/wimbo-tangram_de.qm";
    // empty for English.
    static QString gameCatalogue(Language language);
    // The file of Qt's own texts in `language` from the system's Qt translations; empty when the
    // language has none (French falls back to English there, as in the rest of the game).
    static QString qtCatalogue(Language language);
};

} // namespace tangram
