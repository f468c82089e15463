#pragma once

// How long the click sound holds its caller.
#include "flat/TFlatSoundUnit.h"

#include <chrono>

namespace clicktiming {

// Milliseconds one Play takes.
inline double playMs(fretlore::TFlatSound& sound)
{
    const auto start = std::chrono::steady_clock::now();
    sound.Play();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace clicktiming
