// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Tongdlg.h"

#include "dialogs/TitlePicture.h"
#include "game/messagepage.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

namespace tangram {
namespace {

constexpr QSize kFlagsSize(63, 14); // the flag pictures are drawn 90 x 20

// The button's flags, rendered from the picture at the screen's pixel density.
QIcon flagsIcon(const QString& resource, qreal devicePixelRatio) {
    QSvgRenderer renderer(resource);
    QPixmap pixmap(kFlagsSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), kFlagsSize));
    }
    return QIcon(pixmap);
}

QPushButton* makeLanguageButton(QWidget* parent, const char* name, const QString& text,
                                const QString& flags, qreal devicePixelRatio, int top) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(72, top, 221, 27);
    button->setIcon(flagsIcon(flags, devicePixelRatio));
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

    const qreal dpr = devicePixelRatioF();
    m_english = makeLanguageButton(panel, "EnglishBtn", QStringLiteral("I speak English."),
                                   QStringLiteral(":/pictures/flags_english.svg"), dpr, 8);
    m_german = makeLanguageButton(panel, "GermanBtn", QStringLiteral("Ich spreche Deutsch."),
                                  QStringLiteral(":/pictures/flags_german.svg"), dpr, 43);
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
