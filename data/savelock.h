// SPDX-License-Identifier: GPL-3.0-or-later
// The lock a save holds beside the progress file ("<name>.lock"), so that two running games never
// merge against the same old file. It is a kernel lock (flock) on that file: the system drops it
// when its process ends, killed or not, so no left-over ever blocks a later save. The holder
// removes the file before it lets go; a waiter that then finds it has locked a removed file tries
// again on the path.
#pragma once

#include <QString>

namespace tangram {

class SaveLock {
public:
    enum class State {
        Locked,
        Busy,   // another process held it for the whole wait
        Failed, // the lock file cannot be made (read-only folder, no folder, ...)
    };

    // Waits at most `waitMs` for the lock at `lockPath`.
    SaveLock(const QString& lockPath, int waitMs);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    State state() const { return m_state; }

private:
    QByteArray m_path;
    int m_fd = -1;
    State m_state = State::Failed;
};

} // namespace tangram
