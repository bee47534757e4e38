// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/soundeffects.h"
#include "services/wavclip.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <vector>
#include <gtest/gtest.h>

using namespace tangram;

namespace {

// Sample byte counts of clips 1..6, as the game's sound table fixes them.
constexpr int kSampleBytes[SoundEffects::kClipCount] = {2226, 2820, 606, 1156, 50752, 5512};

quint32 u32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

TEST(SoundClips, EachIsCanonicalPcmMono8Bit22050WithItsExactByteCount) {
    for (int n = 1; n <= SoundEffects::kClipCount; ++n) {
        SCOPED_TRACE(n);
        const QByteArray wav = SoundEffects::clip(static_cast<SoundEffect>(n));
        const quint32 bytes = kSampleBytes[n - 1];
        ASSERT_EQ(wav.size(), 44 + qsizetype(bytes));
        EXPECT_EQ(wav.mid(0, 4), "RIFF");
        EXPECT_EQ(u32(wav, 4), 36 + bytes);
        EXPECT_EQ(wav.mid(8, 4), "WAVE");
        EXPECT_EQ(wav.mid(12, 4), "fmt ");
        EXPECT_EQ(u32(wav, 16), 16u);
        EXPECT_EQ(u16(wav, 20), 1);      // PCM
        EXPECT_EQ(u16(wav, 22), 1);      // mono
        EXPECT_EQ(u32(wav, 24), 22050u); // samples per second
        EXPECT_EQ(u32(wav, 28), 22050u); // bytes per second
        EXPECT_EQ(u16(wav, 32), 1);      // block alignment
        EXPECT_EQ(u16(wav, 34), 8);      // bits per sample
        EXPECT_EQ(wav.mid(36, 4), "data");
        EXPECT_EQ(u32(wav, 40), bytes);
    }
}

TEST(SoundClips, StartAndEndInSilenceAndAreAudibleBetween) {
    for (int n = 1; n <= SoundEffects::kClipCount; ++n) {
        SCOPED_TRACE(n);
        const QByteArray samples = SoundEffects::clip(static_cast<SoundEffect>(n)).mid(44);
        ASSERT_FALSE(samples.isEmpty());
        EXPECT_EQ(quint8(samples.front()), 128);
        EXPECT_EQ(quint8(samples.back()), 128);
        int peak = 0;
        for (char s : samples)
            peak = std::max(peak, std::abs(int(quint8(s)) - 128));
        EXPECT_GT(peak, 25) << "a clip must be heard";
        EXPECT_LT(peak, 127) << "a clip must not clip";
    }
}

TEST(SoundClips, ValuesNamingNoEffectHaveNoClip) {
    for (int n : {-1, 0, 7, 100})
        EXPECT_TRUE(SoundEffects::clip(static_cast<SoundEffect>(n)).isEmpty()) << n;
}

#ifdef WT_GEN_SOUNDS
TEST(SoundClips, GeneratorReproducesTheEmbeddedClips) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess gen;
    gen.start(QStringLiteral(WT_GEN_SOUNDS), {out.path()});
    ASSERT_TRUE(gen.waitForFinished(60000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();
    const char* names[] = {"pick", "drop", "turn", "move", "solved", "refused"};
    for (int n = 1; n <= SoundEffects::kClipCount; ++n) {
        QFile f(out.filePath(QString::fromLatin1(names[n - 1]) + ".wav"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << names[n - 1];
        EXPECT_TRUE(f.readAll() == SoundEffects::clip(static_cast<SoundEffect>(n))) << names[n - 1];
    }
}
#endif

// --- reading wave files ---

QByteArray chunk(const char* tag, const QByteArray& body) {
    QByteArray c(tag, 4);
    c.append(4, '\0');
    qToLittleEndian<quint32>(quint32(body.size()), c.data() + 4);
    c.append(body);
    if (body.size() % 2)
        c.append('\0');
    return c;
}

QByteArray fmtBody(quint16 channels, quint32 rate, quint16 bits) {
    QByteArray b(16, '\0');
    qToLittleEndian<quint16>(1, b.data());
    qToLittleEndian<quint16>(channels, b.data() + 2);
    qToLittleEndian<quint32>(rate, b.data() + 4);
    qToLittleEndian<quint32>(rate * channels * bits / 8, b.data() + 8);
    qToLittleEndian<quint16>(quint16(channels * bits / 8), b.data() + 12);
    qToLittleEndian<quint16>(bits, b.data() + 14);
    return b;
}

QByteArray riff(const QByteArray& chunks) {
    QByteArray r("RIFF");
    r.append(4, '\0');
    qToLittleEndian<quint32>(quint32(4 + chunks.size()), r.data() + 4);
    return r + "WAVE" + chunks;
}

TEST(WavClipReader, ReadsTheEmbeddedClips) {
    for (int n = 1; n <= SoundEffects::kClipCount; ++n) {
        const std::optional<WavClip> clip = parseWavClip(SoundEffects::clip(static_cast<SoundEffect>(n)));
        ASSERT_TRUE(clip.has_value()) << n;
        EXPECT_TRUE(clip->isGameFormat()) << n;
        EXPECT_EQ(clip->samples.size(), kSampleBytes[n - 1]) << n;
    }
}

TEST(WavClipReader, SkipsOtherChunksAndTheirPadding) {
    const QByteArray samples("\x80\x90\xa0", 3);
    const std::optional<WavClip> clip = parseWavClip(
        riff(chunk("fmt ", fmtBody(1, 22050, 8)) + chunk("LIST", "odd") + chunk("data", samples)));
    ASSERT_TRUE(clip.has_value());
    EXPECT_TRUE(clip->isGameFormat());
    EXPECT_EQ(clip->samples, samples);
}

TEST(WavClipReader, TellsOtherFormatsApart) {
    const std::optional<WavClip> stereo =
        parseWavClip(riff(chunk("fmt ", fmtBody(2, 44100, 16)) + chunk("data", "abcd")));
    ASSERT_TRUE(stereo.has_value());
    EXPECT_EQ(stereo->channels, 2);
    EXPECT_EQ(stereo->sampleRate, 44100);
    EXPECT_EQ(stereo->bitsPerSample, 16);
    EXPECT_FALSE(stereo->isGameFormat());
}

TEST(WavClipReader, RejectsMalformedFiles) {
    const QByteArray fmt = chunk("fmt ", fmtBody(1, 22050, 8));
    const QByteArray good = riff(fmt + chunk("data", "abcd"));
    EXPECT_FALSE(parseWavClip(QByteArray()).has_value());
    EXPECT_FALSE(parseWavClip("RIFF").has_value());
    EXPECT_FALSE(parseWavClip(QByteArray(good).replace(0, 4, "RIFX")).has_value());
    EXPECT_FALSE(parseWavClip(QByteArray(good).replace(8, 4, "AVI ")).has_value());
    EXPECT_FALSE(parseWavClip(good.left(good.size() - 1)).has_value()) << "data cut short";
    EXPECT_FALSE(parseWavClip(riff(chunk("data", "abcd") + fmt)).has_value()) << "data first";
    EXPECT_FALSE(parseWavClip(riff(fmt)).has_value()) << "no data";
    EXPECT_FALSE(
        parseWavClip(riff(chunk("fmt ", QByteArray(8, '\0')) + chunk("data", "ab"))).has_value())
        << "short format chunk";
    QByteArray huge = good;
    qToLittleEndian<quint32>(0xFFFFFFF0u, huge.data() + 40); // data size far beyond the file
    EXPECT_FALSE(parseWavClip(huge).has_value());
}

// --- the player ---

// An output that records what it was asked to play.
struct Recorder {
    int opened = 0;
    std::vector<QByteArray> played;
    bool playing = false;

    class Output : public SoundOutput {
    public:
        explicit Output(Recorder& r) : m_r(r) {}
        void play(const QByteArray& samples) override {
            m_r.played.push_back(samples);
            m_r.playing = true;
        }
        void stop() override { m_r.playing = false; }
        bool isPlaying() const override { return m_r.playing; }

    private:
        Recorder& m_r;
    };

    SoundEffects::OutputOpener device() {
        return [this] {
            ++opened;
            return std::make_unique<Output>(*this);
        };
    }
    SoundEffects::OutputOpener noDevice() {
        return [this] {
            ++opened;
            return std::unique_ptr<SoundOutput>();
        };
    }
};

QByteArray samplesOf(SoundEffect sound) {
    return SoundEffects::clip(sound).mid(44);
}

TEST(SoundEffectsPlayer, DisabledPlaysNothingAndNeverOpensAnOutput) {
    Recorder out;
    SoundEffects sounds(out.device());
    sounds.setEnabled(false);
    EXPECT_FALSE(sounds.isEnabled());
    for (int n = 1; n <= 6; ++n)
        sounds.PlaySoundEffect(static_cast<SoundEffect>(n));
    EXPECT_EQ(out.opened, 0);
    EXPECT_TRUE(out.played.empty());
    EXPECT_FALSE(sounds.isPlaying());
}

TEST(SoundEffectsPlayer, ValuesNamingNoEffectAreIgnored) {
    Recorder out;
    SoundEffects sounds(out.device());
    for (int n : {0, 7, -1, 1000})
        sounds.PlaySoundEffect(static_cast<SoundEffect>(n));
    EXPECT_EQ(out.opened, 0);
    EXPECT_TRUE(out.played.empty());
}

TEST(SoundEffectsPlayer, WithoutAnOutputStaysSilentAndAsksOnlyOnce) {
    Recorder out;
    SoundEffects sounds(out.noDevice());
    EXPECT_TRUE(sounds.isEnabled());
    for (int round = 0; round < 3; ++round) {
        for (int n = 1; n <= 6; ++n)
            sounds.PlaySoundEffect(static_cast<SoundEffect>(n));
    }
    sounds.setEnabled(false);
    sounds.setEnabled(true);
    sounds.PlaySoundEffect(SoundEffect::Solved);
    EXPECT_EQ(out.opened, 1);
    EXPECT_TRUE(sounds.isPrepared());
    EXPECT_FALSE(sounds.isPlaying());
}

TEST(SoundEffectsPlayer, TheFirstSoundIsPlayedEvenWhenNothingWasPreparedAhead) {
    Recorder out;
    SoundEffects sounds(out.device());
    EXPECT_FALSE(sounds.isPrepared());
    sounds.PlaySoundEffect(SoundEffect::PickUp);
    ASSERT_EQ(out.played.size(), 1u) << "the first sound must not be dropped";
    EXPECT_EQ(out.played[0], samplesOf(SoundEffect::PickUp));
    EXPECT_TRUE(sounds.isPlaying());
    sounds.PlaySoundEffect(SoundEffect::Drop);
    ASSERT_EQ(out.played.size(), 2u);
    EXPECT_EQ(out.played[1], samplesOf(SoundEffect::Drop));
    EXPECT_EQ(out.opened, 1);
    sounds.setEnabled(false);
    EXPECT_FALSE(sounds.isPlaying()) << "switching off silences the sound playing";
}

TEST(SoundEffectsPlayer, PreparedAheadTheFirstSoundOpensNothingMore) {
    Recorder out;
    SoundEffects sounds(out.device());
    sounds.prepare();
    EXPECT_TRUE(sounds.isPrepared());
    EXPECT_EQ(out.opened, 1);
    EXPECT_TRUE(out.played.empty()) << "preparing plays nothing";
    sounds.PlaySoundEffect(SoundEffect::Solved);
    EXPECT_EQ(out.opened, 1);
    ASSERT_EQ(out.played.size(), 1u);
    EXPECT_EQ(out.played[0], samplesOf(SoundEffect::Solved));
}

// The game starts loading the audio module once its main window is shown; by the time the player
// can lift a piece the module is loaded and the system's audio asked for its output, so the pick-up
// sound costs no more than any later one.
TEST(SystemSoundOutput, PreloadLoadsTheAudioModuleBesideTheProgram) {
    preloadSystemSoundOutput();
    preloadSystemSoundOutput(); // a second call starts nothing more
    for (int i = 0; i < 1000 && !systemSoundOutputReady(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    }
    ASSERT_TRUE(systemSoundOutputReady()) << "the audio module was not found or did not load";
    // Whatever this machine has: a real device plays, none (the usual case for a test run) leaves
    // the game silent; either way without an error.
    {
        SoundEffects sounds;
        sounds.PlaySoundEffect(SoundEffect::PickUp);
        EXPECT_TRUE(sounds.isPrepared());
        sounds.PlaySoundEffect(SoundEffect::Solved);
        sounds.setEnabled(false);
        EXPECT_FALSE(sounds.isPlaying());
    }
    // Replaced sinks are deleted from the event loop; let that happen before the test ends.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
