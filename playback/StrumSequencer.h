#pragma once

#include "playback/StringPlayers.h"

#include <functional>

namespace fretlore {

class MessageTimer;

// The slow strum of the shown chord: the six strings one after another, E6 to
// e1, each sounding for one 800 ms step and stopped when the next one starts;
// a string that is not played passes after the timer's shortest period. The
// timer is the main window's; at the end the chord is shown again through
// `showAgain` (the list-click), which stops the timer and closes the players.
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

private:
    // A player that has a file but is not open (its reopening failed, and
    // that error has been shown) is passed over like a silent string.
    bool sounds(int n) const;

    StringPlayerSet players_;
    MessageTimer* timer_;
    std::function<void()> showAgain_;
};

} // namespace fretlore
