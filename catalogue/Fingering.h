// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Instrument.h"

#include <array>
#include <optional>
#include <vector>

namespace fretlore {

// Frets of one voicing, lowest string first: -1 muted, 0 open (or at the
// capo), 1 and up fretted.
using Frets = std::array<int, kStringCount>;

// How a hand holds a voicing: the finger on each string (1 index to 4 little,
// 0 for an open or muted string) and what the grip costs the hand. Fingers
// that cover several strings lie flat across them: the index as a barre, the
// ring or little finger as a partial barre at the voicing's top fret.
struct Fingering {
    double Cost = 0.0;
    std::array<int, kStringCount> Fingers{};

    friend bool operator==(const Fingering&, const Fingering&) = default;
};

// The cheapest fingering that obeys every hand rule, or nothing when none
// does. The rules:
// - each finger presses one fret; a finger with a higher number never sits at
//   a lower fret than one with a lower number, and two fingers a apart reach at
//   most a + 1 frets;
// - the index may lie across several strings (a barre); every string it covers
//   is fretted at its fret or higher by another finger, none open or muted;
// - the ring or little finger may lie across adjacent strings at the voicing's
//   highest fret, the bass string not among them (a partial barre, one
//   finger); the middle finger presses one string only;
// - an index barre that leaves out the bass string has fingers on one side of
//   it only;
// - no string towards the bass from the leading finger is fretted three or
//   more frets above it, except by the little finger exactly three frets up,
//   at most two strings below the index, while the index leads on the top
//   strings (it holds the lowest fret, only G3 to e1 are fretted there, and
//   no string above the index three frets higher): the C-shape grips moved up
//   the neck, such as x 4 2 1 2 x or x 5 4 2 3 2, but not 8 7 5 5 5 5,
//   5 3 x 2 5 5 or x 4 3 1 x 4;
// - the fretted notes lie within four frets: the highest at most three
//   above the lowest;
// - a muted string between sounded ones needs a fretted neighbour to damp it;
// - at most four different frets.
// The cost is the number of fingers, plus 0.5 for a barre, 1 for a partial
// barre, 1 for every fret of stretch beyond one per finger, 1.5 for a span of
// three frets and 0.5 for two fingers crossing at one fret. Among equal costs
// the first in a fixed order of trial wins, so the answer is deterministic.
std::optional<Fingering> BestFingering(const Frets& frets);

// The muted string (an index) between sounded strings that no fretted
// neighbour can damp, or nothing when every inner muted string is damped.
std::optional<int> UndampedMutedString(const Frets& frets);

// A finger lying across several strings.
struct Barre {
    int Finger = 0;       // 1 for the index's barre, 3 or 4 for a partial barre
    int Fret = 0;
    int LowString = 0;    // string indexes, low <= high
    int HighString = 0;
};

// The barres of a fingering of `frets`, lowest fret first.
std::vector<Barre> BarresOf(const Frets& frets, const Fingering& fingering);

} // namespace fretlore
