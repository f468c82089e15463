// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How long the click sound holds its caller, and waiting for the stream to
// carry a click that a silent output does not wait for.
#include "flat/TFlatSoundUnit.h"
#include "media/AudioOutput.h"

#include <chrono>
#include <cstdint>
#include <thread>

namespace clicktiming {

// Milliseconds one Play takes.
inline double playMs(fretlore::TFlatSound& sound)
{
    const auto start = std::chrono::steady_clock::now();
    sound.Play();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Returns once `ms` milliseconds more of stream have been written (a busy
// machine may take longer in wall time), or the output sleeps for want of sound.
inline void waitForStream(const fretlore::AudioOutput& output, int ms)
{
    const std::int64_t until = output.FramesWritten() + std::int64_t(ms) * fretlore::AudioOutput::kSampleRate / 1000;
    while (output.FramesWritten() < until && !output.Sleeping())
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

} // namespace clicktiming
