// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <string_view>

namespace fretlore {

// Frets 0 (open) to 24 have a name on every string.
inline constexpr int kNoteNameFrets = 25;

using NoteNameColumn = std::array<std::string_view, kNoteNameFrets>;

// The name of the note at every fret of the six strings in standard tuning,
// in catalogue column order E6, A5, D4, G3, B2, e1. A note between two
// naturals carries both names, sharp first ("C#, Db").
extern const std::array<NoteNameColumn, 6> NoteNameTable;

// The name of the tone on catalogue column `column` (1 = E6 to 6 = e1) at the
// absolute fret `fret` (0 to 24). Outside those ranges: an empty text.
QString NoteName(int column, int fret);

} // namespace fretlore
