// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ChordNames.h"

#include <algorithm>
#include <bit>
#include <initializer_list>
#include <tuple>

namespace fretlore {

namespace {

constexpr std::array<ChordKind, kKnownKindCount> makeKnownKinds()
{
    std::array<ChordKind, kKnownKindCount> kinds{};
    const ChordKind players[] = {
        {"sus2", Intervals({0, 2, 7}), Intervals({0, 2, 7})},
        {"sus4", Intervals({0, 5, 7}), Intervals({0, 5, 7})},
        {"7sus4", Intervals({0, 5, 7, 10}), Intervals({0, 5, 10})},
        {"add9", Intervals({0, 2, 4, 7}), Intervals({0, 2, 4})},
        {"m(add9)", Intervals({0, 2, 3, 7}), Intervals({0, 2, 3})},
        {"m7b5", Intervals({0, 3, 6, 10}), Intervals({0, 3, 6, 10})},
        {"dim", Intervals({0, 3, 6}), Intervals({0, 3, 6})},
        {"dim7", Intervals({0, 3, 6, 9}), Intervals({0, 3, 6, 9})},
        {"5", Intervals({0, 7}), Intervals({0, 7})},
        {"maj9", Intervals({0, 2, 4, 7, 11}), Intervals({0, 2, 4, 11})},
        {"11", Intervals({0, 2, 4, 5, 7, 10}), Intervals({0, 2, 5, 10})},
    };
    size_t i = 0;
    for (; i < ChordKinds.size(); ++i)
        kinds[i] = ChordKinds[i];
    for (const ChordKind& k : players)
        kinds[i++] = k;
    return kinds;
}

// Players' spellings of the catalogue's kinds.
struct Alias {
    std::u16string_view Suffix;
    std::u16string_view Kind;
};
constexpr Alias kAliases[] = {
    {u"9", u"7/9"},       {u"m9", u"m7/9"},  {u"aug", u"5+"},   {u"+", u"5+"},       {u"7b5", u"7/5-"},
    {u"7#5", u"7/5+"},    {u"mmaj7", u"m/maj7"}, {u"m(maj7)", u"m/maj7"}, {u"min", u"m"}, {u"maj", u""},
    {u"M7", u"maj7"},     {u"69", u"6/9"},   {u"m69", u"m6/9"}, {u"7/9/5#", u"7/9/5+"}, {u"o", u"dim"},
};

QLatin1StringView suffixOf(int kind)
{
    const std::string_view s = KnownKinds[size_t(kind)].Suffix;
    return QLatin1StringView(s.data(), qsizetype(s.size()));
}

// A root or bass at the start of `text`: a note, and in the catalogue's
// spelling its other name in brackets ("C#(Db)").
std::optional<NoteAtStart> readRoot(QStringView text, Notation notation)
{
    auto note = ReadNote(text, notation);
    if (!note)
        return std::nullopt;
    const QStringView rest = text.mid(note->Length);
    if (rest.startsWith(u'(')) {
        const auto other = ReadNote(rest.mid(1), notation);
        if (other && other->PitchClass == note->PitchClass && rest.mid(1 + other->Length).startsWith(u')'))
            note->Length += other->Length + 2;
    }
    return note;
}

QString rootText(int pitchClass)
{
    const std::string_view r = ChordRoots[size_t(pitchClass)].Name;
    return QString::fromLatin1(r.data(), qsizetype(r.size()));
}

std::optional<ChordName> parseIn(QStringView name, Notation notation)
{
    const auto root = readRoot(name, notation);
    if (!root)
        return std::nullopt;
    const QStringView rest = name.mid(root->Length);
    // The longest suffix that leaves nothing, or a slash and a bass note.
    std::optional<ChordName> best;
    qsizetype bestLength = -1;
    const auto consider = [&](QStringView suffix, int kind) {
        if (!rest.startsWith(suffix) || suffix.size() <= bestLength)
            return;
        const QStringView after = rest.mid(suffix.size());
        int bass = -1;
        if (!after.isEmpty()) {
            const auto note = after.startsWith(u'/') ? readRoot(after.mid(1), notation) : std::nullopt;
            if (!note || note->Length != after.size() - 1)
                return;
            bass = note->PitchClass == root->PitchClass ? -1 : note->PitchClass;
        }
        best = ChordName{root->PitchClass, kind, bass};
        bestLength = suffix.size();
    };
    for (int k = 0; k < kKnownKindCount; ++k)
        consider(QString(suffixOf(k)), k);
    for (const Alias& a : kAliases)
        if (const auto kind = KindOfSuffix(QStringView(a.Kind)))
            consider(QStringView(a.Suffix), *kind);
    return best;
}

} // namespace

const std::array<ChordKind, kKnownKindCount> KnownKinds = makeKnownKinds();

std::optional<int> KindOfSuffix(QStringView suffix)
{
    for (int k = 0; k < kKnownKindCount; ++k)
        if (suffix == suffixOf(k))
            return k;
    for (const Alias& a : kAliases)
        if (suffix == QStringView(a.Suffix))
            return KindOfSuffix(QStringView(a.Kind));
    return std::nullopt;
}

std::optional<ChordName> ParseChordName(QStringView name, Notation notation)
{
    if (notation != Notation::English)
        if (auto found = parseIn(name, notation))
            return found;
    return parseIn(name, Notation::English);
}

QString ChordNameText(const ChordName& name)
{
    QString text = rootText(name.Root) + suffixOf(name.Kind);
    if (name.Bass >= 0 && name.Bass != name.Root)
        text += u'/' + rootText(name.Bass);
    return text;
}

ToneSet SoundedTones(const Frets& frets, const Instrument& instrument)
{
    ToneSet set = 0;
    for (int s = 0; s < kStringCount; ++s)
        if (frets[size_t(s)] >= 0)
            set = ToneSet(set | (1u << instrument.PitchClass(s, frets[size_t(s)])));
    return set;
}

int BassPitchClass(const Frets& frets, const Instrument& instrument)
{
    int lowest = -1;
    for (int s = 0; s < kStringCount; ++s)
        if (frets[size_t(s)] >= 0 && (lowest < 0 || instrument.Pitch(s, frets[size_t(s)]) < lowest))
            lowest = instrument.Pitch(s, frets[size_t(s)]);
    return lowest < 0 ? -1 : lowest % 12;
}

std::vector<ChordCandidate> NameVoicing(const Frets& frets, const Instrument& instrument, int kindCount)
{
    std::vector<ChordCandidate> found;
    const ToneSet sounded = SoundedTones(frets, instrument);
    const int bass = BassPitchClass(frets, instrument);
    if (bass < 0)
        return found;
    for (int root = 0; root < 12; ++root) {
        const ToneSet above = TonesAbove(sounded, root);
        for (int k = 0; k < std::min(kindCount, kKnownKindCount); ++k) {
            const ChordKind& kind = KnownKinds[size_t(k)];
            if ((above & ~kind.Tones) != 0 || (above & kind.Required) != kind.Required)
                continue;
            ChordCandidate c;
            c.Root = root;
            c.Kind = k;
            c.Bass = bass;
            c.LeftOut = std::popcount(unsigned(kind.Tones & ~above));
            c.RootInBass = bass == root;
            c.Name = ChordNameText({root, k, bass});
            found.push_back(std::move(c));
        }
    }
    const auto rank = [](const ChordCandidate& c) {
        return std::make_tuple(!c.RootInBass, c.LeftOut, std::popcount(unsigned(KnownKinds[size_t(c.Kind)].Tones)),
                               c.Root, c.Kind);
    };
    std::stable_sort(found.begin(), found.end(),
                     [&rank](const ChordCandidate& a, const ChordCandidate& b) { return rank(a) < rank(b); });
    // The catalogue's dim and the dim triad are both written "dim".
    std::vector<ChordCandidate> unique;
    for (ChordCandidate& c : found)
        if (std::none_of(unique.begin(), unique.end(), [&](const ChordCandidate& u) { return u.Name == c.Name; }))
            unique.push_back(std::move(c));
    return unique;
}

} // namespace fretlore
