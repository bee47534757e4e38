// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/YesNo.h"

#include "dialogs/TitlePicture.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>

namespace tangram {
namespace {

// Page layout in client pixels: a framed panel across the top holding the image and the text, one
// or two buttons below it.
constexpr QRect kPanel(8, 8, 245, 49);
constexpr QRect kImage(8, 8, 32, 32);  // inside the panel
constexpr QRect kText(46, 3, 193, 43); // inside the panel
constexpr int kButtonTop = 66;
constexpr QSize kButton(77, 27);
constexpr int kOkLeft = 92;
constexpr int kNoLeft = 48;
constexpr int kYesLeft = 136;

constexpr const char* kPageNames[TYesNoDlg::kPageCount + 1] = {
    "",       "won",       "restart",  "endgame",   "giveup",
    "toslow", "allsolved", "gameover", "nextlevel", "lost"};

bool isYesNoPage(int page) {
    return page >= 2 && page <= 4;
}

// Component names as the pages are designed: Im0101, L0101, Btn0101 for page 1 and so on.
QString componentName(const char* kind, int page, int index) {
    return QStringLiteral("%1%2%3")
        .arg(QLatin1String(kind))
        .arg(page, 2, 10, QLatin1Char('0'))
        .arg(index, 2, 10, QLatin1Char('0'));
}

} // namespace

TYesNoDlg::TYesNoDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Wimbo Tangram"));
    setWindowFlags(kFixedDialogFlags);
    setFixedSize(261, 103);
    QFont dialogFont(QStringLiteral("Sans Serif"), 8, QFont::Bold);
    dialogFont.setStyleHint(QFont::SansSerif);
    setFont(dialogFont);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_pages->setGeometry(rect());
    for (int page = 1; page <= kPageCount; ++page)
        buildPage(page);

    const QPixmap image = gameIcon(parent).pixmap(kImage.size(), devicePixelRatioF());
    for (int page = 1; page <= kPageCount; ++page)
        m_pageParts[page].image->setPixmap(image);
    m_pages->setCurrentIndex(m_page - 1);
    FormActivate();
}

void TYesNoDlg::buildPage(int page) {
    auto* sheet = new QWidget(m_pages);
    sheet->setObjectName(pageName(static_cast<MessagePage>(page)));
    m_pages->addWidget(sheet);

    auto* panel = new QFrame(sheet);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    panel->setGeometry(kPanel);

    Page& parts = m_pageParts[page];
    parts.image = new QLabel(panel);
    parts.image->setObjectName(componentName("Im", page, 1));
    parts.image->setGeometry(kImage);
    parts.text = new QLabel(panel);
    parts.text->setObjectName(componentName("L", page, 1));
    parts.text->setGeometry(kText);
    parts.text->setAlignment(Qt::AlignCenter);
    parts.text->setWordWrap(true);

    parts.yesOrOk = new QPushButton(sheet);
    parts.yesOrOk->setObjectName(componentName("Btn", page, 1));
    parts.yesOrOk->setDefault(true);
    if (!isYesNoPage(page)) {
        parts.yesOrOk->setText(QStringLiteral("OK"));
        parts.yesOrOk->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        parts.yesOrOk->setGeometry(QRect(QPoint(kOkLeft, kButtonTop), kButton));
        connect(parts.yesOrOk, &QPushButton::clicked, this,
                [this] { done(static_cast<int>(ModalResult::Ok)); });
        return;
    }
    parts.yesOrOk->setIcon(style()->standardIcon(QStyle::SP_DialogYesButton));
    parts.yesOrOk->setGeometry(QRect(QPoint(kYesLeft, kButtonTop), kButton));
    connect(parts.yesOrOk, &QPushButton::clicked, this,
            [this] { done(static_cast<int>(ModalResult::Yes)); });

    // The quit question's No is a plain cancel; the other questions answer no.
    parts.noResult = page == static_cast<int>(MessagePage::EndGame) ? ModalResult::Cancel
                                                                  : ModalResult::No;
    parts.no = new QPushButton(sheet);
    parts.no->setObjectName(componentName("Btn", page, 2));
    parts.no->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
    parts.no->setGeometry(QRect(QPoint(kNoLeft, kButtonTop), kButton));
    const ModalResult noResult = parts.noResult;
    connect(parts.no, &QPushButton::clicked, this,
            [this, noResult] { done(static_cast<int>(noResult)); });
    setTabOrder(parts.no, parts.yesOrOk);
}

ModalResult TYesNoDlg::showPage(MessagePage which) {
    const int page = static_cast<int>(which);
    if (page >= 1 && page <= kPageCount) {
        m_page = page;
        m_pages->setCurrentWidget(m_pages->findChild<QWidget*>(pageName(which)));
    }
    return static_cast<ModalResult>(exec());
}

QString TYesNoDlg::pageName(MessagePage which) {
    const int page = static_cast<int>(which);
    if (page < 1 || page > kPageCount)
        return {};
    return QLatin1String(kPageNames[page]);
}

QString TYesNoDlg::pageText(MessagePage which) {
    const int page = static_cast<int>(which);
    // French has its own texts for four pages (wimbo-tangram_fr.ts) and shows English elsewhere.
    static const char* const texts[kPageCount + 1] = {"",
                                                      QT_TR_NOOP("Hurrah, you did it!"),
                                                      QT_TR_NOOP("Do you really want to give up the level?"),
                                                      QT_TR_NOOP("Do you really want to go?"),
                                                      QT_TR_NOOP("Do you really want to give up the game?"),
                                                      QT_TR_NOOP("Sorry, you weren't quick enough!"),
                                                      QT_TR_NOOP("Congratulations, you solved all levels."),
                                                      QT_TR_NOOP("Sorry, game over!"),
                                                      QT_TR_NOOP("The next level is waiting!"),
                                                      QT_TR_NOOP("Sorry, that was it!")};
    if (page < 1 || page > kPageCount)
        return {};
    return tr(texts[page]);
}

QString TYesNoDlg::yesCaption() {
    return tr("Yes");
}

QString TYesNoDlg::noCaption() {
    return tr("No");
}

void TYesNoDlg::FormActivate() {
    for (int page = 1; page <= kPageCount; ++page) {
        Page& parts = m_pageParts[page];
        parts.text->setText(pageText(static_cast<MessagePage>(page)));
        if (parts.no) {
            parts.yesOrOk->setText(yesCaption());
            parts.no->setText(noCaption());
        }
    }
}

void TYesNoDlg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
    m_pageParts[m_page].yesOrOk->setFocus();
}

void TYesNoDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Escape presses the page's cancel button, which is its No button where it has one.
        if (QPushButton* no = m_pageParts[m_page].no)
            no->click();
        else
            reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TYesNoDlg::reject() {
    done(static_cast<int>(ModalResult::Cancel));
}

} // namespace tangram
