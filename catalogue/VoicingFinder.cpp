// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/VoicingFinder.h"

#include "catalogue/ChordNames.h"

#include <algorithm>
#include <bit>
#include <tuple>

namespace fretlore {

namespace {

struct Candidate {
    RankedVoicing Voicing;
    bool RootInBass = false;
    double Ease = 0.0;
    int Strings = 0;
    int Position = 0;
    int InnerMuted = 0;
};

// What the search looks for on one instrument.
struct Target {
    const Instrument& On;
    ToneSet Allowed;   // pitch classes that may sound
    ToneSet Required;  // pitch classes that must
    int Root;
    int Bass;          // -1: any
    int MinStrings;
    int HighestFret;   // counted from the capo
};

int lowestSounding(const Frets& frets, const Instrument& on)
{
    int lowest = -1;
    for (int s = 0; s < kStringCount; ++s)
        if (frets[size_t(s)] >= 0 && (lowest < 0 || on.Pitch(s, frets[size_t(s)]) < on.Pitch(lowest, frets[size_t(lowest)])))
            lowest = s;
    return lowest;
}

// Judges a complete voicing; nothing when it is no voicing of the target.
std::optional<Candidate> judge(const Frets& frets, const Target& t)
{
    ToneSet sounded = 0;
    int strings = 0;
    int first = -1;
    int last = -1;
    int position = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const int f = frets[size_t(s)];
        if (f < 0)
            continue;
        sounded = ToneSet(sounded | (1u << t.On.PitchClass(s, f)));
        ++strings;
        first = first < 0 ? s : first;
        last = s;
        if (f > 0 && (position == 0 || f < position))
            position = f;
    }
    if (strings < t.MinStrings || (sounded & t.Required) != t.Required)
        return std::nullopt;
    const int bass = t.On.PitchClass(lowestSounding(frets, t.On), frets[size_t(lowestSounding(frets, t.On))]);
    if (t.Bass >= 0 && bass != t.Bass)
        return std::nullopt;
    const auto hand = BestFingering(frets);
    if (!hand)
        return std::nullopt;
    Candidate c{{frets, *hand}, bass == t.Root, hand->Cost, strings, position, 0};
    c.InnerMuted = (last - first + 1) - strings;
    c.Ease += 0.75 * first + 1.25 * (kStringCount - 1 - last) + 1.5 * c.InnerMuted + 0.25 * std::max(0, position - 1);
    for (const Barre& b : BarresOf(frets, *hand))
        if (b.Finger == 1 && b.HighString - b.LowString >= 3)
            c.Ease += 1.0;
    return c;
}

// Tries every fret in the window [low, low + 3] (and open and muted) on the
// strings from `string` up, keeping those whose lowest fretted fret is `low`.
void search(Frets& frets, int string, int low, const Target& t, std::vector<Candidate>& found)
{
    if (string == kStringCount) {
        int lowest = 0;
        for (int f : frets)
            if (f > 0 && (lowest == 0 || f < lowest))
                lowest = f;
        if (lowest == low || (lowest == 0 && low == 1))
            if (auto c = judge(frets, t))
                found.push_back(std::move(*c));
        return;
    }
    frets[size_t(string)] = -1;
    search(frets, string + 1, low, t, found);
    const auto allowed = [&](int fret) { return (t.Allowed >> t.On.PitchClass(string, fret)) & 1u; };
    if (allowed(0)) {
        frets[size_t(string)] = 0;
        search(frets, string + 1, low, t, found);
    }
    for (int f = low; f <= std::min(low + 3, t.HighestFret); ++f) {
        if (!allowed(f))
            continue;
        frets[size_t(string)] = f;
        search(frets, string + 1, low, t, found);
    }
    frets[size_t(string)] = -1;
}

} // namespace

std::vector<RankedVoicing> FindVoicings(int rootPitchClass, int kind, const Instrument& instrument, int max,
                                        int bassPitchClass)
{
    std::vector<RankedVoicing> result;
    if (kind < 0 || kind >= kKnownKindCount || rootPitchClass < 0 || rootPitchClass > 11)
        return result;
    const ChordKind& k = KnownKinds[size_t(kind)];
    // The kind's intervals as pitch classes above the root.
    const auto onRoot = [&](ToneSet intervals) { return TonesAbove(intervals, (12 - rootPitchClass) % 12); };
    Target t{instrument, onRoot(k.Tones), onRoot(k.Required), rootPitchClass, -1,
             std::min(3, std::popcount(unsigned(k.Tones))),
             std::min(kFinderHighestFret, kNeckFrets - instrument.Capo)};
    if (bassPitchClass >= 0 && bassPitchClass != rootPitchClass) {
        t.Bass = bassPitchClass % 12;
        t.Allowed = ToneSet(t.Allowed | (1u << t.Bass));
        t.Required = ToneSet(t.Required | (1u << t.Bass));
    }
    std::vector<Candidate> found;
    Frets frets;
    frets.fill(-1);
    for (int low = 1; low <= t.HighestFret; ++low)
        search(frets, 0, low, t, found);
    const auto key = [](const Candidate& c) {
        return std::make_tuple(!c.RootInBass, c.Ease, -c.Strings, c.Position, c.InnerMuted);
    };
    std::stable_sort(found.begin(), found.end(),
                     [&key](const Candidate& a, const Candidate& b) { return key(a) < key(b); });
    const size_t count = max > 0 ? std::min(found.size(), size_t(max)) : found.size();
    for (size_t i = 0; i < count; ++i)
        result.push_back(found[i].Voicing);
    return result;
}

std::optional<RankedVoicing> EasiestVoicing(QStringView chordName, const Instrument& instrument)
{
    const auto name = ParseChordName(chordName);
    if (!name)
        return std::nullopt;
    const auto found = FindVoicings(name->Root, name->Kind, instrument, 1, name->Bass);
    if (found.empty())
        return std::nullopt;
    return found.front();
}

} // namespace fretlore
