// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/soundeffects.h"

#include "services/wavclip.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <cstring>

namespace tangram {

namespace {

// Resource names of the clips, in the game's numbering 1..6.
constexpr std::array<const char*, SoundEffects::kClipCount> kClipFiles = {
    ":/sounds/pick.wav", ":/sounds/drop.wav",   ":/sounds/turn.wav",
    ":/sounds/move.wav", ":/sounds/solved.wav", ":/sounds/refused.wav",
};

QAudioFormat clipFormat(QAudioFormat::SampleFormat sampleFormat) {
    QAudioFormat format;
    format.setSampleRate(22050);
    format.setChannelCount(1);
    format.setSampleFormat(sampleFormat);
    return format;
}

// 8-bit unsigned samples to 16-bit signed, for devices that do not take 8-bit data.
QByteArray widenTo16Bit(const QByteArray& samples) {
    QByteArray out(samples.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const auto wide = static_cast<qint16>((static_cast<quint8>(samples[i]) - 128) * 256);
        std::memcpy(out.data() + 2 * i, &wide, sizeof wide); // native byte order, as the sink wants
    }
    return out;
}

} // namespace

SoundEffects::SoundEffects(DeviceProbe probe) : m_probe(std::move(probe)) {
    if (!m_probe)
        m_probe = [] { return QMediaDevices::defaultAudioOutput(); };
}

SoundEffects::~SoundEffects() {
    if (m_sink)
        m_sink->stop();
}

QByteArray SoundEffects::clip(int n) {
    if (n < 1 || n > kClipCount)
        return {};
    QFile file(QString::fromLatin1(kClipFiles[n - 1]));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool SoundEffects::prepareSink() {
    if (m_probed)
        return m_sink != nullptr;
    m_probed = true;
    const QAudioDevice device = m_probe();
    if (device.isNull())
        return false;

    QAudioFormat format = clipFormat(QAudioFormat::UInt8);
    bool widen = false;
    if (!device.isFormatSupported(format)) {
        format = clipFormat(QAudioFormat::Int16);
        widen = true;
        if (!device.isFormatSupported(format))
            return false;
    }
    for (int n = 1; n <= kClipCount; ++n) {
        const std::optional<WavClip> wav = parseWavClip(clip(n));
        if (wav && wav->isGameFormat())
            m_samples[n - 1] = widen ? widenTo16Bit(wav->samples) : wav->samples;
    }
    m_sink = std::make_unique<QAudioSink>(device, format);
    return true;
}

void SoundEffects::PlaySoundEffect(int n) {
    if (!m_enabled || n < 1 || n > kClipCount)
        return;
    if (!prepareSink())
        return;
    const QByteArray& samples = m_samples[n - 1];
    if (samples.isEmpty())
        return;
    // Cut off whatever plays now; the sink then pulls the new clip from the buffer by itself.
    m_sink->stop();
    m_buffer.close();
    m_buffer.setData(samples);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink->start(&m_buffer);
}

void SoundEffects::setEnabled(bool enabled) {
    m_enabled = enabled;
    if (!enabled && m_sink)
        m_sink->stop();
}

bool SoundEffects::isPlaying() const {
    return m_sink && m_sink->state() == QAudio::ActiveState;
}

} // namespace tangram
