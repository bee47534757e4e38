// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HelpViewer.h"

#include "data/boundedfile.h"
#include "data/helpdocument.h"
#include "dialogs/TitlePicture.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace tangram {

namespace {

// Serves the document the viewer has already read and checked, so the browser never opens a file
// itself (one swapped for a FIFO meanwhile would block the window) and loads nothing else.
class CheckedBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    void setDocumentBytes(const QUrl& url, const QByteArray& html) {
        m_url = url.adjusted(QUrl::RemoveFragment);
        m_html = QString::fromUtf8(html);
    }

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.adjusted(QUrl::RemoveFragment) == m_url)
            return m_html;
        return {};
    }

private:
    QUrl m_url;
    QString m_html;
};

} // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowIcon(gameIcon(parent));
    resize(640, 620);

    m_browser = new CheckedBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);

    m_back = new QPushButton(this);
    m_back->setObjectName(QStringLiteral("BackBtn"));
    m_back->setEnabled(false);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);

    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("CloseBtn"));
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    // Escape closes the rules like every other window of the game.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_browser);
    layout->addLayout(buttons);
    setTexts();
}

QString HelpViewer::topicFor(Language language) {
    return isGerman(language) ? QStringLiteral("Das_Spiel") : QStringLiteral("The_game");
}

QString HelpViewer::missingFileMessage(const QString& filePath) {
    return tr("Cannot find or read the help file %1:\n%2")
        .arg(QLatin1String(kFileName), QDir::toNativeSeparators(filePath));
}

bool HelpViewer::showRules(const GameState& state) {
    return showTopic(state.programDir + QLatin1String(kFileName), topicFor(state.language));
}

bool HelpViewer::showTopic(const QString& filePath, const QString& topic) {
    // Read once, non-blocking and bounded: a FIFO, a device, a huge or a deeply nested file is
    // reported like a missing one instead of freezing the game.
    const BoundedFile file = readBoundedFile(filePath, kMaxHelpBytes);
    if (file.outcome != BoundedFile::Outcome::Read || !helpDocumentWithinBounds(file.bytes)) {
        QMessageBox::warning(parentWidget(), QStringLiteral("Wimbo Tangram"),
                             missingFileMessage(filePath));
        return false;
    }
    setTexts();
    QUrl url = QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath());
    static_cast<CheckedBrowser*>(m_browser)->setDocumentBytes(url, file.bytes);
    url.setFragment(topic);
    // The file's name does not say HTML, so the kind is given.
    m_browser->setSource(url, QTextDocument::HtmlResource);
    m_browser->clearHistory();
    if (!m_placed)
        placeOnScreen();
    show();
    raise();
    activateWindow();
    // A source already shown is not reloaded, and may have been scrolled since: go to the topic.
    m_browser->scrollToAnchor(topic);
    return true;
}

void HelpViewer::placeOnScreen() {
    // First showing: fit the window into the screen and centre it on the game's window.
    m_placed = true;
    const QWidget* anchor = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* where = anchor ? anchor->screen() : screen();
    if (!where)
        return;
    const QRect available = where->availableGeometry();
    resize(size().boundedTo(available.size() * 9 / 10));
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(anchor ? anchor->frameGeometry().center() : available.center());
    frame.moveLeft(std::clamp(frame.left(), available.left(),
                              std::max(available.left(), available.right() - frame.width())));
    // The title bar is not known before the first showing; leave room for a generous one.
    constexpr int kTitleBar = 40;
    frame.moveTop(
        std::clamp(frame.top(), available.top(),
                   std::max(available.top(), available.bottom() - frame.height() - kTitleBar)));
    move(frame.topLeft());
}

void HelpViewer::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QWidget::changeEvent(event);
}

void HelpViewer::setTexts() {
    setWindowTitle(tr("Wimbo Tangram - Rules"));
    m_back->setText(tr("Back"));
    m_close->setText(tr("Close"));
}

} // namespace tangram
