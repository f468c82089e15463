// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/FingeringNames.h"

#include "catalogue/ChordNames.h"
#include "catalogue/Instrument.h"

namespace fretlore {

int BassPitchClass(const std::array<int, 6>& frets)
{
    return BassPitchClass(frets, kStandardGuitar);
}

std::vector<ChordCandidate> NameFingering(const std::array<int, 6>& frets)
{
    // The catalogue's kinds come first among the known ones, in its order and spelling.
    return NameVoicing(frets, kStandardGuitar, int(ChordKinds.size()));
}

} // namespace fretlore
