// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Main.h"

#include "data/patternlibrary.h"
#include "data/progressfile.h"
#include "data/texts.h"
#include "services/windowplacement.h"
#include "ui/BoardWidget.h"
#include "ui/OpeningAnimation.h"
#include "ui/boardlayout.h"
#include "ui/gamedialogs.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

namespace tangram {

namespace {

// The client area of the designed 691 x 481 window.
constexpr QSize kDesignedClient{683, 454};

} // namespace

TMainform::TMainform(SettingsStore& settings, const QString& programDir, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont f = font();
    f.setPixelSize(13);
    setFont(f);
    resize(kDesignedClient);
    m_tile = loadBackgroundTile();
    buildToolbar();
    m_box = new BoardWidget(m_puzzle, this);
    formCreate(programDir);
}

TMainform::~TMainform() {
    // The placement record survives the window: written as it is destroyed.
    m_settings.writePlacement(WindowPlacement::fromWindow(normalGeometry(), windowState()));
}

void TMainform::formCreate(const QString& programDir) {
    m_firstActivation = true;
    m_state.programDir =
        programDir.isEmpty() ? QCoreApplication::applicationDirPath() + '/' : programDir;
    if (!m_state.programDir.endsWith('/')) {
        m_state.programDir += '/';
    }
    m_state.language = m_settings.read(SettingKeys::tongue);
    toolButton(ToolButtonId::Sound)->setChecked(m_settings.read(SettingKeys::sound));
    m_sounds.setEnabled(soundOn()); // the toggle may not have changed, so set it outright
    m_state.level = m_settings.read(SettingKeys::level);
    m_state.category = std::clamp(m_settings.read(SettingKeys::group), 0, kCategoryCount - 1);
    toolButton(static_cast<ToolButtonId>(static_cast<int>(ToolButtonId::Humans) + m_state.category))
        ->setChecked(true);
    const FileResult loaded = tangram::LoadPatterns(m_state);
    if (!loaded) {
        m_libraryError = loaded.message;
        return;
    }
    clearStatusTable(m_state);
    m_state.progressPath = m_settings.read(SettingKeys::save);
    if (!m_state.progressPath.isEmpty()) {
        LoadGame(m_state.progressPath);
    }
    m_state.modified = false;
    SetUpPattern();
    ShowTitle();
}

QFileDialog* TMainform::saveDialog() {
    makeFileDialogs();
    return m_saveDlg;
}

QFileDialog* TMainform::openDialog() {
    makeFileDialogs();
    return m_openDlg;
}

// The file dialogs are made when first needed: they are heavy, and most sessions never open one.
void TMainform::makeFileDialogs() {
    if (m_saveDlg) {
        return;
    }
    m_saveDlg = new QFileDialog(this);
    m_saveDlg->setOption(QFileDialog::DontUseNativeDialog);
    m_saveDlg->setOption(QFileDialog::DontConfirmOverwrite); // the game asks itself
    m_saveDlg->setAcceptMode(QFileDialog::AcceptSave);
    m_saveDlg->setFileMode(QFileDialog::AnyFile);
    m_saveDlg->setDefaultSuffix(QStringLiteral("pzs"));
    m_saveDlg->setNameFilter(QStringLiteral("Wimbo Tangram (*.pzs)"));
    m_openDlg = new QFileDialog(this);
    m_openDlg->setOption(QFileDialog::DontUseNativeDialog);
    m_openDlg->setAcceptMode(QFileDialog::AcceptOpen);
    m_openDlg->setFileMode(QFileDialog::ExistingFile);
    m_openDlg->setDefaultSuffix(QStringLiteral("pzs"));
    m_openDlg->setNameFilter(QStringLiteral("Wimbo Tangram (*.pzs)"));
}

bool TMainform::soundOn() const {
    return toolButton(ToolButtonId::Sound)->isChecked();
}

// ---------------------------------------------------------------- commands

void TMainform::NewgameBtnClick() {
    if (!m_dialogs || m_dialogs->showMessagePage(4) != 6) {
        return;
    }
    if (m_state.modified) {
        saveByRule();
    }
    for (int n = 1; n <= safePatternCount(m_state); ++n) {
        m_state.status[n] = 0;
    }
    SetUpPattern();
    m_state.modified = false;
    m_state.progressPath.clear();
    repaintAll();
    ShowTitle();
}

void TMainform::LoadBtnClick() {
    makeFileDialogs();
    m_openDlg->setDirectory(m_state.progressPath.isEmpty()
                                ? initialSaveFolder()
                                : QFileInfo(m_state.progressPath).absolutePath());
    m_openDlg->selectFile(QString());
    if (m_openDlg->exec() != QDialog::Accepted || m_openDlg->selectedFiles().isEmpty()) {
        return;
    }
    const QString name = m_openDlg->selectedFiles().constFirst();
    if (m_state.modified) {
        saveByRule();
    }
    if (!name.isEmpty() && LoadGame(name)) {
        SetUpPattern();
        m_state.modified = false;
        m_state.progressPath = name;
        repaintAll();
        ShowTitle();
    }
}

void TMainform::SaveBtnClick() {
    saveByRule();
}

void TMainform::StatBtnClick() {
    if (m_dialogs) {
        m_dialogs->showStatistics();
    }
}

void TMainform::ExitBtnClick() {
    close();
}

void TMainform::ChangeCategory(int category) {
    if (category == m_state.category || category < 0 || category >= kCategoryCount) {
        return;
    }
    saveByRule();
    m_state.category = category;
    clearStatusTable(m_state);
    const FileResult loaded = tangram::LoadPatterns(m_state);
    if (!loaded) {
        // The library vanished while playing: keep the game safe with an empty category.
        m_state.patternCount = 0;
        normaliseLevel(m_state);
        showError(loaded.message);
    }
    if (!m_state.progressPath.isEmpty()) {
        LoadGame(m_state.progressPath);
    }
    m_state.modified = false;
    SetUpPattern();
    repaintAll();
}

void TMainform::SelectBtnClick() {
    if (m_dialogs && m_dialogs->showSelectDialog()) {
        SetUpPattern();
        repaintAll();
    }
}

void TMainform::UpBtnClick() {
    if (m_state.level < safePatternCount(m_state)) {
        ++m_state.level;
    }
    SetUpPattern();
    repaintAll();
}

void TMainform::DownBtnClick() {
    if (m_state.level > 1) {
        --m_state.level;
    }
    SetUpPattern();
    repaintAll();
}

void TMainform::TipBtnClick() {
    if (safePatternCount(m_state) > 0) {
        m_puzzle.TipBtnClick();
    }
}

void TMainform::TongueBtnClick() {
    if (m_dialogs) {
        m_dialogs->showLanguageDialog();
    }
    SetHints();
    // The preview's caption names the category: let it follow a new language at once.
    if (m_dialogs) {
        m_dialogs->refreshPreview();
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
    SetHints();
    if (m_dialogs) {
        m_dialogs->refreshPreview();
    }
}

void TMainform::WebBtnClick() {
    m_web.open();
}

void TMainform::ShowTitle() {
    setWindowTitle(mainCaption(m_state.progressPath, m_state.language));
}

// ---------------------------------------------------------------- board and pattern

void TMainform::SetUpPattern() {
    normaliseLevel(m_state);
    m_puzzle.SetUpPattern(currentPattern(m_state), currentStatus(m_state), m_state.modified);
}

void TMainform::repaintAll() {
    m_box->boxPaint();
    update();
    if (m_dialogs) {
        m_dialogs->refreshPreview();
    }
}

void TMainform::DrawPieceOutline(int piece, Colour colour, bool xorMode) {
    m_box->DrawPieceOutline(piece, colour, xorMode);
}

void TMainform::DrawPieceFilled(int piece, Colour fill, Colour pen) {
    m_box->DrawPieceFilled(piece, fill, pen);
}

void TMainform::DrawPlacedPieces(Colour fill, Colour pen) {
    m_box->DrawPlacedPieces(fill, pen);
}

void TMainform::PlaySoundEffect(int sound) {
    m_sounds.PlaySoundEffect(sound);
}

void TMainform::ShowWonPage() {
    if (m_dialogs) {
        m_dialogs->showMessagePage(1);
    }
}

void TMainform::RefreshPreview() {
    if (m_dialogs) {
        m_dialogs->refreshPreview();
    }
}

void TMainform::SetHelpEnabled(bool enabled) {
    // An empty category has nothing to reveal.
    toolButton(ToolButtonId::Tip)->setEnabled(enabled && safePatternCount(m_state) > 0);
}

void TMainform::SetBoardCursor(BoardCursor cursor) {
    m_box->setBoardCursor(cursor);
}

// ---------------------------------------------------------------- window events

void TMainform::showEvent(QShowEvent* event) {
    if (!m_placementApplied) {
        m_placementApplied = true;
        const std::optional<WindowPlacement> record = m_settings.readPlacement();
        setGeometry(decideWindowGeometry(record, availableScreenGeometries(), kDesignedClient));
        if (record && record->opensMaximized()) {
            setWindowState(windowState() | Qt::WindowMaximized);
        } else {
            OpeningAnimation::start(QCursor::pos(), frameGeometry());
        }
    }
    QWidget::showEvent(event);
}

void TMainform::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_firstActivation) {
        m_firstActivation = false;
        // Leave the activation handler before opening modal windows.
        QTimer::singleShot(0, this, &TMainform::formActivate);
    }
}

