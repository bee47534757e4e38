// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's progress-file commands: saving by the save rule, "save as" with its file
// dialog and overwrite question, loading, and their error messages.
#include "ui/Main.h"

#include "data/progressfile.h"
#include "data/texts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace tangram {

bool TMainform::SaveGame(const QString& path) {
    const FileResult result = tangram::SaveGame(m_state, path);
    if (!result) {
        showError(result.message);
    }
    return result.ok;
}

QString TMainform::initialSaveFolder() const {
    // The program folder, as long as the player may write there; an installed game lives in a
    // system folder, so the documents folder serves instead.
    const QFileInfo folder(m_state.programDir);
    if (folder.isDir() && folder.isWritable()) {
        return m_state.programDir;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void TMainform::SaveGameAs() {
    makeFileDialogs();
    if (m_state.progressPath.isEmpty()) {
        m_saveDlg->setDirectory(initialSaveFolder());
        m_saveDlg->selectFile(QString());
    } else {
        m_saveDlg->setDirectory(QFileInfo(m_state.progressPath).absolutePath());
        m_saveDlg->selectFile(m_state.progressPath);
    }
    QString name;
    for (;;) {
        if (m_saveDlg->exec() != QDialog::Accepted || m_saveDlg->selectedFiles().isEmpty()) {
            return;
        }
        name = forcePzsExtension(m_saveDlg->selectedFiles().constFirst());
        if (!QFileInfo::exists(name)) {
            break;
        }
        QMessageBox question(QMessageBox::Warning, QStringLiteral("Wimbo Tangram"),
                             overwriteQuestion(m_state.language, name),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() == QMessageBox::Yes) {
            break;
        }
        m_saveDlg->selectFile(name);
    }
    if (SaveGame(name)) {
        m_state.modified = false;
        m_state.progressPath = name;
        ShowTitle();
    }
}

bool TMainform::LoadGame(const QString& path) {
    const FileResult result = tangram::LoadGame(m_state, path);
    if (!result) {
        showError(result.message);
    }
    return result.ok;
}

void TMainform::saveByRule() {
    if (!m_state.progressPath.isEmpty()) {
        SaveGame(m_state.progressPath);
    } else {
        SaveGameAs();
    }
}

void TMainform::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Wimbo Tangram"), text, QMessageBox::Ok,
                    this);
    box.exec();
}

} // namespace tangram
