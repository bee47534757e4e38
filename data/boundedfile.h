// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a whole outside file safely: only a regular file is read, and never more than a valid
// file of its kind can hold. A FIFO, a device (a link to /dev/zero), a socket or a folder at the
// path is reported instead of read, so no reader of the game can block or run without end on it.
#pragma once

#include <QByteArray>
#include <QString>

namespace tangram {

struct BoundedFile {
    enum class Outcome {
        Read,       // `bytes` holds the whole file
        Missing,    // nothing at the path (a dangling symbolic link included)
        Folder,     // a folder is in the way
        NotRegular, // a FIFO, device or socket
        TooLarge,   // longer than the bound; `bytes` is empty
        Failed,     // no permission, or a read error
    };
    Outcome outcome = Outcome::Failed;
    QByteArray bytes;
};

// Reads the file at `path` (symbolic links followed) when it is a regular file of at most
// `maxBytes` bytes. Opened non-blocking, so even a FIFO swapped in after any earlier check cannot
// stall the caller; the type is taken from the open file itself.
BoundedFile readBoundedFile(const QString& path, qint64 maxBytes);

} // namespace tangram
