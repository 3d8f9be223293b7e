// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Synthesises the feedback sounds into the folder given as the first argument:
// four cheerful "right answer" sounds (si1.wav … si4.wav) and one gentle
// "wrong answer" sound (no.wav). Pure arithmetic, no randomness, so every run
// writes the same bytes and the committed files can be regenerated at will.
//
//   gensuoni assets/suoni
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// Frequency of a note given in semitones from A4 (440 Hz).
double note(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// Named pitches, as semitones from A4, for readable melodies below.
enum Pitch : int {
    C4 = -9, D4 = -7, E4 = -5, F4 = -4, G4 = -2, A4 = 0, B4 = 2,
    C5 = 3, D5 = 5, E5 = 7, F5 = 8, G5 = 10, A5 = 12, B5 = 14,
    C6 = 15, D6 = 17, E6 = 19, F6 = 20, G6 = 22, A6 = 24, C7 = 27, D7 = 29,
};

struct Partial {
    double ratio;     // multiple of the fundamental
    double amplitude; // relative loudness
    double decay;     // extra decay rate, per second, on top of the note's own
};

struct Voice {
    std::vector<Partial> partials;
    double attack;   // seconds to full loudness; short, but never zero (clicks)
    double decay;    // exponential decay rate per second
    double vibrato;  // depth as a fraction of the frequency; 0 for none
};

// A sample buffer in floating point; written out once, normalised.
class Track {
public:
    explicit Track(double seconds) : samples_(static_cast<std::size_t>(seconds * kRate), 0.0) {}

    // Adds one note starting at `start` seconds, lasting `length` seconds
    // (released with a short fade so it ends without a click).
    void add(const Voice& voice, double frequency, double start, double length, double gain)
    {
        const auto first = static_cast<std::size_t>(start * kRate);
        const auto count = static_cast<std::size_t>(length * kRate);
        const double release = std::min(0.04, length / 3.0);
        for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            double envelope = std::exp(-voice.decay * t);
            if (t < voice.attack)
                envelope *= t / voice.attack;
            if (length - t < release)
                envelope *= (length - t) / release;
            const double wobble = voice.vibrato * std::sin(2.0 * kPi * 5.5 * t);
            double value = 0.0;
            for (const Partial& p : voice.partials) {
                // Overtones past the Nyquist limit would fold back as harsh noise.
                if (frequency * p.ratio > 0.45 * kRate)
                    continue;
                const double phase = 2.0 * kPi * frequency * p.ratio * t * (1.0 + wobble);
                value += p.amplitude * std::exp(-p.decay * t) * std::sin(phase);
            }
            samples_[first + i] += gain * envelope * value;
        }
    }

    // Scales to the given peak and writes 16-bit mono PCM.
    bool write(const std::string& path, double peak) const
    {
        double maximum = 0.0;
        for (double s : samples_)
            maximum = std::max(maximum, std::abs(s));
        const double scale = maximum > 0.0 ? peak / maximum : 0.0;

        // A final fade at both ends, whatever the notes did.
        const std::size_t n = samples_.size();
        const std::size_t fadeIn = kRate / 500;  // 2 ms
        const std::size_t fadeOut = kRate / 50;  // 20 ms
        std::vector<std::int16_t> pcm(n);
        for (std::size_t i = 0; i < n; ++i) {
            double s = samples_[i] * scale;
            if (i < fadeIn)
                s *= static_cast<double>(i) / fadeIn;
            if (n - i <= fadeOut)
                s *= static_cast<double>(n - 1 - i) / fadeOut;
            s = std::clamp(s, -1.0, 1.0);
            pcm[i] = static_cast<std::int16_t>(std::lround(s * 32767.0));
        }

        std::string bytes;
        auto u32 = [&bytes](std::uint32_t v) {
            for (int k = 0; k < 4; ++k)
                bytes.push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
        };
        auto u16 = [&bytes](std::uint16_t v) {
            bytes.push_back(static_cast<char>(v & 0xFF));
            bytes.push_back(static_cast<char>((v >> 8) & 0xFF));
        };
        const auto dataSize = static_cast<std::uint32_t>(n * 2);
        bytes += "RIFF";
        u32(36 + dataSize);
        bytes += "WAVEfmt ";
        u32(16);
        u16(1); // PCM
        u16(1); // mono
        u32(kRate);
        u32(kRate * 2); // bytes per second
        u16(2);         // bytes per frame
        u16(16);        // bits per sample
        bytes += "data";
        u32(dataSize);
        for (std::int16_t v : pcm)
            u16(static_cast<std::uint16_t>(v)); // two's complement, little-endian

        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out);
    }

