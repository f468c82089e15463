// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace fretlore {

// A set of pitch classes (or of intervals above a root): bit n is n semitones
// above C (or above the root), n = 0 to 11.
using ToneSet = std::uint16_t;

// The tone set of a list of semitones (or pitch classes).
constexpr ToneSet Intervals(std::initializer_list<int> semitones)
{
    ToneSet set = 0;
    for (int s : semitones)
        set = ToneSet(set | (1u << s));
    return set;
}

// The twelve roots in catalogue order, written as the catalogue writes them.
struct ChordRoot {
    std::string_view Name;  // "C", "C#(Db)", ..., "A#", "B"
    int PitchClass;         // 0 = C to 11 = B
};

// A chord kind: its name suffix and its tone formula, as intervals above
// the root. A voicing of the kind sounds only Tones and every Required one.
struct ChordKind {
    std::string_view Suffix;  // "" for major, "m7", "7/9/5-", ...
    ToneSet Tones;
    ToneSet Required;
};

extern const std::array<ChordRoot, 12> ChordRoots;
// The twenty kinds in the order a root's names appear in the catalogue.
extern const std::array<ChordKind, 20> ChordKinds;

// The root and kind of a catalogue name ("A#m7" is root 10, kind "m7"), or
// nothing when the name is no root followed by a kind's suffix.
struct ChordNameParts {
    int Root = 0;  // index into ChordRoots
    int Kind = 0;  // index into ChordKinds
};
std::optional<ChordNameParts> SplitChordName(QStringView name);

// The name the catalogue writes for a root and kind.
QString ChordNameFor(int root, int kind);

// The pitch classes of a voicing's sounded strings (frets 0 and up) on the
// standard guitar.
ToneSet SoundedTones(const std::array<int, 6>& frets);

// A tone set moved up so that `root` becomes interval 0.
ToneSet TonesAbove(ToneSet pitchClasses, int root);

} // namespace fretlore
