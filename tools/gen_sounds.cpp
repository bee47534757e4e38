// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesises the game's six sound effects and writes them as RIFF WAVE files (PCM, mono, 8 bits
// unsigned, 22050 samples per second) into the folder given on the command line:
//
//     gen_sounds resources/sounds
//
// Run by hand when a sound is to change; the generated files are committed and embedded into the
// services library. The output is deterministic (fixed noise seed, no clock), so running the tool
// again reproduces the committed files byte for byte; a test checks that.
//
// Every clip has an exact sample byte count, which the game's sound table fixes; the audible part
// of the short clips is often shorter than the clip and the rest is silence (sample value 128).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct ClipSpec {
    const char* fileName;
    int sampleBytes;
    std::function<double(double)> signal; // time in seconds -> amplitude in -1..1
};

// Small deterministic noise source, so that runs on any machine give the same bytes.
class Noise {
public:
    double next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<double>(m_state) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t m_state = 0x2545F491u;
};

double decay(double t, double timeConstant) {
    return std::exp(-t / timeConstant);
}

// Linear rise over the first `attack` seconds; avoids a click at the start of a tone.
double rise(double t, double attack) {
    return t >= attack ? 1.0 : t / attack;
}

// A band-limited brass-like tone: the first harmonics of a sawtooth, dropping those above the
// Nyquist frequency so that they do not fold back as noise.
double brass(double t, double freq) {
    double sum = 0.0;
    for (int h = 1; h <= 6; ++h) {
        if (freq * h >= kRate / 2.0)
            break;
        sum += std::sin(kTwoPi * freq * h * t) / h;
    }
    return sum / 2.45; // 1 + 1/2 + ... + 1/6
}

// 1: picking a piece up. A light, quick upward click.
double pickUp(double t) {
    static Noise noise;
    // Instantaneous frequency rises from 1400 Hz to 2400 Hz within 25 ms, then stays.
    const double ramp = std::min(t, 0.025);
    const double sweep = 1400.0 * t + 20000.0 * ramp * ramp + 1000.0 * std::max(0.0, t - 0.025);
    const double tone = std::sin(kTwoPi * sweep) * decay(t, 0.010);
    const double tap = noise.next() * decay(t, 0.0015);
    return rise(t, 0.0005) * (0.55 * tone + 0.25 * tap);
}

// 2: a piece put down. A soft wooden knock whose pitch falls as it dies away.
double knock(double t) {
    static Noise noise;
    static double smoothed = 0.0;
    smoothed += 0.15 * (noise.next() - smoothed); // a dull, low-passed contact noise
    // Pitch 220 Hz falling to 120 Hz; the phase is the integral of that frequency.
    const double phase = kTwoPi * (120.0 * t + 100.0 * 0.02 * (1.0 - decay(t, 0.02)));
    const double body = std::sin(phase) * decay(t, 0.035);
    const double wood = std::sin(2.7 * phase) * decay(t, 0.012);
    return rise(t, 0.001) * (0.6 * body + 0.25 * wood + 0.9 * smoothed * decay(t, 0.005));
}

// 3: one turn step. A short, bright tick.
double turnTick(double t) {
    const double tone = std::sin(kTwoPi * 2600.0 * t) + 0.3 * std::sin(kTwoPi * 5200.0 * t);
    return rise(t, 0.0005) * 0.42 * tone * decay(t, 0.004);
}

// 4: one move step. Heard for every cell the piece crosses, so it is softer, lower and dies away
// faster than the turn tick; the clip is longer than its audible part.
double moveTick(double t) {
    const double tone = std::sin(kTwoPi * 1500.0 * t) + 0.2 * std::sin(kTwoPi * 3000.0 * t);
    return rise(t, 0.0005) * 0.32 * tone * decay(t, 0.0025);
}

