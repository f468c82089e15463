// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Measuring the strum on the audio output's recording: shared by the strum
// tests and the strum benchmark.
#include "media/AudioOutput.h"
#include "media/MidiDevice.h"

#include "Dsp.h"

#include <QEventLoop>
#include <QString>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace strum {

using fretlore::AudioOutput;
using fretlore::MidiDevice;

constexpr double kRate = AudioOutput::kSampleRate;

inline std::int64_t nowNs()
{
    return AudioOutput::NowNs();
}

// Milliseconds after `t0` at which frame `f` of the recording was rendered,
// or, on the stream's clock, where it sits in the stream.
inline double frameMs(const AudioOutput::Recording& r, size_t f, std::int64_t t0, bool streamClock = false)
{
    const size_t period = f / AudioOutput::kPeriodFrames;
    const double within = double(f % AudioOutput::kPeriodFrames) / kRate * 1000.0;
    return double((streamClock ? r.periodStreamNs : r.periodTimesNs)[period] - t0) / 1e6 + within;
}

// Runs the event loop for `ms` as the program's own loop does: QTest::qWait
// sleeps up to 10 ms between its rounds, which would delay the timer's ticks.
inline void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// How long after its Play a string's file sounds when rendered offline: the
// synthesizer's own start (one render block) and the attack of the sound
// font's sample. The strum's timing is measured on top of it.
inline double soundDelayMs(MidiDevice& device, const QString& file)
{
    std::vector<float> out;
    float left[AudioOutput::kPeriodFrames], right[AudioOutput::kPeriodFrames];
    device.Open(0, file);
    device.Play(0);
    for (int p = 0; p < 100; ++p) {
        std::fill(std::begin(left), std::end(left), 0.0f);
        device.Render(left, right, AudioOutput::kPeriodFrames, AudioOutput::NowNs());
        out.insert(out.end(), std::begin(left), std::end(left));
    }
    device.Close(0);
    const std::vector<size_t> starts = dsp::soundStarts(out, kRate, 1e-4, 0.5);
    return starts.empty() ? 0.0 : double(starts.front()) / kRate * 1000.0;
}

} // namespace strum
