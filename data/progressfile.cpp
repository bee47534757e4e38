// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/progressfile.h"

#include "data/texts.h"

#include <QFile>
#include <QSaveFile>

namespace tangram {

namespace {

int highNibble(char byte) {
    return static_cast<unsigned char>(byte) >> 4;
}
std::uint8_t lowNibble(char byte) {
    return static_cast<unsigned char>(byte) & 0x0F;
}

// Reading an existing file for the merge: nullopt means "exists but unusable", which must stop the
// save, while a missing file is an ordinary first save.
std::optional<QByteArray> previousFileContents(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readPreviousProgress(file);
}

} // namespace

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
    const auto failed = [&] {
        return FileResult::failure(saveFailedMessage(path));
    };
    const std::optional<QByteArray> previous = previousFileContents(path);
    if (!previous)
        return failed();
    const QByteArray contents = mergeProgress(*previous, state);

    // No direct-write fallback: if the folder does not allow a temporary file beside the target,
    // the save fails with the old file intact rather than risking a half-written one.
    // Unbuffered on purpose: with QFileDevice's write buffer the data only reaches the disk inside
    // commit(), and Qt 6.4 then loses a short write (a full disk, a file size limit) and renames
    // the truncated file over the old one. Written directly, the short count shows up here.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed();
    // Leaving without commit() discards the temporary file.
    if (file.write(contents) != contents.size() || !file.flush() ||
        file.error() != QFileDevice::NoError)
        return failed();
    if (!file.commit())
        return failed();
    return FileResult::success();
}

FileResult LoadGame(GameState& state, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !readProgress(file, state))
        return FileResult::failure(loadFailedMessage(path));
    return FileResult::success();
}

} // namespace tangram
