// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/guitarstr.h"

#include "catalogue/Instrument.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace fretlore;

// The typed table names what the instrument sounds: the pitch class of every
// string and fret, spelt as the table spells it.
TEST(NoteNameTable, NamesThePitchClassTheInstrumentComputes)
{
    const char* spelling[12] = {"C", "C#, Db", "D", "D#, Eb", "E", "F", "F#, Gb", "G", "G#, Ab", "A", "A#, Bb", "B"};
    for (int string = 0; string < kStringCount; ++string)
        for (int fret = 0; fret < kNoteNameFrets; ++fret)
            EXPECT_EQ(NoteNameTable[size_t(string)][size_t(fret)],
                      spelling[kStandardGuitar.PitchClass(string, fret)])
                << "string " << string << " fret " << fret;
}

TEST(NoteNameTable, TellingEntries)
{
    const char* open[6] = {"E", "A", "D", "G", "B", "E"};
    const char* fret15[6] = {"G", "C", "F", "A#, Bb", "D", "G"};
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(NoteName(c, 0), QLatin1String(open[c - 1]));
        EXPECT_EQ(NoteName(c, 12), NoteName(c, 0));
        EXPECT_EQ(NoteName(c, 24), NoteName(c, 0));
        EXPECT_EQ(NoteName(c, 15), QLatin1String(fret15[c - 1]));
    }
    EXPECT_EQ(NoteName(3, 12), QLatin1String("D"));
}

TEST(NoteNameTable, OutsideTheTableIsEmpty)
{
    for (auto [column, fret] : {std::pair{0, 0}, {7, 0}, {1, -1}, {1, 25}, {-5, 3}})
        EXPECT_TRUE(NoteName(column, fret).isEmpty()) << column << "," << fret;
}
