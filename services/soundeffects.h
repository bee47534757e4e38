// SPDX-License-Identifier: GPL-3.0-or-later
// The game's six sound effects, played asynchronously from memory through one audio sink:
//   1 a piece picked up, 2 a piece put down, 3 a turn step, 4 a move step, 5 a solved figure,
//   6 a refused put-down.
//
// PlaySoundEffect never blocks and never reports an error: a new sound cuts off the one playing;
// while the effects are disabled (the toolbar's sound toggle is up) nothing plays; without an
// audio output device the game is silent. Whether a device exists is asked once, at the first
// sound that would play, and the answer holds for the rest of the run. Likewise a device that
// accepts none of the clips' formats leaves the game silent.
//
// Needs a QCoreApplication. Lives on the user-interface thread.
#pragma once

#include <QAudioDevice>
#include <QBuffer>
#include <QByteArray>
#include <array>
#include <functional>
#include <memory>

class QAudioSink;

namespace tangram {

class SoundEffects {
public:
    static constexpr int kClipCount = 6;

    // Answers which output device to play on; a null device means there is none. Tests hand in
    // their own; the game uses the system's default output.
    using DeviceProbe = std::function<QAudioDevice()>;

    explicit SoundEffects(DeviceProbe probe = {});
    ~SoundEffects();
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;

    // Plays clip n (1..6); any other n is ignored.
    void PlaySoundEffect(int n);

    // Switching off also silences a sound still playing.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // Whether a clip is being played right now.
    bool isPlaying() const;

    // The complete RIFF WAVE file of clip n (1..6) as embedded in the program; empty for any
    // other n.
    static QByteArray clip(int n);

private:
    bool prepareSink();

    DeviceProbe m_probe;
    bool m_enabled = true;
    bool m_probed = false;
    // Sample data of each clip in the sink's format; filled when the sink is made.
    std::array<QByteArray, kClipCount> m_samples;
    QBuffer m_buffer;                   // the sink reads the current clip from here
    std::unique_ptr<QAudioSink> m_sink; // declared after the buffer: stops reading before it goes
};

} // namespace tangram
