#include "diagram/guitarstr.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace fretlore;

TEST(NoteNameTable, FollowsTheTwelveNoteCycleFromEachOpenString)
{
    const char* cycle[12] = {"C", "C#, Db", "D", "D#, Eb", "E", "F", "F#, Gb", "G", "G#, Ab", "A", "A#, Bb", "B"};
    const int open[6] = {4, 9, 2, 7, 11, 4};  // E A D G B E
    for (int column = 1; column <= 6; ++column)
        for (int fret = 0; fret < kNoteNameFrets; ++fret)
            EXPECT_EQ(NoteName(column, fret), QLatin1String(cycle[(open[column - 1] + fret) % 12]))
                << "column " << column << " fret " << fret;
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
