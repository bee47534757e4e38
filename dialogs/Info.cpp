// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Info.h"

#include "dialogs/TitlePicture.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tangram {

TMultiDlg::TMultiDlg(QWidget* parent) : QDialog(parent) {
    setWindowFlags(kFixedDialogFlags);

    auto* emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("EmblemImage"));
    emblem->setPixmap(emblemPixmap(64, devicePixelRatioF()));
    emblem->setAlignment(Qt::AlignCenter);

    auto* name = new QLabel(QStringLiteral("Wimbo Tangram"), this);
    name->setObjectName(QStringLiteral("ProgramLabel"));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.25);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignHCenter);

    auto* version = new QLabel(QStringLiteral("Version  V2.7"), this);
    version->setObjectName(QStringLiteral("VersionLabel"));
    version->setAlignment(Qt::AlignHCenter);

    auto* left = new QVBoxLayout;
    left->addWidget(emblem);
    left->addSpacing(6);
    left->addWidget(name);
    left->addWidget(version);
    left->addStretch();

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);

    m_credits = new QLabel(this);
    m_credits->setObjectName(QStringLiteral("CreditsLabel"));
    m_credits->setWordWrap(true);
    m_credits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_credits->setFixedWidth(270);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] { done(1); });

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(12);
    grid->addLayout(left, 0, 0);
    grid->addWidget(rule, 0, 1);
    grid->addWidget(m_credits, 0, 2);
    grid->addWidget(m_ok, 1, 0, 1, 3, Qt::AlignRight);

    FormActivate();
}

QString TMultiDlg::title() {
    return tr("Info about...");
}

QString TMultiDlg::credits() {
    return tr("<b>Wimbo Tangram developers</b><br><br>"
              "A tangram puzzle game: lay each figure again from the seven pieces.<br><br>"
              "This program is free software: you can redistribute it and/or modify it under the "
              "terms of the GNU General Public License, version 3 or (at your option) any later "
              "version. It comes with ABSOLUTELY NO WARRANTY.");
}

void TMultiDlg::FormActivate() {
    setWindowTitle(title());
    m_credits->setText(credits());
}

void TMultiDlg::setVisible(bool visible) {
    if (visible)
        FormActivate();
    QDialog::setVisible(visible);
}

void TMultiDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_ok->setFocus();
}

} // namespace tangram
