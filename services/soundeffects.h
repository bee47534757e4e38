// SPDX-License-Identifier: GPL-3.0-or-later
// The game's six sound effects (SoundEffect), played asynchronously from memory.
//
// PlaySoundEffect never waits for a sound and never reports an error: a new sound cuts off the one
// playing; while the effects are disabled (the toolbar's sound toggle is up) nothing plays;
// without an audio output device the game is silent. Whether a device exists is asked once, at
// the first sound that would play, and the answer holds for the rest of the run. Likewise a device
// that accepts none of the clips' formats leaves the game silent.
//
// One QAudioSink plays at a time, but each sound gets a fresh one: Qt 6.4's PulseAudio sink stops
// pulling data after it has been stopped and restarted a few times. The sink being replaced is
// stopped at once (that cuts its sound off) and deleted later from the event loop, because Qt's
// PulseAudio sink processes events in its destructor, which must not happen inside the game's
// event handlers or destructors.
//
// Needs a QCoreApplication. Lives on the user-interface thread.
#pragma once

#include "model/puzzleevents.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <array>
#include <functional>

class QAudioSink;

namespace tangram {

class SoundEffects {
public:
    static constexpr int kClipCount = kSoundEffectCount;

    // Answers which output device to play on; a null device means there is none. Tests hand in
    // their own; the game uses the system's default output.
    using DeviceProbe = std::function<QAudioDevice()>;

    explicit SoundEffects(DeviceProbe probe = {});
    // Stops the sound playing; the sink itself is left to the event loop's deferred deletion.
    ~SoundEffects();
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;

    // Plays the clip of `sound`; a value outside the six effects is ignored.
    void PlaySoundEffect(SoundEffect sound);

    // Switching off also silences a sound still playing.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // Whether a clip is being played right now.
    bool isPlaying() const;

    // The complete RIFF WAVE file of the clip of `sound` as embedded in the program; empty for a
    // value outside the six effects.
    static QByteArray clip(SoundEffect sound);

private:
    // Finds the device and the format on the first call; false when the game stays silent.
    bool prepareOutput();
    void retireSink();

    DeviceProbe m_probe;
    bool m_enabled = true;
    bool m_probed = false;
    QAudioDevice m_device;
    QAudioFormat m_format;
    // Sample data of each clip in the device's format; filled by prepareOutput.
    std::array<QByteArray, kClipCount> m_samples;
    QAudioSink* m_sink = nullptr; // the one playing or last played, owned here
};

} // namespace tangram
