// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's placement record on any text, and the geometry decided from it for a few
// screen layouts: a record parses to bounds that format back to the same record, and the decided
// geometry lies on a screen whenever the window fits one.
#include "fuzz_support.h"
#include "services/windowplacement.h"

using namespace tangram;

namespace {

const QList<QList<QRect>> kLayouts{
    {},
    {QRect(0, 0, 1920, 1040)},
    {QRect(0, 0, 1366, 728), QRect(-1920, -200, 1920, 1080)},
    {QRect(0, 0, 640, 480), QRect(640, 0, 3840, 2160), QRect(0, 480, 800, 600)},
    {QRect(-1000000, -1000000, 800, 600)},
};

bool containsRect(const QList<QRect>& screens, const QRect& r) {
    for (const QRect& s : screens) {
        if (s.contains(r))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<WindowPlacement> record = parsePlacementRecord(text);
    if (record) {
        const QRect& b = record->normalBounds;
        FUZZ_CHECK(b.width() > 0 && b.height() > 0);
        FUZZ_CHECK(parsePlacementRecord(formatPlacementRecord(*record)) == record);
        (void)record->opensMaximized();
    }
    for (const QList<QRect>& screens : kLayouts) {
        const QRect decided = decideWindowGeometry(record, screens);
        FUZZ_CHECK(decided.width() > 0 && decided.height() > 0);
        if (!screens.isEmpty())
            FUZZ_CHECK(containsRect(screens, decided));
    }
    return 0;
}
