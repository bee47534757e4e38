// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/soundeffects.h"

#include "services/wavclip.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <cstring>

namespace tangram {

namespace {

// Resource names of the clips, in the order of SoundEffect.
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

// Index of the clip of `sound` in the tables, or -1 for a value that names no effect.
int clipIndex(SoundEffect sound) {
    const int n = static_cast<int>(sound);
    return n >= 1 && n <= SoundEffects::kClipCount ? n - 1 : -1;
}

} // namespace

SoundEffects::SoundEffects(DeviceProbe probe) : m_probe(std::move(probe)) {
    if (!m_probe)
        m_probe = [] { return QMediaDevices::defaultAudioOutput(); };
}

SoundEffects::~SoundEffects() {
    retireSink();
}

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
    if (m_probed)
        return !m_device.isNull();
    m_probed = true;
    QAudioDevice device = m_probe();
    if (device.isNull())
        return false;

    m_format = clipFormat(QAudioFormat::UInt8);
    bool widen = false;
    if (!device.isFormatSupported(m_format)) {
        m_format = clipFormat(QAudioFormat::Int16);
        widen = true;
        if (!device.isFormatSupported(m_format))
            return false;
    }
    for (int n = 1; n <= kClipCount; ++n) {
        const std::optional<WavClip> wav = parseWavClip(clip(static_cast<SoundEffect>(n)));
        if (wav && wav->isGameFormat())
            m_samples[n - 1] = widen ? widenTo16Bit(wav->samples) : wav->samples;
    }
    m_device = device;
    return true;
}

void SoundEffects::retireSink() {
    if (!m_sink)
        return;
    m_sink->stop();
    m_sink->deleteLater();
    m_sink = nullptr;
}

void SoundEffects::PlaySoundEffect(SoundEffect sound) {
    const int index = clipIndex(sound);
    if (!m_enabled || index < 0)
        return;
    if (!prepareOutput())
        return;
    const QByteArray& samples = m_samples[static_cast<std::size_t>(index)];
    if (samples.isEmpty())
        return;
    retireSink();
    m_sink = new QAudioSink(m_device, m_format);
    // The buffer shares the clip's bytes and goes with the sink, after the sink has let go of it.
    auto* buffer = new QBuffer(m_sink);
    buffer->setData(samples);
    buffer->open(QIODevice::ReadOnly);
    m_sink->start(buffer); // returns at once; the sink pulls the clip from the event loop
}

void SoundEffects::setEnabled(bool enabled) {
    m_enabled = enabled;
    if (!enabled)
        retireSink();
}

bool SoundEffects::isPlaying() const {
    return m_sink && m_sink->state() == QAudio::ActiveState;
}

} // namespace tangram
