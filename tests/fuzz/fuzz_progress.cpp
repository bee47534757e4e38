// SPDX-License-Identifier: GPL-3.0-or-later
// The progress file reader, the progress-data check and the merge of a save on any bytes. The
// first three bytes choose the category and pattern count; the rest is the file on disk.
#include "data/progressfile.h"
#include "fuzz_support.h"

#include <QBuffer>
#include <memory>

using namespace tangram;

namespace {

QByteArray categoryBytes(QByteArrayView data, int category) {
    QByteArray kept;
    for (const char byte : data) {
        if ((static_cast<unsigned char>(byte) >> 4) == category)
            kept.append(byte);
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    auto state = std::make_unique<GameState>();
    state->category = data[0] % kCategoryCount;
    state->setPatternCount((data[1] | (data[2] << 8)) % (kMaxPatterns + 1));
    QByteArray file(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));
    const int count = state->patternCount();

    // Reading: the k-th byte of the category sets status[k], nothing above the count is touched.
    state->status.fill(0);
    for (int n = 1; n <= count; ++n)
        state->status[static_cast<std::size_t>(n)] = PatternStatus(0x5);
    QBuffer device(&file);
    device.open(QIODevice::ReadOnly);
    FUZZ_CHECK(readProgress(device, *state));
    const QByteArray own = categoryBytes(file, state->category);
    for (int n = 1; n <= kMaxPatterns; ++n) {
        const std::uint8_t expected =
            n <= count && n <= own.size() ? static_cast<std::uint8_t>(own[n - 1] & 0x0F) : 0;
        FUZZ_CHECK(state->status[static_cast<std::size_t>(n)].nibble() == expected);
    }

    // The merge keeps every other byte in order and appends exactly the category's statuses.
    const QByteArray merged = mergeProgress(file, *state);
    const QByteArray others = otherCategoryBytes(file, state->category);
    FUZZ_CHECK(merged.size() == others.size() + count);
    FUZZ_CHECK(merged.first(others.size()) == others);
    FUZZ_CHECK(categoryBytes(merged, state->category).size() == count);

    // A valid file stays valid through a save, and reads back what was saved.
    const ProgressCheck check = checkProgressData(file);
    FUZZ_CHECK((check == ProgressCheck::TooLarge) == (file.size() > kMaxProgressFileBytes));
    if (check == ProgressCheck::Valid) {
        FUZZ_CHECK(checkProgressData(merged) == ProgressCheck::Valid);
        auto reread = std::make_unique<GameState>();
        reread->category = state->category;
        reread->setPatternCount(count);
        QByteArray copy = merged;
        QBuffer again(&copy);
        again.open(QIODevice::ReadOnly);
        FUZZ_CHECK(readProgress(again, *reread));
        FUZZ_CHECK(reread->status == state->status);
    }

    QBuffer previous(&file);
    previous.open(QIODevice::ReadOnly);
    const std::optional<QByteArray> whole = readPreviousProgress(previous);
    FUZZ_CHECK(whole.has_value() == (file.size() <= kMaxProgressFileBytes));
    FUZZ_CHECK(!whole || *whole == file);
    return 0;
}
