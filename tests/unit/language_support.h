// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of texts install the translations of the language they check, as the main window does
// when the player chooses one, and leave English behind for the next test.
#pragma once

#include "services/translations.h"

namespace tangram::testing {

class ScopedLanguage {
public:
    explicit ScopedLanguage(Language language) : m_installed(Translations::install(language)) {}
    ~ScopedLanguage() { Translations::install(Language::English); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

    // Whether the game's catalogue of the language was found and installed.
    bool installed() const { return m_installed; }

private:
    bool m_installed;
};

} // namespace tangram::testing