void TMainform::formActivate() {
    if (m_dialogs) {
        m_dialogs->showSplash();
        if (m_state.language == -1) {
            m_dialogs->showLanguageDialog();
        }
    }
    SetHints();
    if (m_dialogs) {
        m_dialogs->refreshPreview();
    }
}

void TMainform::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    if (!formCloseQuery()) {
        event->ignore();
        return;
    }
    formClose();
    m_closed = true;
    event->accept();
    emit closed();
}

bool TMainform::formCloseQuery() {
    return !m_dialogs || m_dialogs->showMessagePage(3) == 6;
}

void TMainform::formClose() {
    if (m_dialogs) {
        m_dialogs->closeRules();
    }
    if (m_state.modified) {
        saveByRule();
    }
    m_settings.write(SettingKeys::sound, soundOn());
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        m_settings.write(SettingKeys::wid, width());
        m_settings.write(SettingKeys::hig, height());
    }
    m_settings.write(SettingKeys::level, m_state.level);
    m_settings.write(SettingKeys::group, m_state.category);
    m_settings.write(SettingKeys::tongue, m_state.language);
    m_settings.write(SettingKeys::save, m_state.progressPath);
}

void TMainform::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    formResize();
}

void TMainform::formResize() {
    m_toolPanel->setGeometry(0, 0, width(), kToolPanelHeight);
    const BoardLayout layout = computeBoardLayout(width(), height(), kToolPanelHeight);
    m_puzzle.SetCellSize(layout.cellSize, layout.cellSize);
    m_box->setGeometry(layout.box);
    m_box->boxPaint();
    update();
}

void TMainform::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFormBackground(painter, width(), height(), kToolPanelHeight, m_box->geometry(), m_tile);
}

} // namespace tangram