private:
    std::vector<double> samples_;
};

// Timbres. Bells and glockenspiels have inharmonic, quickly fading overtones;
// the marimba a strong, very short fourth partial; the flute-like voice only
// a touch of odd harmonics and a little vibrato.
const Voice kBell{{{1.0, 1.0, 0.0}, {2.0, 0.5, 3.0}, {3.01, 0.25, 6.0}, {4.2, 0.12, 10.0}}, 0.004, 3.5, 0.0};
const Voice kMarimba{{{1.0, 1.0, 0.0}, {4.0, 0.35, 25.0}, {10.0, 0.08, 60.0}}, 0.003, 7.0, 0.0};
const Voice kFlute{{{1.0, 1.0, 0.0}, {3.0, 0.12, 0.0}, {5.0, 0.04, 0.0}}, 0.02, 2.0, 0.004};
const Voice kGlocken{{{1.0, 1.0, 0.0}, {2.76, 0.3, 12.0}, {5.4, 0.12, 25.0}}, 0.002, 5.0, 0.0};
const Voice kSoft{{{1.0, 1.0, 0.0}, {2.0, 0.15, 2.0}, {3.0, 0.05, 4.0}}, 0.03, 1.5, 0.0};

// Plays the notes one after another, `step` seconds apart; each rings on for
// `ring` seconds, the last one for `lastRing`.
void arpeggio(Track& track, const Voice& voice, std::initializer_list<int> pitches, double start,
              double step, double ring, double lastRing)
{
    std::size_t index = 0;
    for (int pitch : pitches) {
        const bool last = ++index == pitches.size();
        track.add(voice, note(pitch), start + step * static_cast<double>(index - 1), last ? lastRing : ring,
                  last ? 1.0 : 0.8);
    }
}

// Right 1: a bell arpeggio up the major chord, ending an octave higher.
Track right1()
{
    Track t(0.80);
    arpeggio(t, kBell, {C5, E5, G5, C6}, 0.0, 0.09, 0.35, 0.52);
    return t;
}

// Right 2: a marimba "ta-da": two quick pick-up notes, then a chord.
Track right2()
{
    Track t(0.65);
    arpeggio(t, kMarimba, {G5, G5}, 0.0, 0.1, 0.12, 0.12);
    t.add(kMarimba, note(C6), 0.22, 0.42, 1.0);
    t.add(kMarimba, note(E6), 0.22, 0.42, 0.7);
    t.add(kMarimba, note(G6), 0.22, 0.42, 0.5);
    return t;
}

// Right 3: a flute-like rising run up to a long top note.
Track right3()
{
    Track t(0.75);
    arpeggio(t, kFlute, {F5, G5, A5, C6, F6}, 0.0, 0.07, 0.09, 0.45);
    return t;
}

// Right 4: a glockenspiel sparkle, a fast pentatonic run with a high chime.
Track right4()
{
    Track t(0.70);
    arpeggio(t, kGlocken, {D6, E6, G6, A6, D7}, 0.0, 0.055, 0.25, 0.46);
    t.add(kGlocken, note(A6), 0.22, 0.46, 0.35);
    return t;
}

// Wrong: a soft, slow fall of a minor third, low and quiet, with no edge.
Track wrong()
{
    Track t(0.80);
    t.add(kSoft, note(G4), 0.0, 0.32, 1.0);
    t.add(kSoft, note(E4), 0.30, 0.50, 1.0);
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    struct Output {
        const char* name;
        Track track;
        double peak;
    };
    // Peaks chosen so the sounds are about equally loud (the sustained flute
    // needs a lower peak than the quickly fading bells); the wrong sound is a
    // little quieter: a hint, not a scolding.
    const Output outputs[] = {
        {"si1.wav", right1(), 0.7},
        {"si2.wav", right2(), 0.8},
        {"si3.wav", right3(), 0.38},
        {"si4.wav", right4(), 0.75},
        {"no.wav", wrong(), 0.3},
    };
    for (const Output& o : outputs) {
        const std::string path = folder + "/" + o.name;
        if (!o.track.write(path, o.peak)) {
            std::fprintf(stderr, "gensuoni: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
