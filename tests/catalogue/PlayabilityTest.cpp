// SPDX-License-Identifier: GPL-3.0-or-later
// Holds every generated catalogue voicing to the hand rules a guitar teacher
// would apply, with a fingering search of its own, looks up the textbook
// open chords under their names, and reads each name's lines as a teacher
// would: distinct grips, the m7 barres and the dim7 grips.
#include "catalogue/ChordCatalogue.h"
#include "catalogue/ChordEntry.h"
#include "catalogue/ChordKinds.h"
#include "catalogue/Fingering.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace fretlore;
using Frets = std::array<int, 6>;

namespace {

constexpr std::array<int, 6> kOpenPitch = {40, 45, 50, 55, 59, 64};  // E6 A5 D4 G3 B2 e1

// Lines written by hand; they keep their voicings whatever the hand rules say.
const std::set<int> kFixedLines = {1,   2,   3,   4,   5,   6,   7,   8,    9,    10,   11,  89,
                                   404, 842, 855, 887, 888, 974, 1002, 1003, 1004, 1005, 1008};

int bassString(const Frets& f)
{
    for (int s = 0; s < 6; ++s)
        if (f[s] >= 0)
            return s;
    return -1;
}

// Whether one finger per fretted string (finger[s] in 1..4, 0 where nothing
// is pressed) is a fingering a teacher accepts.
bool acceptable(const Frets& f, const std::array<int, 6>& finger)
{
    std::array<int, 5> fret{};       // fret of each finger, 0 when unused
    std::array<int, 5> first{}, last{};  // strings each finger covers
    first.fill(6);
    last.fill(-1);
    int top = 0;
    for (int s = 0; s < 6; ++s) {
        top = std::max(top, f[s]);
        const int n = finger[s];
        if (n == 0)
            continue;
        if (fret[n] != 0 && fret[n] != f[s])
            return false;  // one finger, one fret
        fret[n] = f[s];
        first[n] = std::min(first[n], s);
        last[n] = std::max(last[n], s);
    }
    const int bass = bassString(f);
    for (int n = 1; n <= 4; ++n) {
        if (fret[n] == 0 || first[n] == last[n])
            continue;
        if (n == 2)
            return false;
        for (int s = first[n]; s <= last[n]; ++s) {
            if (n == 1 && (f[s] < fret[n] || (f[s] == fret[n] && finger[s] != 1)))
                return false;  // the barre would sound an open, muted or lower string
            if (n > 2 && (finger[s] != n || fret[n] != top || s == bass))
                return false;  // a partial barre: adjacent strings at the top fret, not the bass
        }
    }
    int lead = 0;
    for (int a = 1; a <= 4; ++a) {
        if (fret[a] == 0)
            continue;
        if (lead == 0)
            lead = a;
        for (int b = a + 1; b <= 4; ++b)
            if (fret[b] != 0 && (fret[b] < fret[a] || fret[b] - fret[a] > std::min(b - a + 1, 3)))
                return false;
    }
    // The index alone at the lowest fret on G3 to e1, nothing above it three
    // frets higher, as in the C-shape grips, lets the little finger reach
    // three frets back to a string at most two below it.
    bool indexOnTop = lead == 1 && first[1] >= 3 && f[0] != fret[1] && f[1] != fret[1] && f[2] != fret[1];
    for (int s = first[1] + 1; s < 6; ++s)
        indexOnTop = indexOnTop && f[s] < fret[1] + 3;
    for (int s = 0; s < first[lead]; ++s) {
        const int reach = f[s] > 0 ? f[s] - fret[lead] : 0;
        if (reach >= 4 || (reach == 3 && !(indexOnTop && finger[s] == 4 && first[1] - s <= 2)))
            return false;  // a reach of three frets towards the bass
    }
    if (last[1] > first[1] && bass < first[1]) {
        bool below = false, above = false;
        for (int s = 0; s < 6; ++s) {
            below = below || (finger[s] > 1 && s < first[1]);
            above = above || (finger[s] > 1 && s > last[1]);
        }
        if (below && above)
            return false;  // fingers on both sides of a barre that misses the bass
    }
    return true;
}

// Why no hand holds the voicing; empty when some fingering does.
std::string handFault(const Frets& f)
{
    const int bass = bassString(f);
    int treble = bass;
    for (int s = 0; s < 6; ++s)
        if (f[s] >= 0)
            treble = s;
    for (int s = bass + 1; s < treble; ++s)
        if (f[s] < 0 && f[s - 1] <= 0 && f[s + 1] <= 0)
            return "a muted string no fretting finger can damp";
    std::array<int, 6> finger{};
    // Count through every finger choice for the fretted strings, base 4.
    int fretted = 0;
    for (int v : f)
        fretted += v > 0;
    int choices = 1;
    for (int i = 0; i < fretted; ++i)
        choices *= 4;
    for (int code = 0; code < choices; ++code) {
        int rest = code;
        for (int s = 0; s < 6; ++s) {
            finger[s] = 0;
            if (f[s] > 0) {
                finger[s] = rest % 4 + 1;
                rest /= 4;
            }
        }
        if (acceptable(f, finger))
            return {};
    }
    return "no fingering keeps to the hand rules";
}

// A four-string voicing that sounds its third or its seventh twice (every
// tone it sounds is a chord tone, so a minor or major third or seventh above
// the root is the chord's own).
bool doublesThirdOrSeventh(const Frets& f, int rootPc)
{
    int strings = 0;
    std::array<int, 12> count{};
    for (int s = 0; s < 6; ++s) {
        if (f[s] < 0)
            continue;
        ++strings;
        ++count[size_t((kOpenPitch[s] + f[s] - rootPc + 120) % 12)];
    }
    return strings == 4 && (count[3] > 1 || count[4] > 1 || count[10] > 1 || count[11] > 1);
}

int rootOf(const QString& name)
{
    static const char* const roots[] = {"C#(Db)", "D#(Eb)", "F#(Gb)", "G#(Ab)", "A#", "C", "D", "E", "F", "G", "A", "B"};
    static const int pcs[] = {1, 3, 6, 8, 10, 0, 2, 4, 5, 7, 9, 11};
    for (size_t i = 0; i < std::size(roots); ++i)
        if (name.startsWith(QLatin1String(roots[i])))
            return pcs[i];
    return -1;
}

} // namespace

