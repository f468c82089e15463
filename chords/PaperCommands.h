// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Instrument.h"
#include "catalogue/Notation.h"
#include "chords/TextDiagram.h"

#include <array>

namespace fretlore {

class ChordsArguments;

// The names of a guitar's strings as a diagram writes them under its box,
// lowest first: "E", "A", ... in the notation, with the string's number
// ("E6" ... "e1", the highest in lower case) when `numbered`.
std::array<QString, kStringCount> StringNames(const Instrument& guitar, Notation notation, bool numbered);

// How `show` draws a catalogue voicing as text: its glyphs, mirrored with
// --left-handed, the hand with --fingers, the note names in the notation.
TextDiagram::Options ShowOptions(const ChordsArguments& arguments, const Frets& frets);

} // namespace fretlore
