// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Fingering.h"
#include "catalogue/Instrument.h"

#include <QStringView>

#include <optional>
#include <vector>

namespace fretlore {

// A voicing the finder found, with the hand the fingering model gives it.
struct RankedVoicing {
    fretlore::Frets Frets;
    Fingering Hand;
};

// The highest fret, counted from the capo, the finder reaches: the 15th, or
// the neck's last (kNeckFrets) above a high capo.
inline constexpr int kFinderHighestFret = 15;
inline constexpr int kNeckFrets = 24;

// Every playable voicing of a root (pitch class) and kind (index into
// KnownKinds) on an instrument, easiest first, at most `max` of them (all
// when `max` <= 0). With `bassPitchClass` >= 0 only voicings with that bass
// note ("D/F#"); the bass need not be one of the kind's tones.
//
// A voicing sounds three or more strings (two for a power chord), every
// required tone of the kind and no tone outside it, within four frets, and
// the fingering model finds a hand for it. The ranking, as a teacher orders
// grips: voicings with the root in the bass first; then by ease, the model's
// cost plus 0.25 for every unsounded string below the bass, 0.75 for every
// one above the highest sounded string, 1 for a muted string between sounded
// ones and 1 for an index barre over four or more strings; then more strings,
// lower position, fewer muted inner strings.
std::vector<RankedVoicing> FindVoicings(int rootPitchClass, int kind, const Instrument& instrument, int max,
                                        int bassPitchClass = -1);

// The easiest voicing of a chord name as `name` writes it ("Am", "C#(Db)m7",
// "Asus4", "D/F#"), or nothing when no kind explains the name or no voicing
// plays it.
std::optional<RankedVoicing> EasiestVoicing(QStringView chordName, const Instrument& instrument);

} // namespace fretlore
