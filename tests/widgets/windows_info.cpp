// SPDX-License-Identifier: GPL-3.0-or-later
// The info dialog offscreen: title by language, name and version down the left, credits with the
// licence, and its OK result.
#include "dialogs/Info.h"
#include "tests/unit/language_support.h"
#include "tests/widgets/windows_support.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tangram;
using testing::whenModal;

class InfoDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void titleAndCreditsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("creditsWord");
        QTest::newRow("German") << 1 << QStringLiteral("Info über...")
                                << QStringLiteral("Entwickler");
        QTest::newRow("English") << 0 << QStringLiteral("Info about...")
                                 << QStringLiteral("developers");
        QTest::newRow("not chosen")
            << -1 << QStringLiteral("Info about...") << QStringLiteral("developers");
    }
    void titleAndCreditsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, creditsWord);
        // The dialog is built in the other language.
        auto other = std::make_unique<testing::ScopedLanguage>(languageFromSetting(1 - language));
        TMultiDlg dialog;
        other.reset();
        const testing::ScopedLanguage installed(languageFromSetting(language));
        QString seenTitle;
        QString seenCredits;
        auto answered = whenModal([&](QWidget* open) {
            seenTitle = open->windowTitle();
            seenCredits = open->findChild<QLabel*>(QStringLiteral("CreditsLabel"))->text();
            QTest::mouseClick(open->findChild<QPushButton*>(QStringLiteral("OkBtn")),
                              Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), 1);
        QVERIFY(*answered);
        QCOMPARE(seenTitle, title);
        QVERIFY2(seenCredits.contains(creditsWord), qPrintable(seenCredits));
        QVERIFY(seenCredits.contains(QStringLiteral("GNU General Public License")));
    }

    void nameAndVersionStandDownTheLeft() {
        TMultiDlg dialog;
        dialog.show();
        auto* name = dialog.findChild<QLabel*>(QStringLiteral("ProgramLabel"));
        auto* version = dialog.findChild<QLabel*>(QStringLiteral("VersionLabel"));
        auto* credits = dialog.findChild<QLabel*>(QStringLiteral("CreditsLabel"));
        QCOMPARE(name->text(), QStringLiteral("Wimbo Tangram"));
        QCOMPARE(version->text(), QStringLiteral("Version  V2.7"));
        QVERIFY(name->geometry().bottom() <= version->geometry().top());
        QVERIFY(name->geometry().right() < credits->geometry().left());
        QVERIFY(version->geometry().right() < credits->geometry().left());
        // The whole credits text fits: the label is as tall as its wrapped text needs.
        QVERIFY(credits->height() >= credits->heightForWidth(credits->width()));
    }
};

QTEST_MAIN(InfoDialogTest)
#include "windows_info.moc"
