// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace tangram {

namespace {

// The installed catalogues live as long as the program; installing another language replaces them.
std::unique_ptr<QTranslator>& gameTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& qtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void remove(std::unique_ptr<QTranslator>& translator) {
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

bool load(std::unique_ptr<QTranslator>& slot, const QString& file) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file))
        return false;
    QCoreApplication::installTranslator(translator.get());
    slot = std::move(translator);
    return true;
}

} // namespace

QString Translations::gameCatalogue(Language language) {
    switch (language) {
    case Language::German:
        return QStringLiteral(":/i18n/wimbo-tangram_de.qm");
    case Language::French:
        return QStringLiteral(":/i18n/wimbo-tangram_fr.qm");
    default:
        return {};
    }
}

QString Translations::qtCatalogue(Language language) {
    if (language != Language::German)
        return {};
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
}

bool Translations::install(Language language) {
    remove(gameTranslator());
    remove(qtTranslator());
    const QString game = gameCatalogue(language);
    if (game.isEmpty())
        return true;
    // Without Qt's catalogue the dialogs of Qt stay English; the game's own texts still change.
    if (const QString qt = qtCatalogue(language); !qt.isEmpty())
        load(qtTranslator(), qt);
    return load(gameTranslator(), game);
}

} // namespace tangram
