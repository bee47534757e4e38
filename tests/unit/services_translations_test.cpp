// SPDX-License-Identifier: GPL-3.0-or-later
// The translation catalogues: every text of the game has a finished German translation with the
// same place markers, the French catalogue is sound where it translates, the catalogues built into
// the program say what the files say, and Qt's own German texts come along.
#include "services/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace tangram;

namespace {

struct Message {
    QString context;
    QString source;
    QString comment; // the disambiguation, part of the key
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty for a finished one
    qint64 line = 0;
};

std::vector<Message> readCatalogue(const QString& path) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = Message{context, {}, {}, {}, {}, xml.lineNumber()};
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"comment") {
            message.comment = xml.readElementText();
        } else if (name == u"translation") {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

std::multiset<QString> placeMarkers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    std::multiset<QString> found;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text))
        found.insert(m.captured());
    return found;
}

QString where(const Message& m) {
    return m.context + QStringLiteral(" line ") + QString::number(m.line) + QStringLiteral(": \"") +
           m.source + '"';
}

const QString kGerman = QStringLiteral(WT_TRANSLATIONS_DIR "/wimbo-tangram_de.ts");
const QString kFrench = QStringLiteral(WT_TRANSLATIONS_DIR "/wimbo-tangram_fr.ts");

class TranslationsTest : public ::testing::Test {
protected:
    void TearDown() override { Translations::install(Language::English); }
};

} // namespace

TEST_F(TranslationsTest, EveryTextHasAFinishedGermanTranslationWithTheSamePlaceMarkers) {
    const std::vector<Message> messages = readCatalogue(kGerman);
    ASSERT_GT(messages.size(), 50u);
    for (const Message& m : messages) {
        EXPECT_TRUE(m.type.isEmpty()) << where(m).toStdString() << " is " << m.type.toStdString();
        EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where(m).toStdString();
        EXPECT_EQ(placeMarkers(m.source), placeMarkers(m.translation)) << where(m).toStdString();
    }
}

TEST_F(TranslationsTest, FrenchTranslatesTheMessagePagesItKnowsAndNothingElse) {
    const std::vector<Message> messages = readCatalogue(kFrench);
    int finished = 0;
    for (const Message& m : messages) {
        EXPECT_EQ(m.context, QStringLiteral("tangram::TYesNoDlg")) << where(m).toStdString();
        if (m.type.isEmpty()) {
            ++finished;
            EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where(m).toStdString();
        } else {
            // Left to English: an empty unfinished entry is not compiled into the catalogue.
            EXPECT_TRUE(m.translation.isEmpty()) << where(m).toStdString();
        }
    }
    EXPECT_EQ(finished, 6); // four pages, Yes and No
}

// The catalogues built into the program are the ones in the source tree: each text comes out as
// its file says, in German and in French.
TEST_F(TranslationsTest, BuiltInCataloguesSayWhatTheFilesSay) {
    for (const auto& [language, path] :
         {std::pair{Language::German, kGerman}, std::pair{Language::French, kFrench}}) {
        ASSERT_TRUE(Translations::install(language)) << path.toStdString();
        for (const Message& m : readCatalogue(path)) {
            const QByteArray context = m.context.toUtf8();
            const QByteArray source = m.source.toUtf8();
            const QByteArray comment = m.comment.toUtf8();
            const QString shown = QCoreApplication::translate(
                context.constData(), source.constData(), comment.isEmpty() ? nullptr : comment.constData());
            EXPECT_EQ(shown, m.type.isEmpty() ? m.translation : m.source)
                << path.toStdString() << ' ' << where(m).toStdString();
        }
    }
}

TEST_F(TranslationsTest, EnglishNeedsNoCatalogueAndRemovesTheOthers) {
    ASSERT_TRUE(Translations::install(Language::German));
    EXPECT_EQ(QCoreApplication::translate("tangram::TYesNoDlg", "Yes"), "Ja");
    for (const Language language : {Language::English, Language::NotChosen}) {
        EXPECT_TRUE(Translations::install(language));
        EXPECT_EQ(QCoreApplication::translate("tangram::TYesNoDlg", "Yes"), "Yes");
        EXPECT_TRUE(Translations::gameCatalogue(language).isEmpty());
        EXPECT_TRUE(Translations::qtCatalogue(language).isEmpty());
    }
}

// Qt's own dialogs and key names are German too: the system's Qt catalogue is there and loaded.
TEST_F(TranslationsTest, QtsOwnTextsComeFromTheSystemCatalogue) {
    ASSERT_TRUE(QFileInfo::exists(Translations::qtCatalogue(Language::German)))
        << Translations::qtCatalogue(Language::German).toStdString();
    ASSERT_TRUE(Translations::install(Language::German));
    EXPECT_EQ(QCoreApplication::translate("QShortcut", "Ctrl"), "Strg");
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), "File &name:");
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
    // French keeps Qt's texts English, as the rest of the game outside the message pages.
    ASSERT_TRUE(Translations::install(Language::French));
    EXPECT_EQ(QCoreApplication::translate("QShortcut", "Ctrl"), "Ctrl");
}
