// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Tongdlg.h"

#include "dialogs/TitlePicture.h"
#include "game/messagepage.h"
#include "ui/pngresource.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tangram {
namespace {

constexpr QSize kFlagsSize(63, 14); // the flag pictures are drawn 90 x 20

// The button's flags, from pictures for one, two and three device pixels per pixel; the icon picks
// the one that fits the screen.
QIcon flagsIcon(const QString& language) {
    QStringList scales;
    for (int scale : {1, 2, 3})
        scales << QStringLiteral(":/pictures/flags_%1-%2.png").arg(language).arg(scale);
    return iconFromPngResources(scales);
}

QPushButton* makeLanguageButton(QWidget* parent, const char* name, const QString& text,
                                const QString& language, int top) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(72, top, 221, 27);
    button->setIcon(flagsIcon(language));
    button->setIconSize(kFlagsSize);
    return button;
}

} // namespace

TTongueDlg::TTongueDlg(QWidget* parent) : QDialog(parent) {
    setWindowFlags(kFixedDialogFlags);
    setFixedSize(320, 91);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    panel->setGeometry(6, 6, 308, 79);

    m_image = new QLabel(panel);
    m_image->setObjectName(QStringLiteral("Image4"));
    m_image->setGeometry(16, 16, 48, 48);
    m_image->setAlignment(Qt::AlignCenter);

    m_english = makeLanguageButton(panel, "EnglishBtn", QStringLiteral("I speak English."),
                                   QStringLiteral("english"), 8);
    m_german = makeLanguageButton(panel, "GermanBtn", QStringLiteral("Ich spreche Deutsch."),
                                  QStringLiteral("german"), 43);
    connect(m_english, &QPushButton::clicked, this, &TTongueDlg::EnglishBtnClick);
    connect(m_german, &QPushButton::clicked, this, &TTongueDlg::GermanBtnClick);
    setTabOrder(m_english, m_german);

    FormCreate();
}

void TTongueDlg::FormCreate() {
    setWindowTitle(QStringLiteral("Wimbo Tangram V2.7"));
    m_image->setPixmap(gameIcon(parentWidget()).pixmap(QSize(32, 32), devicePixelRatioF()));
}

void TTongueDlg::EnglishBtnClick() {
    m_chosen = Language::English;
    done(static_cast<int>(ModalResult::Ok));
}

void TTongueDlg::GermanBtnClick() {
    m_chosen = Language::German;
    done(static_cast<int>(ModalResult::Ok));
}

void TTongueDlg::reject() {
    done(static_cast<int>(ModalResult::Cancel));
}

void TTongueDlg::showEvent(QShowEvent* event) {
    m_chosen = Language::NotChosen;
    QDialog::showEvent(event);
    m_english->setFocus();
}

} // namespace tangram