// 5: a solved figure. A bright rising fanfare ending in a held major chord that fades out.
double fanfare(double t) {
    struct Note {
        double start, length, freq;
    };
    static const Note notes[] = {
        {0.00, 0.13, 392.00}, // G4
        {0.15, 0.13, 523.25}, // C5
        {0.30, 0.13, 659.25}, // E5
        {0.45, 0.30, 783.99}, // G5
        {0.78, 0.12, 659.25}, // E5
    };
    double sum = 0.0;
    for (const Note& n : notes) {
        const double u = t - n.start;
        if (u < 0.0 || u > n.length + 0.05)
            continue;
        const double release = u > n.length ? 1.0 - (u - n.length) / 0.05 : 1.0;
        sum += brass(u, n.freq) * rise(u, 0.01) * release * (0.85 + 0.15 * decay(u, 0.05));
    }
    constexpr double chordStart = 0.92;
    const double u = t - chordStart;
    if (u >= 0.0) {
        // A gentle vibrato (0.3 % at 5.5 Hz) as a warp of time, so the phase stays continuous.
        constexpr double rate = 5.5;
        const double w = u + 0.003 / (kTwoPi * rate) * (1.0 - std::cos(kTwoPi * rate * u));
        const double chord =
            brass(w, 523.25) + brass(w, 659.25) + brass(w, 783.99) + 0.8 * brass(w, 1046.50);
        const double fade = std::max(0.0, 1.0 - u / (2.30 - chordStart));
        sum += 0.42 * chord * rise(u, 0.015) * fade * fade * (0.8 + 0.2 * decay(u, 0.08));
    }
    return 0.8 * sum;
}

// 6: a refused drop. A low, rough buzz: two detuned square-like tones beating against each other.
double buzz(double t) {
    auto square = [t](double freq) {
        double sum = 0.0;
        for (int h = 1; h <= 11; h += 2)
            sum += std::sin(kTwoPi * freq * h * t) / h;
        return sum;
    };
    constexpr double length = 5512.0 / kRate;
    const double release = std::min(1.0, (length - t) / 0.04);
    return 0.3 * (square(110.0) + square(116.5)) * rise(t, 0.01) * std::max(0.0, release);
}

std::vector<std::uint8_t> render(const ClipSpec& entry) {
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(entry.sampleBytes));
    const int fadeOut = kRate * 3 / 1000; // the last 3 ms always end at silence
    for (int i = 0; i < entry.sampleBytes; ++i) {
        double value = entry.signal(static_cast<double>(i) / kRate);
        const int left = entry.sampleBytes - 1 - i;
        if (left < fadeOut)
            value *= static_cast<double>(left) / fadeOut;
        value = std::clamp(value, -1.0, 1.0);
        samples[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(std::lround(128.0 + 127.0 * value));
    }
    return samples;
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

std::vector<std::uint8_t> waveFile(const std::vector<std::uint8_t>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t pad = dataBytes % 2; // RIFF chunks are padded to an even length
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    putU32(out, 4 + (8 + 16) + (8 + dataBytes + pad));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // PCM
    putU16(out, 1); // mono
    putU32(out, kRate);
    putU32(out, kRate); // bytes per second: one byte per sample
    putU16(out, 1);     // block alignment
    putU16(out, 8);     // bits per sample
    putTag(out, "data");
    putU32(out, dataBytes);
    out.insert(out.end(), samples.begin(), samples.end());
    if (pad)
        out.push_back(128);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const ClipSpec clips[] = {
        {"pick.wav", 2226, pickUp},   {"drop.wav", 2820, knock},      {"turn.wav", 606, turnTick},
        {"move.wav", 1156, moveTick}, {"solved.wav", 50752, fanfare}, {"refused.wav", 5512, buzz},
    };
    for (const ClipSpec& clip : clips) {
        const std::vector<std::uint8_t> bytes = waveFile(render(clip));
        const std::string path = folder + "/" + clip.fileName;
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::fprintf(stderr, "gen_sounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
