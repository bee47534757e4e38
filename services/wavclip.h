// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the sample data out of a RIFF WAVE file held in memory. Chunks other than "fmt " and
// "data" are skipped; a truncated or malformed file gives nothing, never a read past its end.
#pragma once

#include <QByteArray>
#include <optional>

namespace tangram {

struct WavClip {
    int audioFormat = 0; // 1 = PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    QByteArray samples; // contents of the "data" chunk

    // The one format the game's clips have: PCM, mono, 8 bits unsigned, 22050 samples per second.
    bool isGameFormat() const {
        return audioFormat == 1 && channels == 1 && sampleRate == 22050 && bitsPerSample == 8;
    }
};

// Nothing unless the file starts with "RIFF" ... "WAVE" and has a "fmt " chunk of at least 16
// bytes before a "data" chunk that lies wholly inside the file.
std::optional<WavClip> parseWavClip(const QByteArray& file);

} // namespace tangram
