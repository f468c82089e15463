// SPDX-License-Identifier: GPL-3.0-or-later
// Checks every line of the compiled-in catalogue: layout, names and counts,
// block ranges, order, the fixed lines, and that every voicing is musically
// right and playable.
#include "catalogue/ChordCatalogue.h"
#include "catalogue/ChordEntry.h"
#include "catalogue/ChordKinds.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <iostream>
#include <map>
#include <set>
#include <vector>

using namespace fretlore;

namespace {

struct Root {
    const char* name;
    int pitchClass;
    int firstLine;
    int lastLine;
};

// Roots in catalogue order with their blocks of lines.
const std::array<Root, 12> kRoots = {{
    {"C", 0, 1, 88},        {"C#(Db)", 1, 89, 172}, {"D", 2, 173, 260},
    {"D#(Eb)", 3, 261, 343}, {"E", 4, 344, 427},     {"F", 5, 428, 512},
    {"F#(Gb)", 6, 513, 594}, {"G", 7, 595, 680},     {"G#(Ab)", 8, 681, 761},
    {"A", 9, 762, 838},      {"A#", 10, 839, 924},   {"B", 11, 925, 1008},
}};

struct Kind {
    const char* suffix;
    std::vector<int> tones;     // every tone the chord may sound, semitones above the root
    std::vector<int> required;  // the tones that must sound
    std::array<int, 12> lines;  // voicings per root, in root order
};

const std::vector<Kind> kKinds = {
    {"", {0, 4, 7}, {0, 4, 7}, {10, 8, 9, 8, 9, 8, 8, 11, 8, 9, 9, 7}},
    {"13", {0, 4, 7, 10, 2, 9}, {0, 4, 10, 9}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
    {"5+", {0, 4, 8}, {0, 4, 8}, {6, 6, 6, 6, 6, 6, 6, 6, 6, 0, 6, 6}},
    {"5-", {0, 4, 6}, {0, 4, 6}, {2, 2, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
    {"6", {0, 4, 7, 9}, {0, 4, 9}, {3, 3, 3, 3, 2, 3, 2, 3, 3, 3, 3, 3}},
    {"6/9", {0, 4, 7, 9, 2}, {0, 4, 9, 2}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
    {"7", {0, 4, 7, 10}, {0, 4, 10}, {15, 13, 14, 13, 14, 13, 13, 12, 12, 13, 13, 12}},
    {"7/5+", {0, 4, 8, 10}, {0, 4, 8, 10}, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
    {"7/5-", {0, 4, 6, 10}, {0, 4, 6, 10}, {4, 4, 4, 4, 4, 4, 4, 4, 2, 4, 4, 4}},
    {"7/9", {0, 4, 7, 10, 2}, {0, 4, 10, 2}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
    {"7/9/5+", {0, 4, 8, 10, 2}, {0, 4, 8, 10, 2}, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
    {"7/9/5-", {0, 4, 6, 10, 2}, {0, 4, 6, 10, 2}, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 3}},
    {"dim", {0, 3, 6, 9}, {0, 3, 6}, {8, 8, 8, 7, 8, 8, 8, 8, 8, 6, 8, 8}},
    {"m", {0, 3, 7}, {0, 3, 7}, {8, 8, 9, 8, 9, 8, 8, 8, 8, 8, 8, 8}},
    {"m/maj7", {0, 3, 7, 11}, {0, 3, 11}, {3, 3, 3, 3, 3, 4, 3, 3, 3, 3, 3, 3}},
    {"m6", {0, 3, 7, 9}, {0, 3, 9}, {4, 4, 4, 4, 3, 4, 4, 4, 4, 4, 4, 4}},
    {"m6/9", {0, 3, 7, 9, 2}, {0, 3, 9, 2}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
    {"m7", {0, 3, 7, 10}, {0, 3, 10}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
    {"m7/9", {0, 3, 7, 10, 2}, {0, 3, 10, 2}, {3, 3, 3, 3, 3, 3, 2, 3, 3, 3, 3, 4}},
    {"maj7", {0, 4, 7, 11}, {0, 4, 11}, {4, 4, 4, 4, 3, 4, 4, 4, 4, 4, 4, 5}},
};

// The lines the catalogue must hold verbatim at their index.
const std::map<int, QString> kFixedLines = {
    {1, "C               0 3 2 0 1 0 "},  {2, "C               121514121312"},
    {3, "C               3 3 5 5 5 3 "},  {4, "C               8 10109 8 8 "},
    {5, "C               8 x 109 8 x "},  {6, "C               x 15141213x "},
    {7, "C               x 15x 121312"},  {8, "C               x 3 x 0 1 0 "},
    {9, "C               x 3 x 5 5 3 "},  {10, "C               x x 109 8 8 "},
    {11, "C13             3 3 2 3 3 5 "}, {89, "C#(Db)          1 4 3 1 2 1 "},
    {404, "Em              0 x x 0 0 0 "}, {842, "A#              6 8 8 7 6 x6"},
    {855, "A#5-            x x 1 9 1110"}, {887, "A#7/9/5-        6 x 6 7 7 8 "},
    {888, "A#7/9/5-        6 x 6 7 7 8 "}, {974, "Bdim            x 2 3 1 3 7 "},
    {1002, "Bm7/9           x 4 7 7 7 7 "}, {1003, "Bm7/9           x 4 7 7 7 7 "},
    {1004, "Bmaj7           111413111111"}, {1005, "Bmaj7           111413111111"},
    {1008, "Bmaj7           x x 9 8 7 6 "},
};

constexpr std::array<int, 6> kOpenPitch = {40, 45, 50, 55, 59, 64};  // E6 A5 D4 G3 B2 e1

class Catalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() { lines_ = ChordCatalogue(); }
    static QStringList lines_;
};
QStringList Catalogue::lines_;

// Splits a name into its root (by block) and its kind; -1 when it is neither.
int kindOf(const QString& name, const Root& root)
{
    if (!name.startsWith(QLatin1String(root.name)))
        return -1;
    const QString suffix = name.mid(int(qstrlen(root.name)));
    for (size_t k = 0; k < kKinds.size(); ++k)
        if (suffix == QLatin1String(kKinds[k].suffix))
            return int(k);
    return -1;
}

const Root& rootOfLine(int index)
{
    return *std::find_if(kRoots.begin(), kRoots.end(),
                         [index](const Root& r) { return index >= r.firstLine && index <= r.lastLine; });
}

// Why a voicing is not a right, playable voicing of its chord; empty when it is.
std::string musicalFault(const std::array<int, 6>& frets, int rootPc, const Kind& kind)
{
    std::set<int> sounded;
    int strings = 0;
    int lowest = 99;
    int highest = 0;
    for (int s = 0; s < 6; ++s) {
        if (frets[s] < 0)
            continue;
        ++strings;
        const int pc = ((kOpenPitch[s] + frets[s]) - rootPc + 120) % 12;
        if (std::find(kind.tones.begin(), kind.tones.end(), pc) == kind.tones.end())
            return "string " + std::to_string(s + 1) + " sounds a tone outside the chord";
        sounded.insert(pc);
        if (frets[s] > 0) {
            lowest = std::min(lowest, frets[s]);
            highest = std::max(highest, frets[s]);
        }
    }
    for (int t : kind.required)
        if (!sounded.count(t))
            return "tone " + std::to_string(t) + " does not sound";
    if (strings < 4)
        return "fewer than four strings sound";
    if (highest > 0 && highest - lowest > 3)
        return "the fretted notes span more than four frets";

    int fretted = 0;
    int above = 0;
    int firstBarre = -1;
    int lastBarre = -1;
    for (int s = 0; s < 6; ++s) {
        if (frets[s] <= 0)
            continue;
        ++fretted;
        if (frets[s] > lowest)
            ++above;
        else {
            if (firstBarre < 0)
                firstBarre = s;
            lastBarre = s;
        }
    }
    if (fretted <= 4)
        return {};
    // One finger may lie across adjacent strings at the highest fret, the
    // bass string not among them.
    int run = 0;
    int longestRun = 0;
    const int bass = int(std::find_if(frets.begin(), frets.end(), [](int f) { return f >= 0; }) - frets.begin());
    for (int s = 0; s < 6; ++s) {
        run = (highest > lowest && frets[s] == highest && s != bass) ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    if (1 + above - std::max(0, longestRun - 1) > 4)
        return "needs more than four fingers";
    for (int s = firstBarre; s <= lastBarre; ++s)
        if (frets[s] == 0)
            return "the barre would cover an open string";
    return {};
}

} // namespace

TEST_F(Catalogue, HasTheEmptyLineAndThenFixedWidthAsciiLines)
{
    ASSERT_EQ(lines_.size(), kCatalogueLines);
    EXPECT_TRUE(lines_[0].isEmpty());
    const QRegularExpression layout(
        R"(^[!-~]{1,12} {4,15}((?:[0-9] |1[0-5]|x ){6}|(?:[0-9] |1[0-5]|x ){5}x6)$)");
    for (int i = 1; i < lines_.size(); ++i) {
        const QString& line = lines_[i];
        SCOPED_TRACE("line " + std::to_string(i) + ": \"" + line.toStdString() + "\"");
        ASSERT_EQ(line.size(), kCatalogueLineWidth);
        EXPECT_TRUE(layout.match(line).hasMatch());
        EXPECT_EQ(line[15], u' ');
        // "x6" is the one irregular field, and it stands only in line 842.
        EXPECT_EQ(line.endsWith(QLatin1String("x6")), i == 842);
    }
}

TEST_F(Catalogue, EveryFixedLineStandsAtItsIndex)
{
    for (const auto& [index, text] : kFixedLines)
        EXPECT_EQ(lines_.value(index), text) << "line " << index;
}

TEST_F(Catalogue, NamesCountsAndBlocksFollowTheTables)
{
    std::map<std::pair<int, int>, int> counts;  // (root, kind) -> lines
    for (int i = 1; i < lines_.size(); ++i) {
        const Root& root = rootOfLine(i);
        const QString name = ChordNameOf(lines_[i]);
        const int kind = kindOf(name, root);
        ASSERT_GE(kind, 0) << "line " << i << " \"" << name.toStdString() << "\" is not a chord of the "
                           << root.name << " block";
        ++counts[{int(&root - kRoots.data()), kind}];
    }
    int names = 0;
    for (size_t k = 0; k < kKinds.size(); ++k) {
        for (int r = 0; r < 12; ++r) {
            const int expected = kKinds[k].lines[r];
            const auto it = counts.find({r, int(k)});
            EXPECT_EQ(it == counts.end() ? 0 : it->second, expected)
                << kRoots[r].name << kKinds[k].suffix;
            names += expected > 0;
        }
    }
    EXPECT_EQ(names, 239);
}

TEST_F(Catalogue, BlocksAreSortedByCharacterCodeWithOnlyTheThreeKnownDuplicates)
{
    const std::set<int> duplicateSeconds = {888, 1003, 1005};
    for (const Root& root : kRoots) {
        for (int i = root.firstLine + 1; i <= root.lastLine; ++i) {
            const QByteArray before = lines_[i - 1].toLatin1();
            const QByteArray here = lines_[i].toLatin1();
            if (duplicateSeconds.count(i))
                EXPECT_EQ(before, here) << "line " << i;
            else
                EXPECT_LT(before, here) << "line " << i << " is out of order or repeated";
        }
    }
    QSet<QString> distinct(lines_.begin() + 1, lines_.end());
    EXPECT_EQ(distinct.size(), 1008 - 3);
}

TEST_F(Catalogue, EveryLineReadsAndOnlyLine404HasNoFrettedString)
{
    for (int i = 1; i < lines_.size(); ++i) {
        QString error;
        const auto entry = ReadChordEntry(lines_[i], &error);
        ASSERT_TRUE(entry.has_value()) << "line " << i << ": " << error.toStdString();
        const bool fretted = std::any_of(entry->Frets.begin(), entry->Frets.end(), [](int f) { return f > 0; });
        EXPECT_EQ(fretted, i != 404) << "line " << i;
        for (int f : entry->Frets) {
            EXPECT_GE(f, -1);
            EXPECT_LE(f, 15);
        }
        // Fret 15 appears only in the three fixed lines that use it.
        const bool uses15 = std::count(entry->Frets.begin(), entry->Frets.end(), 15) > 0;
        EXPECT_EQ(uses15, i == 2 || i == 6 || i == 7) << "line " << i;
    }
}

TEST_F(Catalogue, EveryVoicingIsRightAndPlayable)
{
    std::map<int, int> perKind;
    int checked = 0;
    int openPosition = 0;
    int above12 = 0;
    for (int i = 1; i < lines_.size(); ++i) {
        const Root& root = rootOfLine(i);
        const auto entry = ReadChordEntry(lines_[i]);
        ASSERT_TRUE(entry.has_value());
        const int kind = kindOf(entry->Name, root);
        ASSERT_GE(kind, 0);
        ++perKind[kind];
        const auto& f = entry->Frets;
        const int top = *std::max_element(f.begin(), f.end());
        if (std::count(f.begin(), f.end(), 0) > 0 && top <= 4)
            ++openPosition;
        if (top > 12)
            ++above12;
        if (kFixedLines.count(i))
            continue;  // the fixed lines are exempt from the musical rules
        ++checked;
        const std::string fault = musicalFault(f, root.pitchClass, kKinds[size_t(kind)]);
        EXPECT_TRUE(fault.empty()) << "line " << i << " \"" << lines_[i].toStdString() << "\": " << fault;
    }
    EXPECT_EQ(checked, 1008 - int(kFixedLines.size()));

    std::cout << "[ figures  ] " << checked << " voicings checked by the musical rules, "
              << lines_.size() - 1 << " lines checked by the layout rules\n";
    std::cout << "[ figures  ] open position (an open string, no fret above 4): " << openPosition
              << "; a fret above 12: " << above12 << "\n[ figures  ] voicings per kind:";
    for (const auto& [kind, n] : perKind)
        std::cout << " " << (kKinds[size_t(kind)].suffix[0] ? kKinds[size_t(kind)].suffix : "major") << "=" << n;
    std::cout << std::endl;
}

TEST(MusicalRules, CatchWrongAndUnplayableVoicings)
{
    const Kind& major = kKinds[0];
    const Kind& seventh = kKinds[6];
    EXPECT_EQ(musicalFault({0, 3, 2, 0, 1, 0}, 0, major), "");      // open C
    EXPECT_EQ(musicalFault({8, 10, 10, 9, 8, 8}, 0, major), "");    // E-shape barre
    EXPECT_NE(musicalFault({0, 3, 2, 2, 1, 0}, 0, major), "");      // A on the G string
    EXPECT_NE(musicalFault({-1, 3, 2, -1, -1, 0}, 0, major), "");   // three strings
    EXPECT_NE(musicalFault({-1, 3, 5, 5, -1, -1}, 0, major), "");   // no third, three strings
    EXPECT_NE(musicalFault({3, 3, 5, 5, 5, 8}, 0, major), "");      // spans six frets
    EXPECT_NE(musicalFault({-1, 3, 2, 3, 1, 0}, 0, major), "");     // B flat is no tone of C
    EXPECT_EQ(musicalFault({-1, 3, 2, 3, 1, 0}, 0, seventh), "");   // ... but is of C7
    EXPECT_NE(musicalFault({-1, 3, 5, 5, 5, 3}, 0, seventh), "");   // C7 without its seventh
    EXPECT_EQ(musicalFault({3, 3, 2, 0, 1, 3}, 0, major), "needs more than four fingers");
    EXPECT_EQ(musicalFault({-1, 2, 1, 2, 2, 2}, 11, kKinds[9]), "");  // B7/9: one finger across G3 to e1
    EXPECT_EQ(musicalFault({3, 5, 0, 4, 3, 3}, 7, major), "the barre would cover an open string");
}

TEST(MusicalRules, TheCoresKindsAndRootsAreTheseRules)
{
    const auto mask = [](const std::vector<int>& intervals) {
        ToneSet set = 0;
        for (int i : intervals)
            set = ToneSet(set | (1u << i));
        return set;
    };
    ASSERT_EQ(ChordKinds.size(), kKinds.size());
    for (size_t k = 0; k < kKinds.size(); ++k) {
        EXPECT_EQ(ChordKinds[k].Suffix, kKinds[k].suffix);
        EXPECT_EQ(ChordKinds[k].Tones, mask(kKinds[k].tones)) << kKinds[k].suffix;
        EXPECT_EQ(ChordKinds[k].Required, mask(kKinds[k].required)) << kKinds[k].suffix;
    }
    for (size_t r = 0; r < kRoots.size(); ++r) {
        EXPECT_EQ(ChordRoots[r].Name, kRoots[r].name);
        EXPECT_EQ(ChordRoots[r].PitchClass, kRoots[r].pitchClass);
    }
    // A name splits into its root and kind, the longer root first.
    const auto split = SplitChordName(u"A#m7");
    ASSERT_TRUE(split.has_value());
    EXPECT_EQ(ChordNameFor(split->Root, split->Kind), QStringLiteral("A#m7"));
    EXPECT_EQ(split->Root, 10);
    EXPECT_FALSE(SplitChordName(u"Db").has_value());
    EXPECT_FALSE(SplitChordName(u"Cm7 ").has_value());
}
