// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's five short interface sounds, synthesised from sines, decaying
// envelopes and seeded noise, so every build writes the same samples.
// Each function returns exactly `count` 16-bit samples at `sampleRate`.
#include <cstdint>
#include <vector>

namespace fretlore::sounds {

// A crisp click: a noise snap over a pitched "tick" body, peak -6 dBFS.
std::vector<std::int16_t> crispClick(int count, double sampleRate);

// A softer, lower click with a rounded attack, peak -12 dBFS.
std::vector<std::int16_t> softClick(int count, double sampleRate);

// A short rising whoosh: band-passed noise and a tone, both sweeping up.
std::vector<std::int16_t> risingWhoosh(int count, double sampleRate);

// A tiny tick: one windowed high burst, peak -6 dBFS.
std::vector<std::int16_t> tinyTick(int count, double sampleRate);

// A gentle two-note chime, falling a major third.
std::vector<std::int16_t> twoToneChime(int count, double sampleRate);

} // namespace fretlore::sounds
