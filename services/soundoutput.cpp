// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/soundoutput.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QThread>

#include <mutex>

namespace tangram {

namespace {

struct AudioModule {
    std::once_flag loading;
    QLibrary library;
    OpenSoundOutputFunction open = nullptr;
    WarmUpSoundOutputFunction warmUp = nullptr;
    bool preloadStarted = false;
    bool warmedUp = false;
};

AudioModule& audioModule() {
    static AudioModule module; // never unloaded: sinks it made may outlive every user
    return module;
}

// Loads the module once; thread-safe, and a second caller waits for the first.
bool loadAudioModule() {
    AudioModule& module = audioModule();
    std::call_once(module.loading, [&module] {
        module.library.setFileName(QCoreApplication::applicationDirPath() +
                                   QStringLiteral("/wimbo-tangram-audio.so"));
        if (!module.library.load()) {
            return;
        }
        module.open =
            reinterpret_cast<OpenSoundOutputFunction>(module.library.resolve(kOpenSoundOutputSymbol));
        module.warmUp = reinterpret_cast<WarmUpSoundOutputFunction>(
            module.library.resolve(kWarmUpSoundOutputSymbol));
    });
    return module.open != nullptr;
}

void warmUp() {
    AudioModule& module = audioModule();
    if (!module.warmedUp && loadAudioModule() && module.warmUp) {
        module.warmUp();
    }
    module.warmedUp = true;
}

} // namespace

std::unique_ptr<SoundOutput> openSystemSoundOutput() {
    if (!loadAudioModule()) {
        return {};
    }
    warmUp();
    return std::unique_ptr<SoundOutput>(audioModule().open());
}

void preloadSystemSoundOutput() {
    AudioModule& module = audioModule();
    if (module.preloadStarted) {
        return;
    }
    module.preloadStarted = true;
    QThread* loader = QThread::create(loadAudioModule);
    // The device query touches objects of this thread, so it comes back here.
    QObject::connect(loader, &QThread::finished, QCoreApplication::instance(), [loader] {
        loader->deleteLater();
        warmUp();
    });
    loader->start(QThread::LowPriority);
}

bool systemSoundOutputReady() {
    return audioModule().warmedUp && audioModule().open != nullptr;
}

} // namespace tangram
