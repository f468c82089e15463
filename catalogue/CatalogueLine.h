// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Instrument.h"

#include <QStringView>

#include <optional>

namespace fretlore {

// The layout of a catalogue voicing line: 28 characters of ASCII, a name field
// and one fret field per string, lowest string first, with no separators.
//
//   characters  1-16   the chord's name, left-aligned and padded with blanks
//   characters 17-28   six 2-character fret fields: a fret 0 to 9 and a blank
//                      ("3 "), a fret 10 to 15 ("12"), or "x " for a string
//                      that is not played
//
// Everything that reads, writes or compares catalogue lines by position takes
// the positions from here.

// Characters before the fret fields.
inline constexpr qsizetype kNameFieldWidth = 16;
// Characters the name is read from: character 16 is never part of it.
inline constexpr qsizetype kNameWidth = 15;
inline constexpr qsizetype kFretFieldWidth = 2;
// The fret text: the characters after the name field.
inline constexpr qsizetype kFretTextWidth = kStringCount * kFretFieldWidth;
// Width of every voicing line.
inline constexpr qsizetype kCatalogueLineWidth = kNameFieldWidth + kFretTextWidth;

// Fret value of a string that is not played.
inline constexpr int kMuted = -1;

// Where a string's fret field starts in a line (0-based; string 0 is E6).
constexpr qsizetype FretFieldStart(int string) { return kNameFieldWidth + kFretFieldWidth * string; }

// Where a string's fret field starts in the fret text.
constexpr qsizetype FretTextFieldStart(int string) { return kFretFieldWidth * string; }

// The reading rule of one fret field as the line holds it (two characters, or
// fewer at the end of a short text): a blank as its second character is
// dropped; what is then exactly "x" is muted (kMuted); anything else is an
// integer by ConvertFretField, so the field "x6" reads as hexadecimal 6.
// Nothing when the field does not convert.
std::optional<int> ReadFretField(QStringView field);

// Integer conversion of one field: leading blanks skipped, an optional sign,
// then "$", "x", "X", "0x" or "0X" marking hexadecimal digits, otherwise
// decimal digits, and nothing after them. Values outside the 32-bit range,
// empty text and stray characters give nothing.
std::optional<int> ConvertFretField(QStringView field);

// The field as the program reads it: `field` with a blank as its second
// character dropped ("3 " is "3", "x " is "x", "12" stays).
QStringView TrimmedFretField(QStringView field);

} // namespace fretlore
