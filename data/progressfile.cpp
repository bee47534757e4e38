// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/progressfile.h"

#include "data/boundedfile.h"
#include "data/savelock.h"
#include "data/texts.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tangram {

namespace {

int highNibble(char byte) {
    return static_cast<unsigned char>(byte) >> 4;
}
std::uint8_t lowNibble(char byte) {
    return static_cast<unsigned char>(byte) & 0x0F;
}

// The file a save really writes: QSaveFile follows a symbolic link to its target, so the lock and
// the temporaries live beside that target.
QString resolvedTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
    return target.isEmpty() ? path : target;
}

// QSaveFile names a temporary "<name>." + six random ASCII letters. A player's own copy could
// carry a word there ("game.pzs.backup"), so an all-lower-case, all-upper-case or capitalised
// suffix is never taken for a temporary: at worst such a left-over stays.
bool looksLikeTemporarySuffix(const QString& suffix) {
    if (suffix.size() != 6)
        return false;
    int upper = 0;
    for (const QChar c : suffix) {
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            ++upper;
        else if (c.unicode() < 'a' || c.unicode() > 'z')
            return false;
    }
    const bool capitalised = upper == 1 && suffix.at(0).isUpper();
    return upper != 0 && upper != 6 && !capitalised;
}

// Runs under the save lock, so no other running game is writing one of these right now; the age
// limit also spares a save of a game that takes no lock.
void removeStaleTemporaries(const QString& target) {
    const QFileInfo info(target);
    const QString prefix = info.fileName() + u'.';
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QFileInfoList entries =
        info.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (!name.startsWith(prefix) || entry.isSymLink() ||
            !looksLikeTemporarySuffix(name.mid(prefix.size())))
            continue;
        if (entry.lastModified().toUTC().secsTo(now) < kStaleTemporarySeconds)
            continue;
        const BoundedFile left = readBoundedFile(entry.filePath(), kMaxProgressFileBytes);
        if (left.outcome == BoundedFile::Outcome::Read &&
            checkProgressData(left.bytes) == ProgressCheck::Valid)
            QFile::remove(entry.filePath());
    }
}

// The previous file for the merge, or the reason it must not be overwritten.
std::optional<SaveFault> readPreviousFile(const QString& path, QByteArray& contents) {
    BoundedFile previous = readBoundedFile(path, kMaxProgressFileBytes);
    switch (previous.outcome) {
    case BoundedFile::Outcome::Missing:
        contents.clear();
        return std::nullopt;
    case BoundedFile::Outcome::Read:
        break;
    case BoundedFile::Outcome::Folder:
        return SaveFault::FolderInTheWay;
    case BoundedFile::Outcome::TooLarge:
        return SaveFault::TooLarge;
    case BoundedFile::Outcome::NotRegular:
        return SaveFault::NotProgressFile;
    case BoundedFile::Outcome::Failed:
        return SaveFault::NotWritable;
    }
    switch (checkProgressData(previous.bytes)) {
    case ProgressCheck::Valid:
        contents = std::move(previous.bytes);
        return std::nullopt;
    case ProgressCheck::TooLarge:
        return SaveFault::TooLarge;
    case ProgressCheck::NotProgressFile:
        break;
    }
    return SaveFault::NotProgressFile;
}

} // namespace

ProgressCheck checkProgressData(QByteArrayView data) {
    if (data.size() > kMaxProgressFileBytes)
        return ProgressCheck::TooLarge;
    std::array<int, kCategoryCount> perCategory{};
    for (const char byte : data) {
        const int category = highNibble(byte);
        if (category >= kCategoryCount ||
            ++perCategory[static_cast<std::size_t>(category)] > kMaxPatterns)
            return ProgressCheck::NotProgressFile;
    }
    return ProgressCheck::Valid;
}