TEST(Playability, EveryGeneratedVoicingHasAFingeringAndNoDoubledThirdOrSeventh)
{
    const QStringList lines = ChordCatalogue();
    int checked = 0;
    for (int i = 1; i < lines.size(); ++i) {
        if (kFixedLines.count(i))
            continue;
        const auto entry = ReadChordEntry(lines[i]);
        ASSERT_TRUE(entry);
        ++checked;
        EXPECT_EQ(handFault(entry->Frets), "") << "line " << i << " \"" << lines[i].toStdString() << "\"";
        EXPECT_FALSE(doublesThirdOrSeventh(entry->Frets, rootOf(entry->Name))) << "line " << i;
    }
    EXPECT_EQ(checked, 1008 - int(kFixedLines.size()));
}

TEST(Playability, TheHandRulesTellGoodGripsFromAwkwardOnes)
{
    EXPECT_EQ(handFault({3, 5, 5, 4, 3, 3}), "");     // E-shape barre
    EXPECT_EQ(handFault({-1, 3, 5, 5, 5, 3}), "");    // A-shape barre, ring finger across three strings
    EXPECT_EQ(handFault({-1, 2, 1, 2, 2, 2}), "");    // B7/9: a ring barre at the top fret
    EXPECT_EQ(handFault({3, -1, 4, 4, 3, -1}), "");   // jazz grip, the bass finger damps A5
    EXPECT_NE(handFault({4, 3, 1, 1, 1, 4}), "");     // fingers on both sides of a barre missing the bass
    EXPECT_NE(handFault({8, -1, 8, 9, 9, 10}), "");   // a barre would sound the muted A5
    EXPECT_NE(handFault({8, 7, 5, 5, 5, 5}), "");     // three frets back towards the bass
    EXPECT_NE(handFault({5, 4, 2, 2, -1, -1}), "");   // ... with the index on D4
    EXPECT_EQ(handFault({-1, 4, 2, 1, 2, -1}), "");   // C-shape minor: the index leads on G3
    EXPECT_EQ(handFault({-1, 5, 4, 2, 3, 2}), "");    // C-shape major: the index across G3 to e1
    EXPECT_NE(handFault({-1, 4, 4, 1, 2, -1}), "");   // ... but only the little finger reaches three frets
    EXPECT_NE(handFault({5, 3, -1, 2, 5, 5}), "");    // ... and to a string at most two below the index
    EXPECT_NE(handFault({-1, 4, 3, 1, -1, 4}), "");   // ... and not while reaching as far on the top strings
    EXPECT_NE(handFault({-1, -1, 1, 3, 4, 5}), "");   // four frets from index to little finger
    EXPECT_NE(handFault({0, -1, 0, 1, 0, -1}), "");   // muted A5 between open strings
    EXPECT_NE(handFault({3, 3, 2, 0, 1, 3}), "");     // five fingers
    EXPECT_TRUE(doublesThirdOrSeventh({-1, 3, 2, 3, 5, -1}, 0));  // C7 with E twice in four strings
    EXPECT_FALSE(doublesThirdOrSeventh({-1, 3, 5, 3, 5, -1}, 0));
}

