// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ChordKinds.h"

#include <QString>

#include <array>
#include <vector>

namespace fretlore {

// One way to name a fingering: a root and kind whose tones cover every
// sounded note and whose required tones all sound.
struct ChordCandidate {
    int Root = 0;            // index into ChordRoots
    int Kind = 0;            // index into ChordKinds
    int Bass = 0;            // pitch class of the lowest sounding note
    int LeftOut = 0;         // the kind's tones that do not sound
    bool RootInBass = false;
    QString Name;            // "C#(Db)m7", with "/" and the bass when it is not the root ("C/E")
};

// Every candidate for a fingering (frets in column order E6 first, -1 muted,
// 0 to 24), best first: root in the bass first, then fewest left-out tones,
// then the kind with fewer tones, then catalogue order. Empty when no kind
// explains the sounded notes, or when nothing sounds.
std::vector<ChordCandidate> NameFingering(const std::array<int, 6>& frets);

// The pitch class of the lowest sounding note, or -1 when nothing sounds.
int BassPitchClass(const std::array<int, 6>& frets);

} // namespace fretlore
