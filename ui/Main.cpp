// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Main.h"

#include "data/texts.h"
#include "services/translations.h"
#include "services/windowplacement.h"
#include "ui/BoardWidget.h"
#include "ui/OpeningAnimation.h"
#include "ui/boardlayout.h"
#include "ui/gamedialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QProxyStyle>
#include <QTimer>
#include <QToolButton>

#include <utility>

namespace tangram {

namespace {

// The client area of the designed 691 x 481 window.
constexpr QSize kDesignedClient{683, 454};
// Below this the board's cells would be too small to see and hit.
constexpr QSize kMinimumClient{400, 300};

// The buttons of a question in the order of the game's own message pages, No left of Yes, whatever
// order the desktop prefers.
class NoBeforeYes : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonLayout) {
            return QDialogButtonBox::GnomeLayout;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void putNoBeforeYes(QMessageBox& box) {
    if (auto* buttons = box.findChild<QDialogButtonBox*>()) {
        auto* style = new NoBeforeYes;
        style->setParent(&box);
        buttons->setStyle(style);
    }
}

QString programFolder(const QString& programDir) {
    return programDir.isEmpty() ? QCoreApplication::applicationDirPath() + '/' : programDir;
}

} // namespace

TMainform::TMainform(SettingsStore& settings, const QString& programDir, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_box(new BoardWidget(this)),
      m_session(settings, *m_box, *this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont f = font();
    f.setPixelSize(13);
    setFont(f);
    resize(kDesignedClient);
    setMinimumSize(kMinimumClient);
    m_tile = loadBackgroundTile();
    buildToolbar();
    // A build without a web page has no web button.
    toolButton(ToolButtonId::Web)->setVisible(m_web.hasAddress());
    m_box->raise();
    m_box->setPuzzle(&m_session.puzzle());
    m_session.start(programFolder(programDir));
    toolButton(ToolButtonId::Sound)->setChecked(m_session.soundOn());
    m_sounds.setEnabled(m_session.soundOn()); // the toggle may not have changed, so set it outright
}

TMainform::~TMainform() {
    // The placement record survives the window: written as it is destroyed.
    m_settings.writePlacement(WindowPlacement::fromWindow(normalGeometry(), windowState()));
}

void TMainform::setDialogs(GameDialogs* dialogs) {
    m_dialogs = dialogs;
    placePreview();
}

void TMainform::placePreview() {
    if (m_dialogs && m_framed) {
        const QRect board(m_box->mapToGlobal(QPoint(0, 0)), m_box->size());
        m_dialogs->showPreview(geometry().marginsAdded(frameMargins()), board);
    }
}

// ---------------------------------------------------------------- commands

void TMainform::SelectBtnClick() {
    if (!m_dialogs) {
        return;
    }
    if (const int level = m_dialogs->showSelectDialog(); level > 0) {
        m_session.chooseLevel(level);
    }
}

void TMainform::TongueBtnClick() {
    if (!m_dialogs) {
        return;
    }
    if (const std::optional<Language> language = m_dialogs->showLanguageDialog()) {
        m_session.setLanguage(*language);
    }
}

void TMainform::StatBtnClick() {
    if (m_dialogs) {
        m_dialogs->showStatistics();
    }
}

void TMainform::rules() {
    if (m_dialogs) {
        m_dialogs->openRules();
    }
}

void TMainform::info() {
    if (m_dialogs) {
        m_dialogs->showInfo();
    }
}

void TMainform::WebBtnClick() {
    if (!m_web.open()) {
        showError(webPageFailedMessage());
    }
}

// ---------------------------------------------------------------- the session's host

ModalResult TMainform::askPage(MessagePage page) {
    return m_dialogs ? m_dialogs->showMessagePage(page) : ModalResult::Cancel;
}

// The file dialogs are made when first needed: they are heavy, and most sessions never open one.
void TMainform::makeFileDialogs() {
    if (m_saveDlg) {
        return;
    }
    const QString filter = QStringLiteral("Wimbo Tangram (*.pzs)");
    m_saveDlg = new QFileDialog(this);
    m_saveDlg->setObjectName(QStringLiteral("SaveDlg"));
    m_saveDlg->setOption(QFileDialog::DontUseNativeDialog);
    m_saveDlg->setOption(QFileDialog::DontConfirmOverwrite); // the game asks itself
    m_saveDlg->setAcceptMode(QFileDialog::AcceptSave);
    m_saveDlg->setFileMode(QFileDialog::AnyFile);
    m_saveDlg->setDefaultSuffix(QStringLiteral("pzs"));
    m_saveDlg->setNameFilter(filter);
    m_openDlg = new QFileDialog(this);
    m_openDlg->setObjectName(QStringLiteral("OpenDlg"));
    m_openDlg->setOption(QFileDialog::DontUseNativeDialog);
    m_openDlg->setAcceptMode(QFileDialog::AcceptOpen);
    m_openDlg->setFileMode(QFileDialog::ExistingFile);
    m_openDlg->setDefaultSuffix(QStringLiteral("pzs"));
    m_openDlg->setNameFilter(filter);
}

QString TMainform::askSavePath(const QString& folder, const QString& current) {
    makeFileDialogs();
    m_saveDlg->setDirectory(folder);
    m_saveDlg->selectFile(current);
    for (;;) {
        if (m_saveDlg->exec() != QDialog::Accepted || m_saveDlg->selectedFiles().isEmpty()) {
            return {};
        }
        const QString name = forcePzsExtension(m_saveDlg->selectedFiles().constFirst());
        if (!QFileInfo::exists(name)) {
            return name;
        }
        QMessageBox question(QMessageBox::Warning, QStringLiteral("Wimbo Tangram"),
                             overwriteQuestion(name),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setDefaultButton(QMessageBox::No);
        putNoBeforeYes(question);
        if (question.exec() == QMessageBox::Yes) {
            return name;
        }
        m_saveDlg->selectFile(name);
    }
}

QString TMainform::askOpenPath(const QString& folder) {
    makeFileDialogs();
    m_openDlg->setDirectory(folder);
    m_openDlg->selectFile(QString());
    if (m_openDlg->exec() != QDialog::Accepted || m_openDlg->selectedFiles().isEmpty()) {
        return {};
    }
    return m_openDlg->selectedFiles().constFirst();
}

void TMainform::languageChanged(Language language) {
    Translations::install(language);
}

void TMainform::showError(const QString& message) {
    if (!isVisible()) {
        m_pendingErrors << message;
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Wimbo Tangram"), message,
                    QMessageBox::Ok, this);
    box.exec();
}

bool TMainform::askContinueWithoutSaving(const QString& reason) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Wimbo Tangram"),
                    unsavedProgressQuestion(reason), QMessageBox::NoButton, this);
    QPushButton* back = box.addButton(goBackCaption(), QMessageBox::RejectRole);
    box.addButton(continueWithoutSavingCaption(), QMessageBox::DestructiveRole);
    box.setDefaultButton(back);
    box.setEscapeButton(back);
    box.exec();
    return box.clickedButton() != back;
}

void TMainform::playSound(SoundEffect sound) {
    m_sounds.PlaySoundEffect(sound);
}

void TMainform::figureSolved() {
    if (m_dialogs) {
        m_dialogs->showWonPage(figureOnScreen());
    }
}

QRect TMainform::figureOnScreen() const {
    const Puzzle& puzzle = m_session.puzzle();
    QRect cells;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const PieceCorners corners = PieceOutline(piece, puzzle.placement(piece));
        for (int v = 0; v < corners.count; ++v) {
            const GridOffset c = corners.points[static_cast<std::size_t>(v)];
            cells |= QRect(c.x, c.y, 1, 1);
        }
    }
    const QRect pixels(cells.left() * puzzle.cellWidth(), cells.top() * puzzle.cellHeight(),
                       cells.width() * puzzle.cellWidth(), cells.height() * puzzle.cellHeight());
    return QRect(m_box->mapToGlobal(pixels.topLeft()), pixels.size());
}

