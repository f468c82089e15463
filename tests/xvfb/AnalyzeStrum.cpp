// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a mono 16-bit 44100 Hz raw recording of a strum and says whether it
// holds six notes at the given pitches (MIDI note numbers), in order, about
// 800 ms apart. A recording made through a sound server on a busy machine can
// lose or stretch time (the server drops what its recorder does not fetch in
// time), so a gap passes within 200 ms of 800 and one beyond 30 ms is noted
// as such; the strum's own timing is checked by sample count in test_strum.
// Usage: analyze_strum FILE NOTE1 ... NOTE6
#include "Dsp.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc != 8) {
        std::fprintf(stderr, "usage: %s FILE NOTE1 ... NOTE6\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<float> x;
    std::int16_t s;
    while (in.read(reinterpret_cast<char*>(&s), sizeof s))
        x.push_back(float(s) / 32768.0f);
    const double rate = 44100;
    std::vector<size_t> starts;
    // A new note rises above what sounded before it; a dropout of the sound
    // server in the middle of a note does not.
    const size_t window = size_t(rate * 0.05);
    for (size_t f : dsp::soundStarts(x, rate, 1e-3, 0.5)) {
        const double before = f > window + 100 ? dsp::rms(x, f - window - 100, window) : 0.0;
        if (dsp::rms(x, f, window) < 1.1 * before)
            continue;
        if (starts.empty() || double(f - starts.back()) / rate > 0.4)
            starts.push_back(f);
    }
    // The click sound of the play icon comes first, about 700 ms before the first string.
    while (starts.size() > 6)
        starts.erase(starts.begin());
    if (starts.size() != 6) {
        std::printf("found %zu notes, expected 6\n", starts.size());
        return 1;
    }
    int failures = 0;
    for (size_t k = 0; k < 6; ++k) {
        const size_t from = std::min(x.size(), starts[k] + 2000);
        const size_t to = std::min(x.size(), starts[k] + 30000);
        const std::vector<float> tone(x.begin() + std::ptrdiff_t(from), x.begin() + std::ptrdiff_t(to));
        const double hz = dsp::pitchHzChecked(tone, rate);
        const double off = dsp::cents(hz, dsp::midiHz(std::atoi(argv[2 + k])));
        const double gapMs = k ? double(starts[k] - starts[k - 1]) / rate * 1000 : 0;
        const double gapOff = k ? std::abs(gapMs - 800) : 0.0;
        const bool ok = std::abs(off) <= 30 && gapOff <= 200;
        std::printf("string %zu: %.1f Hz (%+.0f cents)%s%s\n", k + 1, hz, off,
                    k ? (" " + std::to_string(int(gapMs)) + " ms after the one before").c_str() : "",
                    !ok ? "  <- wrong" : gapOff > 30 ? "  (the recording lost or stretched time here)" : "");
        failures += !ok;
    }
    return failures ? 1 : 0;
}
