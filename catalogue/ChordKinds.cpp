// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ChordKinds.h"

#include "catalogue/Instrument.h"

#include <initializer_list>

namespace fretlore {

const std::array<ChordRoot, 12> ChordRoots = {{
    {"C", 0}, {"C#(Db)", 1}, {"D", 2}, {"D#(Eb)", 3}, {"E", 4}, {"F", 5},
    {"F#(Gb)", 6}, {"G", 7}, {"G#(Ab)", 8}, {"A", 9}, {"A#", 10}, {"B", 11},
}};

const std::array<ChordKind, 20> ChordKinds = {{
    {"", Intervals({0, 4, 7}), Intervals({0, 4, 7})},
    {"13", Intervals({0, 4, 7, 10, 2, 9}), Intervals({0, 4, 10, 9})},
    {"5+", Intervals({0, 4, 8}), Intervals({0, 4, 8})},
    {"5-", Intervals({0, 4, 6}), Intervals({0, 4, 6})},
    {"6", Intervals({0, 4, 7, 9}), Intervals({0, 4, 9})},
    {"6/9", Intervals({0, 4, 7, 9, 2}), Intervals({0, 4, 9, 2})},
    {"7", Intervals({0, 4, 7, 10}), Intervals({0, 4, 10})},
    {"7/5+", Intervals({0, 4, 8, 10}), Intervals({0, 4, 8, 10})},
    {"7/5-", Intervals({0, 4, 6, 10}), Intervals({0, 4, 6, 10})},
    {"7/9", Intervals({0, 4, 7, 10, 2}), Intervals({0, 4, 10, 2})},
    {"7/9/5+", Intervals({0, 4, 8, 10, 2}), Intervals({0, 4, 8, 10, 2})},
    {"7/9/5-", Intervals({0, 4, 6, 10, 2}), Intervals({0, 4, 6, 10, 2})},
    {"dim", Intervals({0, 3, 6, 9}), Intervals({0, 3, 6})},
    {"m", Intervals({0, 3, 7}), Intervals({0, 3, 7})},
    {"m/maj7", Intervals({0, 3, 7, 11}), Intervals({0, 3, 11})},
    {"m6", Intervals({0, 3, 7, 9}), Intervals({0, 3, 9})},
    {"m6/9", Intervals({0, 3, 7, 9, 2}), Intervals({0, 3, 9, 2})},
    {"m7", Intervals({0, 3, 7, 10}), Intervals({0, 3, 10})},
    {"m7/9", Intervals({0, 3, 7, 10, 2}), Intervals({0, 3, 10, 2})},
    {"maj7", Intervals({0, 4, 7, 11}), Intervals({0, 4, 11})},
}};

std::optional<ChordNameParts> SplitChordName(QStringView name)
{
    // "A" and "A#" both begin "A#m": the longer root is tried first.
    std::optional<ChordNameParts> found;
    qsizetype rootLength = -1;
    for (size_t r = 0; r < ChordRoots.size(); ++r) {
        const QLatin1StringView root(ChordRoots[r].Name.data(), qsizetype(ChordRoots[r].Name.size()));
        if (!name.startsWith(root) || root.size() <= rootLength)
            continue;
        const QStringView suffix = name.mid(root.size());
        for (size_t k = 0; k < ChordKinds.size(); ++k) {
            if (suffix == QLatin1StringView(ChordKinds[k].Suffix.data(), qsizetype(ChordKinds[k].Suffix.size()))) {
                found = ChordNameParts{int(r), int(k)};
                rootLength = root.size();
            }
        }
    }
    return found;
}

QString ChordNameFor(int root, int kind)
{
    const std::string_view r = ChordRoots[size_t(root)].Name;
    const std::string_view k = ChordKinds[size_t(kind)].Suffix;
    return QString::fromLatin1(r.data(), qsizetype(r.size())) + QString::fromLatin1(k.data(), qsizetype(k.size()));
}

ToneSet SoundedTones(const std::array<int, 6>& frets)
{
    ToneSet set = 0;
    for (int s = 0; s < kStringCount; ++s)
        if (frets[size_t(s)] >= 0)
            set = ToneSet(set | (1u << kStandardGuitar.PitchClass(s, frets[size_t(s)])));
    return set;
}

ToneSet TonesAbove(ToneSet pitchClasses, int root)
{
    const unsigned doubled = unsigned(pitchClasses) | (unsigned(pitchClasses) << 12);
    return ToneSet((doubled >> root) & 0xFFFu);
}

} // namespace fretlore
