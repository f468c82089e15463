// SPDX-License-Identifier: GPL-3.0-or-later
// Tunings, note names, the extra chord kinds and the voicing finder: names in
// other tunings and under a capo, and the ranking a teacher expects.
#include "catalogue/ChordCatalogue.h"
#include "catalogue/ChordEntry.h"
#include "catalogue/ChordNames.h"
#include "catalogue/Notation.h"
#include "catalogue/Tunings.h"
#include "catalogue/VoicingFinder.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <set>

using namespace fretlore;

namespace {

using Pitches = std::array<int, kStringCount>;

Frets fretsOf(const char* text)
{
    Frets frets{};
    const QStringList fields = QString::fromLatin1(text).split(u' ');
    for (int s = 0; s < kStringCount; ++s)
        frets[size_t(s)] = fields[s] == QLatin1String("x") ? -1 : fields[s].toInt();
    return frets;
}

Instrument guitar(const char* tuning, int capo = 0)
{
    Instrument g = ParseTuning(QString::fromLatin1(tuning), nullptr).value();
    g.Capo = capo;
    return g;
}

QStringList namesOf(const char* frets, const Instrument& on)
{
    QStringList names;
    for (const ChordCandidate& c : NameVoicing(fretsOf(frets), on))
        names << c.Name;
    return names;
}

TEST(Tunings, NamesPitchesAndLettersGiveTheOpenStrings)
{
    const struct {
        const char* text;
        Pitches pitches;
    } cases[] = {
        {"standard", {40, 45, 50, 55, 59, 64}},
        {"drop-d", {38, 45, 50, 55, 59, 64}},
        {"Double-Drop-D", {38, 45, 50, 55, 59, 62}},
        {"dadgad", {38, 45, 50, 55, 57, 62}},
        {"open-d", {38, 45, 50, 54, 57, 62}},
        {"open-e", {40, 47, 52, 56, 59, 64}},
        {"open-g", {38, 43, 50, 55, 59, 62}},
        {"open-c", {36, 43, 48, 55, 60, 64}},
        {"half-down", {39, 44, 49, 54, 58, 63}},
        {"full-down", {38, 43, 48, 53, 57, 62}},
        {"D2,A2,D3,G3,B3,E4", {38, 45, 50, 55, 59, 64}},
        {"C2 G2 D3 G3 B3 D4", {36, 43, 50, 55, 59, 62}},
        {"Eb2,Ab2,Db3,Gb3,Bb3,Eb4", {39, 44, 49, 54, 58, 63}},
        {"B#1,A2,D3,G3,B3,Fb4", {36, 45, 50, 55, 59, 64}},
        {"DADGAD", {38, 45, 50, 55, 57, 62}},
        {"dadgad ", {38, 45, 50, 55, 57, 62}},
        {"EbAbDbGbBbEb", {39, 44, 49, 54, 58, 63}},
        {"CGCGCE", {36, 43, 48, 55, 60, 64}},
        {"F#BEADG", {42, 47, 52, 57, 62, 67}},  // every string nearest its standard pitch
        {"D,A,D,F#,A,D", {38, 45, 50, 54, 57, 62}},
    };
    for (const auto& c : cases) {
        QString error;
        const auto g = ParseTuning(QString::fromLatin1(c.text), &error);
        ASSERT_TRUE(g) << c.text << ": " << error.toStdString();
        EXPECT_EQ(g->OpenPitch, c.pitches) << c.text;
        EXPECT_EQ(g->Capo, 0);
    }
    EXPECT_EQ(TuningNames().size(), 10);
    EXPECT_EQ(TuningText(guitar("D2,A2,D3,G3,A3,D4")), QStringLiteral("dadgad"));
    EXPECT_EQ(TuningText(guitar("C#2,A2,D3,G3,B3,E4")), QStringLiteral("C#2 A2 D3 G3 B3 E4"));
}

TEST(Tunings, BadTuningsAndCaposSayWhy)
{
    const struct {
        const char* text;
        const char* said;
    } cases[] = {
        {"drop-q", "unknown tuning \"drop-q\""},
        {"", "unknown tuning"},
        {"D2,A2,D3,G3,B3", "has 5"},
        {"D2,A2,D3,G3,B3,E4,A4", "has 7"},
        {"DADGA", "has 5"},
        {"DADGADE", "has 7"},
        {"H2,A2,D3,G3,B3,E4", "is no note"},
        {"D2,A2,D3,G3,B3,E", "every pitch its octave"},
        {"D0,A2,D3,G3,B3,E4", "out of a guitar's range"},
        {"D2,A2,D3,G3,B3,E9", "out of a guitar's range"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(ParseTuning(QString::fromLatin1(c.text), &error)) << c.text;
        EXPECT_TRUE(error.contains(QLatin1String(c.said))) << c.text << ": " << error.toStdString();
        EXPECT_FALSE(error.contains(u'\n'));
    }
    QString error;
    EXPECT_EQ(ParseCapo(u"0", &error), 0);
    EXPECT_EQ(ParseCapo(u"12", &error), 12);
    for (const char16_t* bad : {u"13", u"-1", u"two", u""}) {
        EXPECT_FALSE(ParseCapo(bad, &error));
        EXPECT_TRUE(error.startsWith(QLatin1String("--capo takes a fret from 0 to 12")));
    }
}

TEST(Notation, PitchClassesAndNamesInEachNotation)
{
    const char* english[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    const char* englishFlat[] = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
    const char* german[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "B", "H"};
    const char* latin[] = {"Do", "Do#", "Re", "Re#", "Mi", "Fa", "Fa#", "Sol", "Sol#", "La", "La#", "Si"};
    const char* latinFlat[] = {"Do", "Reb", "Re", "Mib", "Mi", "Fa", "Solb", "Sol", "Lab", "La", "Sib", "Si"};
    for (int pc = 0; pc < 12; ++pc) {
        EXPECT_EQ(SpellPitchClass(pc, Notation::English), QLatin1String(english[pc]));
        EXPECT_EQ(SpellPitchClass(pc, Notation::English, true), QLatin1String(englishFlat[pc]));
        EXPECT_EQ(SpellPitchClass(pc, Notation::German), QLatin1String(german[pc]));
        EXPECT_EQ(SpellPitchClass(pc, Notation::Latin), QLatin1String(latin[pc]));
        EXPECT_EQ(SpellPitchClass(pc, Notation::Latin, true), QLatin1String(latinFlat[pc]));
        for (Notation n : {Notation::English, Notation::German, Notation::Latin}) {
            const auto read = ReadNote(SpellPitchClass(pc, n, true), n);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->PitchClass, pc);
        }
    }
    const struct {
        const char* english;
        const char* german;
        const char* latin;
    } names[] = {
        {"B", "H", "Si"},
        {"Bb", "B", "Sib"},
        {"A#", "B", "La#"},
        {"Bm7/F#", "Hm7/F#", "Sim7/Fa#"},
        {"C#(Db)m7", "C#(Db)m7", "Do#(Reb)m7"},
        {"A#, Bb", "B, B", "La#, Sib"},
        {"Gm(add9)", "Gm(add9)", "Solm(add9)"},
        {"E7/9/5-", "E7/9/5-", "Mi7/9/5-"},
        {"Am/maj7", "Am/maj7", "Lam/maj7"},
        {"D/F#(Gb)", "D/F#(Gb)", "Re/Fa#(Solb)"},
    };
    for (const auto& n : names) {
        EXPECT_EQ(InNotation(QString::fromLatin1(n.english), Notation::English), QLatin1String(n.english));
        EXPECT_EQ(InNotation(QString::fromLatin1(n.english), Notation::German), QLatin1String(n.german));
        EXPECT_EQ(InNotation(QString::fromLatin1(n.english), Notation::Latin), QLatin1String(n.latin));
    }
    EXPECT_EQ(ParseNotation(u"German"), Notation::German);
    EXPECT_EQ(ParseNotation(u"latin"), Notation::Latin);
    EXPECT_FALSE(ParseNotation(u"solfege"));
}

TEST(ChordNames, ReadAsNameWritesThemAndAsPlayersTypeThem)
{
    const struct {
        const char* text;
        Notation notation;
        const char* root;  // English, as ChordNameText writes the whole name
        const char* name;
    } cases[] = {
        {"Am", Notation::English, "A", "Am"},
        {"C#(Db)m7", Notation::English, "C#(Db)", "C#(Db)m7"},
        {"Db7", Notation::English, "C#(Db)", "C#(Db)7"},
        {"Bb", Notation::English, "A#", "A#"},
        {"Asus4", Notation::English, "A", "Asus4"},
        {"D/F#", Notation::English, "D", "D/F#(Gb)"},
        {"C/F#(Gb)", Notation::English, "C", "C/F#(Gb)"},
        {"C6/9", Notation::English, "C", "C6/9"},
        {"C9", Notation::English, "C", "C7/9"},
        {"Em9", Notation::English, "E", "Em7/9"},
        {"Bm7b5", Notation::English, "B", "Bm7b5"},
        {"Gdim7", Notation::English, "G", "Gdim7"},
        {"E5", Notation::English, "E", "E5"},
        {"Caug", Notation::English, "C", "C5+"},
        {"H7", Notation::German, "B", "B7"},
        {"Bm", Notation::German, "A#", "A#m"},
        {"Sibm", Notation::Latin, "A#", "A#m"},
        {"Solmaj9", Notation::Latin, "G", "Gmaj9"},
        {"Am", Notation::Latin, "A", "Am"},  // English reads in every notation
    };
    for (const auto& c : cases) {
        const auto name = ParseChordName(QString::fromLatin1(c.text), c.notation);
        ASSERT_TRUE(name) << c.text;
        EXPECT_EQ(ChordNameText(*name), QLatin1String(c.name)) << c.text;
    }
    for (const char* bad : {"Xy", "Am/", "Am/X", "am", "C#m7 ", "Cmaj13", ""})
        EXPECT_FALSE(ParseChordName(QString::fromLatin1(bad))) << bad;
}

TEST(ChordNames, ExtraKindsAndOtherTunings)
{
    const struct {
        const char* tuning;
        int capo;
        const char* frets;
        const char* first;
        const char* alsoNamed;  // another candidate, or ""
    } cases[] = {
        {"standard", 0, "x 0 2 2 3 0", "Asus4", ""},
        {"standard", 0, "x 0 2 2 0 0", "Asus2", "Esus4/A"},
        {"standard", 0, "x 0 2 0 3 0", "A7sus4", ""},
        {"standard", 0, "x 3 2 0 3 0", "Cadd9", ""},
        {"standard", 0, "x 3 1 0 3 x", "Cm(add9)", ""},
        {"standard", 0, "x 2 3 2 3 x", "Bm7b5", "Dm6/B"},
        {"standard", 0, "x 3 4 5 4 x", "Cdim", ""},
        {"standard", 0, "x x 1 2 1 2", "D#(Eb)dim", "D#(Eb)dim7"},
        {"standard", 0, "x 3 5 5 x x", "C5", ""},
        {"standard", 0, "x 3 2 3 3 x", "C7/9", ""},
        {"standard", 0, "x 3 2 4 3 x", "Cmaj9", ""},
        {"standard", 0, "x 3 3 3 3 x", "C11", ""},
        {"standard", 0, "0 3 2 0 1 0", "C/E", ""},
        {"drop-d", 0, "0 0 0 x x x", "D5", ""},
        {"drop-d", 0, "0 0 0 2 3 2", "D", ""},
        {"open-g", 0, "0 0 0 0 0 0", "G/D", ""},
        {"open-g", 0, "x 5 5 5 5 5", "C", ""},
        {"open-g", 0, "5 5 5 5 5 5", "C/G", ""},
        {"dadgad", 0, "0 0 0 0 0 0", "Dsus4", ""},
        {"dadgad", 0, "0 0 4 2 0 0", "D", ""},
        {"dadgad", 0, "x 0 0 2 0 2", "Asus4", ""},
        {"standard", 2, "x 0 2 2 1 0", "Bm", ""},
        {"standard", 5, "0 2 2 0 0 0", "Am", ""},
        {"half-down", 0, "0 2 2 1 0 0", "D#(Eb)", ""},
    };
    for (const auto& c : cases) {
        QStringList names = namesOf(c.frets, guitar(c.tuning, c.capo));
        ASSERT_FALSE(names.isEmpty()) << c.frets;
        EXPECT_EQ(names.front(), QLatin1String(c.first)) << c.tuning << " " << c.frets;
        if (*c.alsoNamed) {
            EXPECT_TRUE(names.contains(QLatin1String(c.alsoNamed))) << c.frets << ": " << names.join(u' ').toStdString();
        }
        EXPECT_EQ(names.removeDuplicates(), 0) << c.frets;
    }
}

TEST(ChordNames, TheExtraKindsLeaveTheCatalogueItsOwnNames)
{
    // Every catalogue voicing named first by its own name among the
    // catalogue's kinds keeps that name first among all the kinds.
    const QStringList catalogue = ChordCatalogue();
    int kept = 0;
    for (int i = 1; i < catalogue.size(); ++i) {
        const ChordEntry entry = ReadChordEntry(catalogue[i]).value();
        const auto own = NameFingering(entry.Frets);
        if (own.empty() || own.front().Name != entry.Name)
            continue;
        const auto all = NameVoicing(entry.Frets, kStandardGuitar);
        ASSERT_FALSE(all.empty());
        EXPECT_EQ(all.front().Name, entry.Name) << catalogue[i].toStdString();
        ++kept;
    }
    EXPECT_GT(kept, 800);
}

TEST(VoicingFinder, TheTextbookGripComesFirstInStandardTuning)
{
    const struct {
        const char* name;
        const char* grip;
    } textbook[] = {
        {"C", "x 3 2 0 1 0"},  {"A", "x 0 2 2 2 0"},  {"G", "3 2 0 0 0 3"},  {"E", "0 2 2 1 0 0"},
        {"D", "x x 0 2 3 2"},  {"Am", "x 0 2 2 1 0"}, {"Em", "0 2 2 0 0 0"}, {"Dm", "x x 0 2 3 1"},
        {"A7", "x 0 2 0 2 0"}, {"E7", "0 2 0 1 0 0"}, {"D7", "x x 0 2 1 2"}, {"G7", "3 2 0 0 0 1"},
        {"C7", "x 3 2 3 1 0"}, {"B7", "x 2 1 2 0 2"},
    };
    for (const auto& t : textbook) {
        const auto easiest = EasiestVoicing(QString::fromLatin1(t.name), kStandardGuitar);
        ASSERT_TRUE(easiest) << t.name;
        EXPECT_EQ(easiest->Frets, fretsOf(t.grip)) << t.name;
        EXPECT_EQ(easiest->Hand, BestFingering(easiest->Frets).value()) << t.name;
    }
    // Under a capo the same grip is the easiest voicing of the sounding name.
    EXPECT_EQ(EasiestVoicing(u"Bm", guitar("standard", 2))->Frets, fretsOf("x 0 2 2 1 0"));
    EXPECT_EQ(EasiestVoicing(u"D/F#", kStandardGuitar)->Frets[0], 2);
    EXPECT_FALSE(EasiestVoicing(u"Xy", kStandardGuitar));
}

TEST(VoicingFinder, EveryVoicingSoundsItsKindAndHasAHand)
{
    const struct {
        const char* name;
        const char* tuning;
        int capo;
    } cases[] = {
        {"Am", "standard", 0}, {"F#m7b5", "standard", 0}, {"E5", "drop-d", 0}, {"Gmaj9", "open-g", 3},
        {"Dsus4", "dadgad", 0}, {"Bb7sus4", "half-down", 0}, {"C/G", "open-c", 0}, {"A13", "standard", 0},
        {"Ebmaj7", "standard", 12},
    };
    for (const auto& c : cases) {
        const Instrument on = guitar(c.tuning, c.capo);
        const ChordName name = ParseChordName(QString::fromLatin1(c.name)).value();
        const std::vector<RankedVoicing> all = FindVoicings(name.Root, name.Kind, on, 0, name.Bass);
        ASSERT_FALSE(all.empty()) << c.name;
        const ChordKind& kind = KnownKinds[size_t(name.Kind)];
        // The bass after a slash, as an interval above the root.
        const ToneSet bass = name.Bass < 0 ? 0 : ToneSet(1u << ((name.Bass - name.Root + 12) % 12));
        std::set<Frets> seen;
        for (const RankedVoicing& v : all) {
            EXPECT_TRUE(seen.insert(v.Frets).second) << c.name << " twice";
            const ToneSet above = TonesAbove(SoundedTones(v.Frets, on), name.Root);
            EXPECT_EQ(above & ~(kind.Tones | bass), 0) << c.name;
            EXPECT_EQ(above & (kind.Required | bass), kind.Required | bass) << c.name;
            if (name.Bass >= 0) {
                EXPECT_EQ(BassPitchClass(v.Frets, on), name.Bass) << c.name;
            }
            EXPECT_EQ(BestFingering(v.Frets), v.Hand);
            for (int f : v.Frets)
                EXPECT_LE(f, std::min(kFinderHighestFret, kNeckFrets - on.Capo));
        }
        EXPECT_EQ(FindVoicings(name.Root, name.Kind, on, 3, name.Bass).size(), std::min<size_t>(3, all.size()));
    }
}

} // namespace
