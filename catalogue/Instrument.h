// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace fretlore {

// The guitar the program knows: six strings, each given by the MIDI pitch it
// sounds open, and a capo that shortens every string by the same number of
// frets.
//
// One numbering of the strings serves the whole program: string index 0 is
// the lowest string (E6 in standard tuning) and 5 the highest (e1), the order
// of the catalogue's fret fields, the diagram's rows and the tone markers.
// The other names a string goes by are derived from it by the functions below.
inline constexpr int kStringCount = 6;

// Standard tuning, lowest string first: E2 A2 D3 G3 B3 E4.
inline constexpr std::array<int, kStringCount> kStandardTuning = {40, 45, 50, 55, 59, 64};

// The highest capo position the program accepts.
inline constexpr int kMaxCapo = 12;

struct Instrument {
    std::array<int, kStringCount> OpenPitch = kStandardTuning;  // lowest string first
    int Capo = 0;  // 0: no capo; frets are counted from the capo

    // The MIDI pitch `string` sounds at `fret`, counted from the capo (0 is the
    // open string, or the capo when there is one).
    constexpr int Pitch(int string, int fret) const { return OpenPitch[string] + Capo + fret; }

    // Its pitch class, 0 = C to 11 = B.
    constexpr int PitchClass(int string, int fret) const { return Pitch(string, fret) % 12; }

    friend constexpr bool operator==(const Instrument&, const Instrument&) = default;
};

// A guitar in standard tuning without a capo: the catalogue's guitar.
inline constexpr Instrument kStandardGuitar{};

// The string number 1 to 6 of the catalogue's columns, the note-name table's
// columns and the diagram's rows, top to bottom: 1 is the lowest string.
constexpr int ColumnNumberOf(int string) { return string + 1; }
constexpr int StringOfColumn(int column) { return column - 1; }

// The window's string players S1 to S6: S1 plays the lowest string.
constexpr int PlayerNumberOf(int string) { return string + 1; }
constexpr int StringOfPlayer(int player) { return player - 1; }

// The window's fret edits Estr6 to Estr1: Estr6 holds the lowest string.
constexpr int FretEditNumberOf(int string) { return kStringCount - string; }
constexpr int StringOfFretEdit(int edit) { return kStringCount - edit; }

// The string number in the MIDI files' names ("6-05.mid"), and the one
// guitarists write after a string's letter (E6, e1): 6 is the lowest string.
constexpr int GuitaristNumberOf(int string) { return kStringCount - string; }
constexpr int StringOfGuitaristNumber(int number) { return kStringCount - number; }

} // namespace fretlore
