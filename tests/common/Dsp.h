// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small signal measurements for the sound tests: pitch by harmonic product
// spectrum, and note onsets by short-time energy.
#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace dsp {

inline void fft(std::vector<std::complex<double>>& a)
{
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const double angle = -2 * std::numbers::pi / double(len);
        const std::complex<double> wlen(std::cos(angle), std::sin(angle));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> w(1);
            for (size_t k = 0; k < len / 2; ++k) {
                const auto u = a[i + k];
                const auto v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                w *= wlen;
            }
        }
    }
}

// The fundamental frequency of `x` (Hz): the peak of the product of the
// magnitude spectrum and its copies compressed by 2, 3 and 4, refined on the
// strongest of the first four harmonics. 0 for silence.
inline double pitchHz(const std::vector<float>& x, double rate, double lowHz = 60, double highHz = 1500)
{
    const size_t n = 1 << 18;
    std::vector<std::complex<double>> a(n);
    const size_t len = std::min(x.size(), n);
    double energy = 0;
    for (size_t i = 0; i < len; ++i) {
        const double w = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(len));
        a[i] = x[i] * w;
        energy += double(x[i]) * x[i];
    }
    if (energy < 1e-9)
        return 0;
    fft(a);
    std::vector<double> mag(n / 2);
    for (size_t i = 0; i < n / 2; ++i)
        mag[i] = std::abs(a[i]);
    const double binHz = rate / double(n);
    const size_t lo = size_t(lowHz / binHz);
    const size_t hi = size_t(highHz / binHz);
    size_t best = lo;
    double bestValue = -1;
    for (size_t k = lo; k <= hi && 4 * k < mag.size(); ++k) {
        const double v = std::log(mag[k] + 1e-12) + std::log(mag[2 * k] + 1e-12) + std::log(mag[3 * k] + 1e-12) +
                         std::log(mag[4 * k] + 1e-12);
        if (v > bestValue) {
            bestValue = v;
            best = k;
        }
    }
    // Refine on the strongest harmonic near h * best with a parabola through three bins.
    double refined = 0;
    double strongest = -1;
    for (int h = 1; h <= 4; ++h) {
        const size_t centre = best * size_t(h);
        const size_t reach = size_t(h) * 3 + 2;
        size_t peak = centre;
        for (size_t k = centre - std::min(centre, reach); k <= centre + reach && k + 1 < mag.size(); ++k)
            if (mag[k] > mag[peak])
                peak = k;
        if (peak == 0 || peak + 1 >= mag.size() || mag[peak] <= strongest)
            continue;
        strongest = mag[peak];
        const double l = std::log(mag[peak - 1] + 1e-12), c = std::log(mag[peak] + 1e-12),
                     r = std::log(mag[peak + 1] + 1e-12);
        const double offset = 0.5 * (l - r) / (l - 2 * c + r);
        refined = (double(peak) + offset) * binHz / h;
    }
    return refined;
}

// How unlike itself `x` is one period of `hz` later: 0 for a signal that
// repeats exactly, about 1 for one that does not repeat at all.
inline double periodMismatch(const std::vector<float>& x, double rate, double hz, size_t from, size_t count)
{
    const double tau = rate / hz;
    const size_t whole = size_t(tau);
    const double frac = tau - double(whole);
    double diff = 0, power = 0;
    for (size_t i = from; i < from + count && i + whole + 1 < x.size(); ++i) {
        const double later = (1 - frac) * x[i + whole] + frac * x[i + whole + 1];
        diff += (x[i] - later) * (x[i] - later);
        power += double(x[i]) * x[i] + later * later;
    }
    return power > 0 ? diff / power : 1.0;
}

// The pitch of `x` with the harmonic product spectrum's one common slip, a
// result an octave low, corrected: if the signal already repeats after half
// the period, the pitch is the octave above.
inline double pitchHzChecked(const std::vector<float>& x, double rate)
{
    double f = pitchHz(x, rate);
    const size_t from = std::min(x.size() / 4, size_t(rate * 0.1));
    for (int i = 0; i < 2 && f > 0; ++i) {
        if (periodMismatch(x, rate, 2 * f, from, 4096) < 0.2)
            f *= 2;
        else
            break;
    }
    return f;
}

inline double cents(double f, double reference) { return 1200.0 * std::log2(f / reference); }

inline double midiHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// RMS of x[from, from + count).
inline double rms(const std::vector<float>& x, size_t from, size_t count)
{
    double sum = 0;
    size_t n = 0;
    for (size_t i = from; i < std::min(x.size(), from + count); ++i, ++n)
        sum += double(x[i]) * x[i];
    return n ? std::sqrt(sum / double(n)) : 0;
}

// Frames at which a new note starts: the energy in 5 ms windows jumps by
// `ratio` over the window 20 ms before, and above `floor`.
inline std::vector<size_t> onsets(const std::vector<float>& x, double rate, double ratio = 3.0, double floor = 0.01)
{
    const size_t hop = size_t(rate * 0.005);
    std::vector<double> e;
    for (size_t i = 0; i + hop <= x.size(); i += hop)
        e.push_back(rms(x, i, hop));
    std::vector<size_t> result;
    size_t lastOnset = 0;
    bool any = false;
    for (size_t k = 4; k < e.size(); ++k) {
        const double before = std::max(e[k - 4], 1e-6);
        if (e[k] > floor && e[k] > ratio * before && (!any || (k - lastOnset) * hop > size_t(rate * 0.1))) {
            // Sharpen within the window: the first sample above half the window's peak.
            size_t at = k * hop;
            double peak = 0;
            for (size_t i = k * hop; i < (k + 1) * hop; ++i)
                peak = std::max(peak, double(std::abs(x[i])));
            for (size_t i = (k - 1) * hop; i < (k + 1) * hop; ++i)
                if (std::abs(x[i]) > 0.25 * peak) {
                    at = i;
                    break;
                }

            result.push_back(at);
            lastOnset = k;
            any = true;
        }
    }
    return result;
}

// Frames at which sound starts after a silence: the first sample above
// `threshold` after at least `gapMs` of samples below it. Suits notes that
// begin where the sound before them was cut off.
inline std::vector<size_t> soundStarts(const std::vector<float>& x, double rate, double threshold = 2e-4,
                                       double gapMs = 2.0)
{
    std::vector<size_t> result;
    const size_t gap = size_t(rate * gapMs / 1000.0);
    size_t quiet = gap;  // the recording starts as if after silence
    for (size_t i = 0; i < x.size(); ++i) {
        if (std::abs(x[i]) < threshold) {
            ++quiet;
            continue;
        }
        if (quiet >= gap)
            result.push_back(i);
        quiet = 0;
    }
    return result;
}

} // namespace dsp
