// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/guitarstr.h"

#include "catalogue/Instrument.h"

namespace fretlore {

const std::array<NoteNameColumn, 6> NoteNameTable = {{
    // E6
    {{"E", "F", "F#, Gb", "G", "G#, Ab", "A",
     "A#, Bb", "B", "C", "C#, Db", "D", "D#, Eb",
     "E", "F", "F#, Gb", "G", "G#, Ab", "A",
     "A#, Bb", "B", "C", "C#, Db", "D", "D#, Eb",
     "E"}},
    // A5
    {{"A", "A#, Bb", "B", "C", "C#, Db", "D",
     "D#, Eb", "E", "F", "F#, Gb", "G", "G#, Ab",
     "A", "A#, Bb", "B", "C", "C#, Db", "D",
     "D#, Eb", "E", "F", "F#, Gb", "G", "G#, Ab",
     "A"}},
    // D4
    {{"D", "D#, Eb", "E", "F", "F#, Gb", "G",
     "G#, Ab", "A", "A#, Bb", "B", "C", "C#, Db",
     "D", "D#, Eb", "E", "F", "F#, Gb", "G",
     "G#, Ab", "A", "A#, Bb", "B", "C", "C#, Db",
     "D"}},
    // G3
    {{"G", "G#, Ab", "A", "A#, Bb", "B", "C",
     "C#, Db", "D", "D#, Eb", "E", "F", "F#, Gb",
     "G", "G#, Ab", "A", "A#, Bb", "B", "C",
     "C#, Db", "D", "D#, Eb", "E", "F", "F#, Gb",
     "G"}},
    // B2
    {{"B", "C", "C#, Db", "D", "D#, Eb", "E",
     "F", "F#, Gb", "G", "G#, Ab", "A", "A#, Bb",
     "B", "C", "C#, Db", "D", "D#, Eb", "E",
     "F", "F#, Gb", "G", "G#, Ab", "A", "A#, Bb",
     "B"}},
    // e1
    {{"E", "F", "F#, Gb", "G", "G#, Ab", "A",
     "A#, Bb", "B", "C", "C#, Db", "D", "D#, Eb",
     "E", "F", "F#, Gb", "G", "G#, Ab", "A",
     "A#, Bb", "B", "C", "C#, Db", "D", "D#, Eb",
     "E"}},
}};

QString NoteName(int column, int fret)
{
    const int string = StringOfColumn(column);
    if (string < 0 || string >= kStringCount || fret < 0 || fret >= kNoteNameFrets)
        return QString();
    const std::string_view name = NoteNameTable[size_t(string)][size_t(fret)];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace fretlore
