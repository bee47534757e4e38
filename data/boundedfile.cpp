// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/boundedfile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tangram {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

BoundedFile outcome(BoundedFile::Outcome what) {
    return BoundedFile{what, {}};
}

} // namespace

BoundedFile readBoundedFile(const QString& path, qint64 maxBytes) {
    const QByteArray native = QFile::encodeName(path);
    if (native.isEmpty())
        return outcome(BoundedFile::Outcome::Missing);
    const FileDescriptor fd(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        return outcome(errno == ENOENT || errno == ENOTDIR ? BoundedFile::Outcome::Missing
                                                           : BoundedFile::Outcome::Failed);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return outcome(BoundedFile::Outcome::Failed);
    if (S_ISDIR(info.st_mode))
        return outcome(BoundedFile::Outcome::Folder);
    if (!S_ISREG(info.st_mode))
        return outcome(BoundedFile::Outcome::NotRegular);
    if (info.st_size > maxBytes)
        return outcome(BoundedFile::Outcome::TooLarge);

    // The size is read again as the data comes: the file may grow meanwhile.
    BoundedFile result{BoundedFile::Outcome::Read, {}};
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return outcome(BoundedFile::Outcome::Failed);
        }
        if (got == 0)
            break;
        if (result.bytes.size() + got > maxBytes)
            return outcome(BoundedFile::Outcome::TooLarge);
        result.bytes.append(chunk, got);
    }
    return result;
}

} // namespace tangram
