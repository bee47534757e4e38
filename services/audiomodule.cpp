// SPDX-License-Identifier: GPL-3.0-or-later
// The audio module: the game's sound output on QtMultimedia, built as "wimbo-tangram-audio.so" and
// loaded by services/soundoutput.cpp when the game first needs it, so that the program starts
// without the audio libraries.
//
// One QAudioSink plays at a time, but each sound gets a fresh one: Qt 6.4's PulseAudio sink stops
// pulling data after it has been stopped and restarted a few times. The sink being replaced is
// stopped at once (that cuts its sound off) and deleted later from the event loop, because Qt's
// PulseAudio sink processes events in its destructor, which must not happen inside the game's
// event handlers or destructors.
#include "services/soundoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <cstring>

namespace tangram {
namespace {

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

class SinkOutput : public SoundOutput {
public:
    SinkOutput(const QAudioDevice& device, const QAudioFormat& format, bool widen)
        : m_device(device), m_format(format), m_widen(widen) {}
    ~SinkOutput() override { stop(); }

    void play(const QByteArray& samples) override {
        stop();
        m_sink = new QAudioSink(m_device, m_format);
        // The buffer holds the clip's bytes and goes with the sink, after the sink let go of it.
        auto* buffer = new QBuffer(m_sink);
        buffer->setData(m_widen ? widenTo16Bit(samples) : samples);
        buffer->open(QIODevice::ReadOnly);
        m_sink->start(buffer); // returns at once; the sink pulls the clip from the event loop
    }

    void stop() override {
        if (!m_sink) {
            return;
        }
        m_sink->stop();
        m_sink->deleteLater();
        m_sink = nullptr;
    }

    bool isPlaying() const override { return m_sink && m_sink->state() == QAudio::ActiveState; }

private:
    QAudioDevice m_device;
    QAudioFormat m_format;
    bool m_widen;
    QAudioSink* m_sink = nullptr; // the one playing or last played
};

} // namespace
} // namespace tangram

extern "C" Q_DECL_EXPORT tangram::SoundOutput* wt_open_sound_output() {
    using namespace tangram;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return nullptr;
    }
    if (const QAudioFormat narrow = clipFormat(QAudioFormat::UInt8);
        device.isFormatSupported(narrow)) {
        return new SinkOutput(device, narrow, false);
    }
    if (const QAudioFormat wide = clipFormat(QAudioFormat::Int16); device.isFormatSupported(wide)) {
        return new SinkOutput(device, wide, true);
    }
    return nullptr;
}

// Starts the media back end and asks it for its devices once, which is the slow part of the
// first sound.
extern "C" Q_DECL_EXPORT void wt_warm_up_sound_output() {
    (void)QMediaDevices::defaultAudioOutput();
}
