// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Instrument.h"

#include <QString>

#include <array>

namespace fretlore {

// Sounds a voicing through the window's six string players and its strum,
// without a window: the players take the MIDI files of the "mid" folder in
// `exeDir`, the strum runs on its own timer in a local event loop, and the
// call returns when the last string has sounded its step. Needs a running
// QCoreApplication.
class ChordPlayback {
public:
    explicit ChordPlayback(QString exeDir);

    // The whole chord, strummed E6 to e1 (`string` 0), or one string, 1 (E6)
    // to 6 (e1), for one strum step. False, with the reason in `error`,
    // when there is no sound device, no sound font, nothing to play or a
    // player does not open. On another `guitar` each string sounds as it
    // is tuned there, frets counted from its capo.
    bool Play(const std::array<int, 6>& frets, int string, QString* error,
              const Instrument& guitar = kStandardGuitar);

private:
    QString exeDir_;
};

} // namespace fretlore
