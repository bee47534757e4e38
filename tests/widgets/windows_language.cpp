// SPDX-License-Identifier: GPL-3.0-or-later
// The language dialog driven offscreen: each button chooses its language, the close box and
// Escape choose nothing, and the dialog keeps its size and parts.
#include "dialogs/Tongdlg.h"
#include "game/messagepage.h"
#include "tests/widgets/windows_support.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tangram;
using testing::whenModal;

class LanguageDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void looksAsDesigned() {
        TTongueDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Wimbo Tangram V2.7"));
        QCOMPARE(dialog.size(), QSize(320, 91));
        QCOMPARE(dialog.EnglishBtn()->text(), QStringLiteral("I speak English."));
        QCOMPARE(dialog.GermanBtn()->text(), QStringLiteral("Ich spreche Deutsch."));
        QCOMPARE(dialog.EnglishBtn()->size(), QSize(221, 27));
        QCOMPARE(dialog.GermanBtn()->size(), QSize(221, 27));
        QVERIFY(dialog.EnglishBtn()->y() < dialog.GermanBtn()->y());
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("Image4"))->pixmap().isNull());
    }

    // The flags are drawn from the project's pictures: a missing or broken picture would leave
    // the button's icon blank, and a missing sharper one would show blurred on a dense screen.
    void flagPicturesAreDrawn() {
        TTongueDlg dialog;
        for (QPushButton* button : {dialog.EnglishBtn(), dialog.GermanBtn()})
            for (qreal density : {1.0, 2.0}) {
                const QImage flags = button->icon().pixmap(button->iconSize(), density).toImage();
                QCOMPARE(flags.size(), button->iconSize() * density);
                int coloured = 0;
                for (int y = 0; y < flags.height(); ++y)
                    for (int x = 0; x < flags.width(); ++x)
                        coloured += qAlpha(flags.pixel(x, y)) > 0 ? 1 : 0;
                QVERIFY2(coloured > flags.width() * flags.height() / 2, qPrintable(button->text()));
            }
    }

    void eachButtonChoosesItsLanguage_data() {
        QTest::addColumn<bool>("german");
        QTest::newRow("English") << false;
        QTest::newRow("German") << true;
    }
    void eachButtonChoosesItsLanguage() {
        QFETCH(bool, german);
        TTongueDlg dialog;
        auto answered = whenModal([&](QWidget* open) {
            auto* button = open->findChild<QPushButton*>(german ? QStringLiteral("GermanBtn")
                                                                : QStringLiteral("EnglishBtn"));
            QTest::mouseClick(button, Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(ModalResult::Ok));
        QVERIFY(*answered);
        QCOMPARE(dialog.chosen(), german ? Language::German : Language::English);
    }

    void closingWithoutChoiceKeepsTheLanguage_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close box") << false;
        QTest::newRow("escape") << true;
    }
    void closingWithoutChoiceKeepsTheLanguage() {
        QFETCH(bool, escape);
        TTongueDlg dialog;
        // A choice of an earlier show is not carried over.
        auto earlier = whenModal([](QWidget* open) {
            QTest::mouseClick(open->findChild<QPushButton*>(QStringLiteral("GermanBtn")),
                              Qt::LeftButton);
        });
        dialog.exec();
        QVERIFY(*earlier);
        auto answered = whenModal([&](QWidget* open) {
            if (escape)
                QTest::keyClick(open, Qt::Key_Escape);
            else
                open->close();
        });
        QCOMPARE(dialog.exec(), int(ModalResult::Cancel));
        QVERIFY(*answered);
        QCOMPARE(dialog.chosen(), Language::NotChosen);
    }

    // The English button has the focus, so Enter chooses English.
    void enterChoosesEnglish() {
        TTongueDlg dialog;
        QWidget* focused = nullptr;
        whenModal([&](QWidget* open) {
            focused = open->focusWidget();
            QTest::keyClick(focused, Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), int(ModalResult::Ok));
        QCOMPARE(focused, dialog.EnglishBtn());
        QCOMPARE(dialog.chosen(), Language::English);
    }
};

QTEST_MAIN(LanguageDialogTest)
#include "windows_language.moc"
