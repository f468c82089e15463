// SPDX-License-Identifier: GPL-3.0-or-later
// The instrument: the pitches of the standard guitar, with and without a capo,
// and the names each string goes by.
#include "catalogue/Instrument.h"

#include <gtest/gtest.h>

using namespace fretlore;

TEST(Instrument, StandardTuningPitches)
{
    // E2 A2 D3 G3 B3 E4, lowest string first; pitch classes E A D G B E.
    const int open[kStringCount] = {40, 45, 50, 55, 59, 64};
    const int classes[kStringCount] = {4, 9, 2, 7, 11, 4};
    for (int s = 0; s < kStringCount; ++s) {
        EXPECT_EQ(kStandardGuitar.Pitch(s, 0), open[s]) << s;
        EXPECT_EQ(kStandardGuitar.PitchClass(s, 0), classes[s]) << s;
        EXPECT_EQ(kStandardGuitar.Pitch(s, 12), open[s] + 12) << s;
        EXPECT_EQ(kStandardGuitar.PitchClass(s, 12), classes[s]) << s;
    }
    // The strings of a standard guitar meet in fourths and one major third.
    EXPECT_EQ(kStandardGuitar.Pitch(0, 5), kStandardGuitar.Pitch(1, 0));
    EXPECT_EQ(kStandardGuitar.Pitch(3, 4), kStandardGuitar.Pitch(4, 0));
    EXPECT_EQ(kStandardGuitar.Pitch(5, 0), kStandardGuitar.Pitch(0, 0) + 24);

    Instrument capo3;
    capo3.Capo = 3;
    EXPECT_EQ(capo3.Pitch(0, 0), 43);   // G2 at the capo
    EXPECT_EQ(capo3.Pitch(5, 2), 69);   // A4
    EXPECT_EQ(capo3.PitchClass(1, 0), 0);  // C
    EXPECT_NE(capo3, kStandardGuitar);
}

// Every name a string goes by, from the one numbering (0 = E6 to 5 = e1).
TEST(Instrument, StringNumberings)
{
    const struct {
        int string, column, player, fretEdit, guitarist;
    } rows[] = {
        {0, 1, 1, 6, 6},  // E6: column 1, S1, Estr6, "6-" files
        {1, 2, 2, 5, 5},  // A5
        {2, 3, 3, 4, 4},  // D4
        {3, 4, 4, 3, 3},  // G3
        {4, 5, 5, 2, 2},  // B2
        {5, 6, 6, 1, 1},  // e1: column 6, S6, Estr1, "1-" files
    };
    for (const auto& r : rows) {
        EXPECT_EQ(ColumnNumberOf(r.string), r.column) << r.string;
        EXPECT_EQ(PlayerNumberOf(r.string), r.player) << r.string;
        EXPECT_EQ(FretEditNumberOf(r.string), r.fretEdit) << r.string;
        EXPECT_EQ(GuitaristNumberOf(r.string), r.guitarist) << r.string;
        EXPECT_EQ(StringOfColumn(r.column), r.string) << r.string;
        EXPECT_EQ(StringOfPlayer(r.player), r.string) << r.string;
        EXPECT_EQ(StringOfFretEdit(r.fretEdit), r.string) << r.string;
        EXPECT_EQ(StringOfGuitaristNumber(r.guitarist), r.string) << r.string;
    }
}
