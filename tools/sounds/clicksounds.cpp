// SPDX-License-Identifier: GPL-3.0-or-later
#include "clicksounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fretlore::sounds {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Signal = std::vector<double>;

// Uniform noise in [-1, 1) from a fixed-seed linear congruential generator.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : m_state(seed) {}
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / double(1u << 23) - 1.0;
    }

private:
    std::uint32_t m_state;
};

// Raised-cosine ramp from 0 to 1 over `length` seconds.
double riseIn(double t, double length)
{
    if (t >= length)
        return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

// Raised-cosine fade from 1 to 0 over the last `length` seconds of `total`.
double fadeOut(double t, double total, double length)
{
    return riseIn(total - t, length);
}

// Removes the mean without moving the ends: the offset is taken away in
// proportion to `weight`, which is zero where the sound starts and stops.
void removeOffset(Signal& x, const Signal& weight)
{
    double sum = 0.0;
    double weightSum = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sum += x[i];
        weightSum += weight[i];
    }
    if (weightSum <= 0.0)
        return;
    const double perWeight = sum / weightSum;
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] -= perWeight * weight[i];
}

// Scales to the given peak level and rounds to 16 bits.
std::vector<std::int16_t> toSamples(const Signal& x, double peakDbfs)
{
    double peak = 0.0;
    for (double v : x)
        peak = std::max(peak, std::abs(v));
    const double scale = peak > 0.0 ? std::pow(10.0, peakDbfs / 20.0) * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> samples;
    samples.reserve(x.size());
    for (double v : x) {
        const long rounded = std::lround(v * scale);
        samples.push_back(static_cast<std::int16_t>(std::clamp(rounded, -32767L, 32767L)));
    }
    return samples;
}

} // namespace

std::vector<std::int16_t> crispClick(int count, double sampleRate)
{
    const double total = count / sampleRate;
    Noise noise(0x5EED0001u);
    Signal x(count), weight(count);
    double previousNoise = 0.0;
    for (int n = 0; n < count; ++n) {
        const double t = n / sampleRate;
        const double white = noise.next();
        const double snap = 0.5 * (white - previousNoise) * std::exp(-t / 0.0018);  // high-passed
        previousNoise = white;
        const double tick = std::sin(kTwoPi * 1750.0 * t) * std::exp(-t / 0.012)
            + 0.6 * std::sin(kTwoPi * 3400.0 * t + 0.3) * std::exp(-t / 0.006);
        const double body = 0.35 * std::sin(kTwoPi * 620.0 * t) * std::exp(-t / 0.022);
        const double shape = riseIn(t, 0.0006) * fadeOut(t, total, 0.020);
        x[n] = (snap + tick + body) * shape;
        weight[n] = shape * std::exp(-t / 0.020);
    }
    removeOffset(x, weight);
    return toSamples(x, -6.0);
}

std::vector<std::int16_t> softClick(int count, double sampleRate)
{
    const double total = count / sampleRate;
    Noise noise(0x5EED0002u);
    Signal x(count), weight(count);
    double smoothed = 0.0;
    for (int n = 0; n < count; ++n) {
        const double t = n / sampleRate;
        smoothed += 0.3 * (noise.next() - smoothed);  // low-passed noise
        const double thud = 0.15 * smoothed * std::exp(-t / 0.003);
        const double body = std::sin(kTwoPi * 900.0 * t) * std::exp(-t / 0.015)
            + 0.3 * std::sin(kTwoPi * 1800.0 * t) * std::exp(-t / 0.008);
        const double shape = riseIn(t, 0.002) * fadeOut(t, total, 0.025);
        x[n] = (thud + body) * shape;
        weight[n] = shape * std::exp(-t / 0.025);
    }
    removeOffset(x, weight);
    return toSamples(x, -12.0);
}

std::vector<std::int16_t> risingWhoosh(int count, double sampleRate)
{
    const double total = count / sampleRate;
    Noise noise(0x5EED0003u);
    Signal x(count), weight(count);
    // State-variable band-pass whose centre sweeps from 250 Hz to 3.5 kHz.
    double low = 0.0;
    double band = 0.0;
    constexpr double kDamping = 0.25;
    double tonePhase = 0.0;
    for (int n = 0; n < count; ++n) {
        const double t = n / sampleRate;
        const double u = t / total;
        const double centre = 250.0 * std::pow(3500.0 / 250.0, u);
        const double f = 2.0 * std::sin(std::numbers::pi * centre / sampleRate);
        low += f * band;
        const double high = noise.next() - low - kDamping * band;
        band += f * high;

        const double toneFrequency = 300.0 * std::pow(1500.0 / 300.0, u);
        tonePhase += kTwoPi * toneFrequency / sampleRate;
        const double tone = 0.25 * std::sin(tonePhase);

        const double swell = std::pow(u, 1.5) * (1.0 - u) / 0.1859;  // peaks at 0.6 of the length
        const double shape = swell * riseIn(t, 0.005) * fadeOut(t, total, 0.005);
        x[n] = (0.5 * band + tone) * shape;
        weight[n] = shape;
    }
    removeOffset(x, weight);
    return toSamples(x, -9.0);
}

std::vector<std::int16_t> tinyTick(int count, double sampleRate)
{
    Signal x(count), weight(count);
    for (int n = 0; n < count; ++n) {
        const double t = n / sampleRate;
        const double hann = 0.5 - 0.5 * std::cos(kTwoPi * n / (count - 1));
        x[n] = (std::sin(kTwoPi * 3200.0 * t) + 0.3 * std::sin(kTwoPi * 6100.0 * t)) * hann;
        weight[n] = hann;
    }
    removeOffset(x, weight);
    return toSamples(x, -6.0);
}

std::vector<std::int16_t> twoToneChime(int count, double sampleRate)
{
    const double total = count / sampleRate;
    struct Strike {
        double start;      // seconds
        double frequency;  // Hz
        double level;
    };
    constexpr Strike kStrikes[] = {{0.0, 1318.51, 1.0}, {0.150, 1046.50, 0.9}};  // E6, then C6
    Signal x(count, 0.0), weight(count, 0.0);
    for (const Strike& strike : kStrikes) {
        for (int n = 0; n < count; ++n) {
            const double t = n / sampleRate - strike.start;
            if (t < 0.0)
                continue;
            const double attack = riseIn(t, 0.004);
            const double w = strike.frequency * kTwoPi * t;
            const double tone = std::sin(w) * std::exp(-t / 0.180)
                + 0.25 * std::sin(2.0 * w) * std::exp(-t / 0.090)
                + 0.08 * std::sin(3.0 * w) * std::exp(-t / 0.050);
            x[n] += strike.level * attack * tone;
            weight[n] += attack * std::exp(-t / 0.180);
        }
    }
    for (int n = 0; n < count; ++n) {
        const double fade = fadeOut(n / sampleRate, total, 0.060);
        x[n] *= fade;
        weight[n] *= fade;
    }
    removeOffset(x, weight);
    return toSamples(x, -8.0);
}

} // namespace fretlore::sounds
