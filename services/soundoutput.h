// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's sound effects go: an audio output for the clips, behind a plain interface, so
// that the program does not load the audio libraries (QtMultimedia, PulseAudio and what they pull
// in, a third of the libraries of the whole program) before its first frame. The QtMultimedia
// output lives in a module of its own, "wimbo-tangram-audio.so" beside the program, which is
// loaded on a worker thread once the main window is shown (preloadSystemSoundOutput) or, at the
// latest, by the first sound.
//
// Lives on the user-interface thread, like the sinks the output makes.
#pragma once

#include <QByteArray>
#include <memory>

namespace tangram {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts `samples` (8-bit unsigned mono at 22050 Hz) and returns at once; the sound playing is
    // cut off.
    virtual void play(const QByteArray& samples) = 0;
    // Silences the sound playing, if any.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
};

// The system's default audio output, from the audio module; null when the module is missing or
// there is no device that takes the clips' format. Waits for a preload still running.
std::unique_ptr<SoundOutput> openSystemSoundOutput();

// Loads the audio module on a worker thread and then, back on this thread, asks the system for its
// default output, so that the first sound finds everything in place. Returns at once; calling it
// again does nothing. Needs a running event loop to finish; openSystemSoundOutput does not.
void preloadSystemSoundOutput();

// Whether the audio module is loaded and the system's audio has been asked for its default output:
// from then on a sound costs no more than starting it. False while a preload runs and when the
// module is missing.
bool systemSoundOutputReady();

// The entry points the audio module exports, in C linkage so they can be looked up by name.
using OpenSoundOutputFunction = SoundOutput* (*)();
using WarmUpSoundOutputFunction = void (*)();
inline constexpr const char* kOpenSoundOutputSymbol = "wt_open_sound_output";
inline constexpr const char* kWarmUpSoundOutputSymbol = "wt_warm_up_sound_output";

} // namespace tangram