TEST(Playability, TheTextbookOpenChordsStandUnderTheirNames)
{
    // C x 3 2 0 1 0 cannot be among them: every C line is written by hand.
    const struct {
        const char* name;
        Frets frets;
    } textbook[] = {
        {"D", {-1, -1, 0, 2, 3, 2}},     {"E", {0, 2, 2, 1, 0, 0}},       {"G", {3, 2, 0, 0, 0, 3}},
        {"A", {-1, 0, 2, 2, 2, 0}},      {"Am", {-1, 0, 2, 2, 1, 0}},     {"Dm", {-1, -1, 0, 2, 3, 1}},
        {"Em", {0, 2, 2, 0, 0, 0}},      {"C7", {-1, 3, 2, 3, 1, 0}},     {"D7", {-1, -1, 0, 2, 1, 2}},
        {"E7", {0, 2, 0, 1, 0, 0}},      {"G7", {3, 2, 0, 0, 0, 1}},      {"A7", {-1, 0, 2, 0, 2, 0}},
        {"B7", {-1, 2, 1, 2, 0, 2}},     {"Am7", {-1, 0, 2, 0, 1, 0}},    {"Dm7", {-1, -1, 0, 2, 1, 1}},
        {"Em7", {0, 2, 0, 0, 0, 0}},     {"Bm7", {-1, 2, 0, 2, 0, 2}},    {"Cmaj7", {-1, 3, 2, 0, 0, 0}},
        {"Dmaj7", {-1, -1, 0, 2, 2, 2}}, {"Emaj7", {0, 2, 1, 1, 0, 0}},   {"Fmaj7", {-1, -1, 3, 2, 1, 0}},
        {"Gmaj7", {3, 2, 0, 0, 0, 2}},   {"Amaj7", {-1, 0, 2, 1, 2, 0}},  {"C6", {-1, 3, 2, 2, 1, 0}},
        {"D6", {-1, -1, 0, 2, 0, 2}},    {"E6", {0, 2, 2, 1, 2, 0}},      {"G6", {3, 2, 0, 0, 0, 0}},
        {"A6", {-1, 0, 2, 2, 2, 2}},     {"Am6", {-1, 0, 2, 2, 1, 2}},    {"Dm6", {-1, -1, 0, 2, 0, 1}},
        {"Em6", {0, 2, 2, 0, 2, 0}},     {"Adim", {-1, 0, 1, 2, 1, 2}},   {"Ddim", {-1, -1, 0, 1, 0, 1}},
        {"A7/9", {-1, 0, 2, 4, 2, 3}},   {"B7/9", {-1, 2, 1, 2, 2, 2}},   {"C7/9", {-1, 3, 2, 3, 3, 3}},
        {"E7/9", {0, 2, 0, 1, 0, 2}},    {"G7/9", {3, -1, 0, 2, 0, 1}},   {"Am/maj7", {-1, 0, 2, 1, 1, 0}},
        {"Dm/maj7", {-1, -1, 0, 2, 2, 1}}, {"Em/maj7", {0, 2, 1, 0, 0, 0}}, {"C5+", {-1, 3, 2, 1, 1, 0}},
        {"E5+", {0, 3, 2, 1, 1, 0}},
    };
    const QStringList lines = ChordCatalogue();
    for (const auto& chord : textbook) {
        const bool present = std::any_of(lines.begin() + 1, lines.end(), [&](const QString& line) {
            const auto entry = ReadChordEntry(line);
            return entry && entry->Name == QLatin1String(chord.name) && entry->Frets == chord.frets;
        });
        EXPECT_TRUE(present) << chord.name;
    }
}

