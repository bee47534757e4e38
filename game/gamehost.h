// SPDX-License-Identifier: GPL-3.0-or-later
// What the game session asks of the window that shows it. The main window implements it; tests
// use a recording host. Every question is modal and answered before the call returns.
#pragma once

#include "data/language.h"
#include "game/messagepage.h"
#include "model/puzzleevents.h"

#include <QString>

namespace tangram {

class GameHost {
public:
    virtual ~GameHost() = default;

    virtual ModalResult askPage(MessagePage page) = 0;
    // A progress file to write, chosen by the player starting in `folder` with `current`
    // preselected (empty for none); an existing file is offered for overwriting only after a
    // question. Empty when the player cancelled.
    virtual QString askSavePath(const QString& folder, const QString& current) = 0;
    // An existing progress file to read, chosen starting in `folder`; empty when cancelled.
    virtual QString askOpenPath(const QString& folder) = 0;
    // The player's language is now `language` (at the start, from the settings, and when the
    // player switches): its texts must be in force before the session words or shows anything.
    virtual void languageChanged(Language language) = 0;
    // A failure, already worded in the player's language.
    virtual void showError(const QString& message) = 0;
    // The progress could not be saved before a command that would drop it (`reason` says why,
    // in the player's language): true to go on without saving, false to go back to the game with
    // nothing changed.
    virtual bool askContinueWithoutSaving(const QString& reason) = 0;

    virtual void playSound(SoundEffect sound) = 0;
    // The figure is complete: the "won" page.
    virtual void figureSolved() = 0;
    // Anything the windows show from the state may have changed: pattern, category, status,
    // language, progress file, whether help can be used. The board draws its own changes.
    virtual void stateChanged() = 0;
};

} // namespace tangram
