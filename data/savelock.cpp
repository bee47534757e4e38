// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/savelock.h"

#include <QElapsedTimer>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tangram {

namespace {

bool sameFile(int fd, const char* path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(path, &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

} // namespace

SaveLock::SaveLock(const QString& lockPath, int waitMs) : m_path(QFile::encodeName(lockPath)) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) {
            m_state = State::Failed;
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (sameFile(fd, m_path.constData())) {
                m_fd = fd;
                m_state = State::Locked;
                return;
            }
            // Its holder removed it between our open and our lock: take the path's new file.
            ::close(fd);
            continue;
        }
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK && error != EINTR) {
            m_state = State::Failed;
            return;
        }
        if (waited.elapsed() >= waitMs) {
            m_state = State::Busy;
            return;
        }
        ::usleep(10'000);
    }
}

SaveLock::~SaveLock() {
    if (m_fd < 0)
        return;
    // Removed while still held, so nobody can lock the name in between and then lose it.
    ::unlink(m_path.constData());
    ::close(m_fd);
}

} // namespace tangram
