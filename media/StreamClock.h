// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/AudioOutput.h"

#include <algorithm>
#include <cstdint>

namespace fretlore {

// The audio stream's clock: the steady-clock time of each frame, from when
// the frames are rendered. It keeps to the earliest origin (the time of
// frame 0) the renders show, so a render the system held up moves no frame;
// a slow drift is followed, and a gap of more than 50 ms is the output waking
// up, which sets the clock afresh.
class StreamClock {
public:
    // Frame `firstFrame` is being rendered at `renderedNs`.
    void Follow(std::int64_t renderedNs, std::int64_t firstFrame)
    {
        // Followed by at most 0.6 us a period: about 200 parts in a million.
        constexpr std::int64_t kDriftNs = 600;
        constexpr std::int64_t kWakeNs = 50000000;
        const std::int64_t origin = renderedNs - AudioOutput::FramesToNs(firstFrame);
        if (!started_ || origin > originNs_ + kWakeNs || origin < originNs_)
            originNs_ = origin;
        else
            originNs_ += std::min(origin - originNs_, kDriftNs);
        started_ = true;
    }

    // The steady-clock time of `frame`.
    std::int64_t TimeOf(std::int64_t frame) const { return originNs_ + AudioOutput::FramesToNs(frame); }

private:
    std::int64_t originNs_ = 0;
    bool started_ = false;
};

} // namespace fretlore
