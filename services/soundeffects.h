// SPDX-License-Identifier: GPL-3.0-or-later
// The game's six sound effects (SoundEffect), played asynchronously from memory.
//
// PlaySoundEffect never waits for a sound and never reports an error: a new sound cuts off the one
// playing; while the effects are disabled (the toolbar's sound toggle is up) nothing plays;
// without an audio output the game is silent. The output is opened once, at the first sound that
// would play (or earlier through prepare), and the answer holds for the rest of the run: a sound
// asked for before then is played, not dropped.
//
// Needs a QCoreApplication. Lives on the user-interface thread.
#pragma once

#include "model/puzzleevents.h"
#include "services/soundoutput.h"

#include <QByteArray>
#include <array>
#include <functional>
#include <memory>

namespace tangram {

class SoundEffects {
public:
    static constexpr int kClipCount = kSoundEffectCount;

    // Opens the output to play on; null means there is none. Tests hand in their own; the game
    // uses the system's default output from the audio module (openSystemSoundOutput).
    using OutputOpener = std::function<std::unique_ptr<SoundOutput>()>;

    explicit SoundEffects(OutputOpener opener = {});
    // Stops the sound playing.
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

    // Opens the output and reads the clips now, unless done already.
    void prepare() { prepareOutput(); }
    // Whether the output has been opened (or found missing) and the clips read.
    bool isPrepared() const { return m_prepared; }

    // The complete RIFF WAVE file of the clip of `sound` as embedded in the program; empty for a
    // value outside the six effects.
    static QByteArray clip(SoundEffect sound);

private:
    // Opens the output and reads the clips on the first call; false when the game stays silent.
    bool prepareOutput();

    OutputOpener m_opener;
    bool m_enabled = true;
    bool m_prepared = false;
    // Sample data of each clip (8-bit unsigned mono at 22050 Hz); filled by prepareOutput.
    std::array<QByteArray, kClipCount> m_samples;
    std::unique_ptr<SoundOutput> m_output;
};

} // namespace tangram
