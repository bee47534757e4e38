// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/wavclip.h"

#include <QtEndian>

namespace tangram {

namespace {

quint32 u32At(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 u16At(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

bool tagAt(const QByteArray& b, qsizetype at, const char* tag) {
    return b.size() >= at + 4 && b.mid(at, 4) == QByteArray::fromRawData(tag, 4);
}

} // namespace

std::optional<WavClip> parseWavClip(const QByteArray& file) {
    if (!tagAt(file, 0, "RIFF") || !tagAt(file, 8, "WAVE"))
        return std::nullopt;
    WavClip clip;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const qsizetype size = u32At(file, at + 4);
        const qsizetype body = at + 8;
        if (size > file.size() - body)
            return std::nullopt;
        if (tagAt(file, at, "fmt ")) {
            if (size < 16)
                return std::nullopt;
            clip.audioFormat = u16At(file, body);
            clip.channels = u16At(file, body + 2);
            clip.sampleRate = static_cast<int>(u32At(file, body + 4));
            clip.bitsPerSample = u16At(file, body + 14);
            haveFormat = true;
        } else if (tagAt(file, at, "data")) {
            if (!haveFormat)
                return std::nullopt;
            clip.samples = file.mid(body, size);
            return clip;
        }
        at = body + size + (size % 2); // chunks are padded to an even length
    }
    return std::nullopt;
}

} // namespace tangram
