// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/helpdocument.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <algorithm>
#include <array>
#include <cctype>

namespace tangram {

namespace {

bool isVoidElement(QByteArrayView name) {
    static constexpr std::array<const char*, 16> kVoid{
        "area", "base", "br",    "col",    "embed", "hr",  "img",      "input",
        "link", "meta", "param", "source", "track", "wbr", "basefont", "frame"};
    const QByteArray lower = name.toByteArray().toLower();
    return std::any_of(kVoid.begin(), kVoid.end(),
                       [&](const char* v) { return lower == QByteArrayView(v); });
}

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

} // namespace

int helpNestingDepth(QByteArrayView html) {
    int depth = 0;
    int deepest = 0;
    qsizetype i = 0;
    const qsizetype n = html.size();
    while (i < n) {
        if (html[i] != '<') {
            ++i;
            continue;
        }
        const qsizetype close = html.indexOf('>', i + 1);
        const qsizetype end = close < 0 ? n : close;
        const QByteArrayView tag = html.sliced(i + 1, end - i - 1);
        i = end + 1;
        if (tag.isEmpty() || tag[0] == '!' || tag[0] == '?')
            continue;
        if (tag[0] == '/') {
            depth = std::max(0, depth - 1);
            continue;
        }
        qsizetype nameEnd = 0;
        while (nameEnd < tag.size() && isNameChar(tag[nameEnd]))
            ++nameEnd;
        if (nameEnd == 0 || tag.endsWith('/') || isVoidElement(tag.first(nameEnd)))
            continue;
        deepest = std::max(deepest, ++depth);
    }
    return deepest;
}

bool helpDocumentWithinBounds(QByteArrayView html) {
    return html.size() <= kMaxHelpBytes && helpNestingDepth(html) <= kMaxHelpNesting;
}

} // namespace tangram
