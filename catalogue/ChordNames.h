// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ChordKinds.h"
#include "catalogue/Fingering.h"
#include "catalogue/FingeringNames.h"
#include "catalogue/Instrument.h"
#include "catalogue/Notation.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace fretlore {

// The kinds the program names and finds voicings for: the catalogue's
// twenty first, in their order and spelling, then the kinds players add
// (sus2, sus4, 7sus4, add9, m(add9), m7b5, the dim triad, dim7, the power
// chord 5, maj9, 11). A ninth, a minor ninth and a thirteenth are the
// catalogue's 7/9, m7/9 and 13; their players' spellings read as those.
inline constexpr int kKnownKindCount = 31;
extern const std::array<ChordKind, kKnownKindCount> KnownKinds;

// The kind a suffix names ("m7", "sus4", "9", "aug", ...), or nothing.
std::optional<int> KindOfSuffix(QStringView suffix);

// A chord name read: its root, kind and the bass after a slash.
struct ChordName {
    int Root = 0;   // pitch class
    int Kind = 0;   // index into KnownKinds
    int Bass = -1;  // pitch class of the bass after "/", -1 without one
};

// Reads a chord name as `name` writes it and as players type it: a root
// ("A", "C#(Db)", "Bb", "H" in German, "Sib" in Latin; English always reads),
// a kind's suffix, and "/" with a bass note ("D/F#"). Nothing when no kind
// explains it.
std::optional<ChordName> ParseChordName(QStringView name, Notation notation = Notation::English);

// The English name of a root, kind and bass as `name` writes it ("C#(Db)m7", "D/F#(Gb)").
QString ChordNameText(const ChordName& name);

// Every name of a voicing on an instrument, best first (as NameFingering
// ranks them), over the first `kindCount` known kinds (all of them, or the
// catalogue's twenty); a name that two kinds spell alike appears once, with
// its better kind. Candidate roots and basses are indexes into ChordRoots,
// which are their pitch classes.
std::vector<ChordCandidate> NameVoicing(const Frets& frets, const Instrument& instrument,
                                        int kindCount = kKnownKindCount);

// The pitch classes a voicing sounds on an instrument.
ToneSet SoundedTones(const Frets& frets, const Instrument& instrument);
// The pitch class of its lowest sounding note, or -1 when nothing sounds.
int BassPitchClass(const Frets& frets, const Instrument& instrument);

} // namespace fretlore