void TMainform::stateChanged() {
    m_box->boxPaint();
    toolButton(ToolButtonId::Tip)->setEnabled(m_session.helpEnabled());
    if (QAbstractButton* category = m_categoryGroup->button(state().category)) {
        category->setChecked(true);
    }
    SetHints();
    if (m_dialogs) {
        m_dialogs->refreshPreview();
    }
}

void TMainform::ShowTitle() {
    setWindowTitle(mainCaption(state().progressPath));
}

// ---------------------------------------------------------------- window events

void TMainform::showEvent(QShowEvent* event) {
    if (!m_placementApplied) {
        m_placementApplied = true;
        // The board takes the keys: the whole game plays from the keyboard.
        m_box->setFocus();
        const std::optional<WindowPlacement> record = m_settings.readPlacement();
        setGeometry(decideWindowGeometry(record, availableScreenGeometries(), kDesignedClient,
                                         frameMargins()));
        if (record && record->opensMaximized()) {
            setWindowState(windowState() | Qt::WindowMaximized);
        } else {
            OpeningAnimation::start(QCursor::pos(), frameGeometry());
        }
        // The window system frames the window shortly after it is shown.
        QTimer::singleShot(100, this, &TMainform::afterFirstShow);
    }
    QWidget::showEvent(event);
}