QByteArray currentCategoryBytes(const GameState& state) {
    const int count = state.patternCount();
    const int high = (state.category & 0x0F) << 4;
    QByteArray bytes(count, Qt::Uninitialized);
    for (int n = 1; n <= count; ++n)
        bytes[n - 1] = static_cast<char>(high | state.status[static_cast<std::size_t>(n)].nibble());
    return bytes;
}

QByteArray otherCategoryBytes(QByteArrayView previous, int category) {
    QByteArray kept;
    kept.reserve(previous.size());
    for (const char byte : previous) {
        if (highNibble(byte) != category)
            kept.append(byte);
    }
    return kept;
}

QByteArray mergeProgress(QByteArrayView previous, const GameState& state) {
    return otherCategoryBytes(previous, state.category) + currentCategoryBytes(state);
}

std::optional<QByteArray> readPreviousProgress(QIODevice& device) {
    QByteArray contents;
    char chunk[4096];
    for (;;) {
        const qint64 got = device.read(chunk, sizeof chunk);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        if (contents.size() + got > kMaxProgressFileBytes)
            return std::nullopt;
        contents.append(chunk, got);
    }
    return contents;
}

bool readProgress(QIODevice& device, GameState& state) {
    const int count = state.patternCount();
    // Filled aside and copied at the end, so that a failing read leaves the table as it was.
    std::array<PatternStatus, kMaxPatterns + 1> loaded{};
    int k = 1;
    char chunk[4096];
    while (k <= count) {
        const qint64 got = device.read(chunk, sizeof chunk);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        for (qint64 i = 0; i < got && k <= count; ++i) {
            if (highNibble(chunk[i]) == state.category)
                loaded[static_cast<std::size_t>(k++)] = lowNibble(chunk[i]);
        }
    }
    std::copy(loaded.begin() + 1, loaded.begin() + 1 + count, state.status.begin() + 1);
    return true;
}

FileResult SaveGame(const GameState& state, const QString& path) {
    const auto failed = [&](SaveFault fault) {
        return FileResult::failure(saveFailedMessage(path, fault));
    };
    const QString target = resolvedTarget(path);
    if (QFileInfo(target).isDir())
        return failed(SaveFault::FolderInTheWay);

    // Held from reading the old file to the rename: another game's save in between would be lost.
    const SaveLock lock(target + QStringLiteral(".lock"), kSaveLockWaitMs);
    if (lock.state() != SaveLock::State::Locked) {
        return failed(lock.state() == SaveLock::State::Busy ? SaveFault::InUse
                                                            : SaveFault::NotWritable);
    }
    QByteArray previous;
    if (const std::optional<SaveFault> fault = readPreviousFile(path, previous))
        return failed(*fault);
    removeStaleTemporaries(target);
    const QByteArray contents = mergeProgress(previous, state);

    // No direct-write fallback: if the folder does not allow a temporary file beside the target,
    // the save fails with the old file intact rather than risking a half-written one.
    // Unbuffered on purpose: with QFileDevice's write buffer the data only reaches the disk inside
    // commit(), and Qt 6.4 then loses a short write (a full disk, a file size limit) and renames
    // the truncated file over the old one. Written directly, the short count shows up here.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(SaveFault::NotWritable);
    // Leaving without commit() discards the temporary file.
    if (file.write(contents) != contents.size() || !file.flush() ||
        file.error() != QFileDevice::NoError)
        return failed(SaveFault::NotWritable);
    if (!file.commit())
        return failed(SaveFault::NotWritable);
    return FileResult::success();
}

FileResult LoadGame(GameState& state, const QString& path) {
    BoundedFile file = readBoundedFile(path, kMaxProgressFileBytes);
    QBuffer buffer(&file.bytes);
    if (file.outcome != BoundedFile::Outcome::Read ||
        checkProgressData(file.bytes) != ProgressCheck::Valid ||
        !buffer.open(QIODevice::ReadOnly) || !readProgress(buffer, state))
        return FileResult::failure(loadFailedMessage(path));
    return FileResult::success();
}

} // namespace tangram