namespace {

struct Line {
    int index;
    Frets frets;
};

// The catalogue's lines by name, in catalogue order.
std::map<QString, std::vector<Line>> linesByName()
{
    const QStringList lines = ChordCatalogue();
    std::map<QString, std::vector<Line>> byName;
    for (int i = 1; i < lines.size(); ++i) {
        const auto entry = ReadChordEntry(lines[i]);
        if (entry)
            byName[entry->Name].push_back({i, entry->Frets});
    }
    return byName;
}

Frets moved(const Frets& f, int frets)
{
    Frets out = f;
    for (int& v : out)
        v = v < 0 ? -1 : v + frets;
    return out;
}

// Whether `a` moved by `shift` frets and `b` are one grip with strings left
// out or added: they agree on every string both sound (two or more), and one
// holds the other or a hand holds both at once.
bool oneGripMoved(const Frets& a, const Frets& b, int shift)
{
    const Frets m = moved(a, shift);
    int both = 0;
    Frets joined{};
    for (int s = 0; s < 6; ++s) {
        if (a[s] >= 0 && m[s] < 0)
            return false;
        if (m[s] >= 0 && b[s] >= 0 && m[s] != b[s])
            return false;
        both += m[s] >= 0 && b[s] >= 0;
        joined[size_t(s)] = std::max(m[s], b[s]);
    }
    return both >= 2 && (joined == m || joined == b || BestFingering(joined).has_value());
}

// Two dim7 voicings are also one grip moved by a multiple of three frets.
bool oneGrip(const Frets& a, const Frets& b, bool dim7)
{
    for (int shift = dim7 ? -12 : 0; shift <= (dim7 ? 12 : 0); shift += 3)
        if (oneGripMoved(a, b, shift) || oneGripMoved(b, a, shift))
            return true;
    return false;
}

bool soundsDim7(const QString& name, const Frets& f)
{
    const auto parts = SplitChordName(name);
    constexpr ToneSet dim7 = (1 << 0) | (1 << 3) | (1 << 6) | (1 << 9);
    return parts && ChordKinds[size_t(parts->Kind)].Suffix == "dim" &&
           TonesAbove(SoundedTones(f), ChordRoots[size_t(parts->Root)].PitchClass) == dim7;
}

} // namespace