QMargins TMainform::frameMargins() const {
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    if (frame == client) {
        return QMargins(4, 28, 4, 4);
    }
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

void TMainform::afterFirstShow() {
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))) {
        WindowPlacement now;
        now.normalBounds = geometry();
        const QRect fitted = decideWindowGeometry(now, availableScreenGeometries(),
                                                  kDesignedClient, frameMargins());
        if (fitted != geometry()) {
            setGeometry(fitted);
        }
    }
    m_framed = true;
    placePreview();
    m_previewFollows = true;
    QTimer::singleShot(kPreviewSettleMs, this, [this] { m_previewFollows = false; });
    const QStringList errors = std::exchange(m_pendingErrors, {});
    for (const QString& error : errors) {
        showError(error);
    }
}

void TMainform::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_dialogs &&
        !m_firstActivation) {
        m_dialogs->refreshPreview(); // brings it back if the window system minimised it
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_firstActivation) {
        m_firstActivation = false;
        // Leave the activation handler before opening modal windows.
        QTimer::singleShot(0, this, &TMainform::formActivate);
    }
}

void TMainform::formActivate() {
    // The splash comes after the opening animation, not over it.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<OpeningAnimation*>(top) && top->isVisible()) {
            QTimer::singleShot(50, this, &TMainform::formActivate);
            return;
        }
    }
    if (m_dialogs) {
        m_dialogs->showSplash();
        if (state().language == Language::NotChosen) {
            TongueBtnClick();
        }
    }
    stateChanged();
}

void TMainform::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    if (m_dialogs && !m_session.confirmClose()) {
        event->ignore();
        return;
    }
    if (!m_session.close()) {
        event->ignore();
        return;
    }
    if (m_dialogs) {
        m_dialogs->closeRules();
    }
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        m_settings.write(SettingKeys::wid, width());
        m_settings.write(SettingKeys::hig, height());
    }
    m_closed = true;
    event->accept();
    Q_EMIT closed();
}

void TMainform::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    formResize();
    if (m_previewFollows) {
        placePreview();
    }
}

void TMainform::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (m_previewFollows) {
        placePreview();
    }
}

void TMainform::formResize() {
    m_toolPanelHeight = layoutToolbar();
    const BoardLayout layout = computeBoardLayout(width(), height(), m_toolPanelHeight);
    m_session.puzzle().SetCellSize(layout.cellSize, layout.cellSize);
    m_box->setGeometry(layout.box);
    m_box->boxPaint();
    update();
}

void TMainform::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFormBackground(painter, width(), height(), m_toolPanelHeight, m_box->geometry(),
                        m_tile);
}

} // namespace tangram
