// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/FingeringNames.h"

#include "catalogue/Instrument.h"

#include <algorithm>
#include <bit>
#include <tuple>

namespace fretlore {

int BassPitchClass(const std::array<int, 6>& frets)
{
    int lowest = -1;
    for (int s = 0; s < kStringCount; ++s) {
        if (frets[size_t(s)] < 0)
            continue;
        const int pitch = kStandardGuitar.Pitch(s, frets[size_t(s)]);
        if (lowest < 0 || pitch < lowest)
            lowest = pitch;
    }
    return lowest < 0 ? -1 : lowest % 12;
}

std::vector<ChordCandidate> NameFingering(const std::array<int, 6>& frets)
{
    std::vector<ChordCandidate> found;
    const ToneSet sounded = SoundedTones(frets);
    const int bass = BassPitchClass(frets);
    if (bass < 0)
        return found;
    for (size_t r = 0; r < ChordRoots.size(); ++r) {
        const int root = ChordRoots[r].PitchClass;
        const ToneSet above = TonesAbove(sounded, root);
        for (size_t k = 0; k < ChordKinds.size(); ++k) {
            const ChordKind& kind = ChordKinds[k];
            if ((above & ~kind.Tones) != 0 || (above & kind.Required) != kind.Required)
                continue;
            ChordCandidate c;
            c.Root = int(r);
            c.Kind = int(k);
            c.Bass = bass;
            c.LeftOut = std::popcount(unsigned(kind.Tones & ~above));
            c.RootInBass = bass == root;
            c.Name = ChordNameFor(c.Root, c.Kind);
            if (!c.RootInBass) {
                const std::string_view b = ChordRoots[size_t(bass)].Name;
                c.Name += u'/' + QString::fromLatin1(b.data(), qsizetype(b.size()));
            }
            found.push_back(std::move(c));
        }
    }
    const auto rank = [](const ChordCandidate& c) {
        return std::make_tuple(!c.RootInBass, c.LeftOut, std::popcount(unsigned(ChordKinds[size_t(c.Kind)].Tones)),
                               c.Root, c.Kind);
    };
    std::sort(found.begin(), found.end(),
              [&rank](const ChordCandidate& a, const ChordCandidate& b) { return rank(a) < rank(b); });
    return found;
}

} // namespace fretlore
