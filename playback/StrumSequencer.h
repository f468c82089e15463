// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/StringPlayers.h"

#include <array>
#include <cstdint>
#include <functional>

namespace fretlore {

class MessageTimer;

// The slow strum of the shown chord: the six strings one after another, E6 to
// e1, each sounding for one 800 ms step and stopped when the next one starts;
// a string that is not played passes after the timer's shortest period. The
// timer is the main window's; at the end the chord is shown again through
// `showAgain` (the list-click), which stops the timer and closes the players.
//
// The sound keeps to the grid the timer's count lays down from the click,
// not to when the ticks are handled: each string's start (and the previous
// string's stop) is handed to the audio thread one step ahead, at its time
// on that grid, and the tick's own Play and Stop then leave it as planned.
// The ticks still do everything else they do (the step, the interval, the
// end), so a late tick moves no sound.
class StrumSequencer {
public:
    static constexpr int kFirstStepMs = 600;  // the timer's interval until its first tick
    static constexpr int kStepMs = 800;
    static constexpr int kSkipMs = 1;
    static constexpr int kDone = 7;

    StrumSequencer(const StringPlayerSet& players, MessageTimer* timer, std::function<void()> showAgain);

    // 0: no string played yet; 1 to 6: the player played last; 7: the next tick ends the strum.
    int StrumStep = 0;

    // Opens every player that has a file, S1 to S6 (an open failure raises
    // its error and leaves the rest unopened, the step and the timer as they
    // were), then starts from the first string on the timer's running count.
    void Start();

    // One tick of the timer.
    void Tick();

    // The steady-clock time (nanoseconds) planned for string n's start
    // (1 to 6) in the running strum, or 0 when none was planned.
    std::int64_t PlannedStartNs(int n) const { return plannedNs_[size_t(n)]; }

private:
    // Plans the start of the first string from n on that sounds: at `dueNs`,
    // one shortest timer period later for each silent string passed over.
    void planFrom(int n, std::int64_t dueNs);

    // A player that has a file but is not open (its reopening failed, and
    // that error has been shown) is passed over like a silent string.
    bool sounds(int n) const;

    StringPlayerSet players_;
    MessageTimer* timer_;
    std::function<void()> showAgain_;
    std::array<std::int64_t, 7> plannedNs_{};
};

} // namespace fretlore
