// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/soundeffects.h"

#include "services/wavclip.h"

#include <QFile>

namespace tangram {

namespace {

// Resource names of the clips, in the order of SoundEffect.
constexpr std::array<const char*, SoundEffects::kClipCount> kClipFiles = {
    ":/sounds/pick.wav", ":/sounds/drop.wav",   ":/sounds/turn.wav",
    ":/sounds/move.wav", ":/sounds/solved.wav", ":/sounds/refused.wav",
};

// Index of the clip of `sound` in the tables, or -1 for a value that names no effect.
int clipIndex(SoundEffect sound) {
    const int n = static_cast<int>(sound);
    return n >= 1 && n <= SoundEffects::kClipCount ? n - 1 : -1;
}

} // namespace

SoundEffects::SoundEffects(OutputOpener opener) : m_opener(std::move(opener)) {
    if (!m_opener)
        m_opener = openSystemSoundOutput;
}

SoundEffects::~SoundEffects() = default; // the output stops its sound as it goes

QByteArray SoundEffects::clip(SoundEffect sound) {
    const int index = clipIndex(sound);
    if (index < 0)
        return {};
    QFile file(QString::fromLatin1(kClipFiles[static_cast<std::size_t>(index)]));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool SoundEffects::prepareOutput() {
    if (m_prepared)
        return m_output != nullptr;
    m_prepared = true;
    m_output = m_opener();
    if (!m_output)
        return false;
    for (int n = 1; n <= kClipCount; ++n) {
        const std::optional<WavClip> wav = parseWavClip(clip(static_cast<SoundEffect>(n)));
        if (wav && wav->isGameFormat())
            m_samples[n - 1] = wav->samples;
    }
    return true;
}

void SoundEffects::PlaySoundEffect(SoundEffect sound) {
    const int index = clipIndex(sound);
    if (!m_enabled || index < 0)
        return;
    if (!prepareOutput())
        return;
    const QByteArray& samples = m_samples[static_cast<std::size_t>(index)];
    if (!samples.isEmpty())
        m_output->play(samples);
}

void SoundEffects::setEnabled(bool enabled) {
    m_enabled = enabled;
    if (!enabled && m_output)
        m_output->stop();
}

bool SoundEffects::isPlaying() const {
    return m_output && m_output->isPlaying();
}

} // namespace tangram