TEST(TeachersReading, NoTwoLinesOfANameAreOneGrip)
{
    for (const auto& [name, lines] : linesByName()) {
        for (size_t i = 0; i < lines.size(); ++i) {
            for (size_t j = i + 1; j < lines.size(); ++j) {
                const Line& a = lines[i];
                const Line& b = lines[j];
                if (kFixedLines.count(a.index) || kFixedLines.count(b.index))
                    continue;
                const bool dim7 = soundsDim7(name, a.frets) && soundsDim7(name, b.frets);
                EXPECT_FALSE(oneGrip(a.frets, b.frets, dim7))
                    << name.toStdString() << ": lines " << a.index << " and " << b.index;
            }
        }
    }
    // The relation itself: the C# barre and its parts, a dim7 three frets up,
    // and two grips that only share strings.
    EXPECT_TRUE(oneGrip({9, 11, 11, 10, -1, -1}, {-1, -1, 11, 10, 9, 9}, false));
    EXPECT_TRUE(oneGrip({2, 3, 4, 2, 4, 2}, {5, 6, 7, 5, 7, 5}, true));
    EXPECT_FALSE(oneGrip({2, 3, 4, 2, 4, 2}, {5, 6, 7, 5, 7, 5}, false));
    EXPECT_FALSE(oneGrip({-1, 3, 5, 5, 5, 3}, {-1, 3, 2, 0, 1, 0}, false));
}

TEST(TeachersReading, TheM7BarresAndTheDim7GripsArePresent)
{
    const auto byName = linesByName();
    // Whether a line of the name is the grip moved by a multiple of `step`
    // frets, or (not exact) holds it with strings added.
    const auto holds = [&](const std::string& name, const Frets& grip, bool exact, int step) {
        for (const Line& line : byName.at(QString::fromStdString(name))) {
            for (int shift = -12; shift <= 12; shift += step) {
                const Frets g = moved(grip, shift);
                bool part = true;
                for (int s = 0; s < 6; ++s)
                    part = part && (grip[s] < 0 || (g[s] >= 0 && line.frets[s] == g[s]));
                if (g == line.frets || (!exact && part))
                    return true;
            }
        }
        return false;
    };
    // The m7 barres for C, moved to every root and by an octave where they
    // fit; D and B keep their textbook open m7 beside one barre.
    const Frets eShape = {8, 10, 8, 8, 8, 8}, aShape = {-1, 3, 5, 3, 4, 3};
    const struct {
        const char* root;
        bool eBarre, aBarre;
    } m7[] = {{"C", true, true},  {"C#(Db)", true, true}, {"D", false, true},  {"D#(Eb)", true, true},
              {"E", true, true},  {"F", true, true},      {"F#(Gb)", true, true}, {"G", true, true},
              {"G#(Ab)", true, true}, {"A", true, true},  {"A#", true, true},  {"B", false, true}};
    for (size_t r = 0; r < std::size(m7); ++r) {
        const std::string name = std::string(m7[r].root) + "m7";
        EXPECT_EQ(holds(name, moved(eShape, int(r)), true, 12), m7[r].eBarre) << name << " E-shape";
        EXPECT_EQ(holds(name, moved(aShape, int(r)), true, 12), m7[r].aBarre)
            << name << " A-shape";
    }
    // The dim7 grips with the root on A5, D4 and E6, written for C; each name
    // has them as a line, or the textbook Adim (x 0 1 2 1 2) or the written
    // Bdim line (x 2 3 1 3 7) holds them with strings added. Ddim's E6 grip
    // is one grip with its textbook x x 0 1 0 1 (1 x 0 1 0 1 holds both).
    const Frets dimGrips[] = {{-1, 3, 4, 2, 4, -1}, {-1, -1, 10, 11, 10, 11}, {8, -1, 7, 8, 7, -1}};
    for (size_t r = 0; r < std::size(m7); ++r) {
        const std::string name = std::string(m7[r].root) + "dim";
        const bool held = name == "Adim" || name == "Bdim";
        for (const Frets& grip : dimGrips) {
            if (name == "Ddim" && grip == dimGrips[2])
                EXPECT_TRUE(oneGrip(moved(grip, 2), {-1, -1, 0, 1, 0, 1}, true));
            else
                EXPECT_TRUE(holds(name, moved(grip, int(r) % 3), !held, 3)) << name;
        }
    }
}
