// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ChordCatalogue.h"
#include "catalogue/ChordEntry.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace fretlore;
using Frets = std::array<int, 6>;

TEST(ReadingRule, ReadsTheTellingLines)
{
    const QStringList lines = ChordCatalogue();
    struct Row {
        int index;
        const char* name;
        Frets frets;
    };
    const Row rows[] = {
        {1, "C", {0, 3, 2, 0, 1, 0}},
        {2, "C", {12, 15, 14, 12, 13, 12}},    // two-digit fields run together
        {4, "C", {8, 10, 10, 9, 8, 8}},
        {11, "C13", {3, 3, 2, 3, 3, 5}},
        {404, "Em", {0, -1, -1, 0, 0, 0}},
        {842, "A#", {6, 8, 8, 7, 6, 6}},        // "x6" is hexadecimal 6, not muted
        {855, "A#5-", {-1, -1, 1, 9, 11, 10}},
        {974, "Bdim", {-1, 2, 3, 1, 3, 7}},
        {1008, "Bmaj7", {-1, -1, 9, 8, 7, 6}},
    };
    for (const Row& row : rows) {
        const auto entry = ReadChordEntry(lines[row.index]);
        ASSERT_TRUE(entry) << row.index;
        EXPECT_EQ(entry->Name, QLatin1String(row.name)) << row.index;
        EXPECT_EQ(entry->Frets, row.frets) << row.index;
    }
    EXPECT_EQ(ReadChordEntry(lines[887]), ReadChordEntry(lines[888]));
}

TEST(ReadingRule, NameIsTheFirstFifteenCharactersWithoutTrailingBlanks)
{
    EXPECT_EQ(ChordNameOf(u"C#(Db)7/9/5+    x 4 3 4 4 4 "), QLatin1String("C#(Db)7/9/5+"));
    // Character 16 never belongs to the name, even when it is not a blank.
    EXPECT_EQ(ChordNameOf(u"ABCDEFGHIJKLMNOP1 2 3 4 5 6 "), QLatin1String("ABCDEFGHIJKLMNO"));
    EXPECT_EQ(ChordNameOf(u"   "), QString());
    EXPECT_EQ(ChordNameOf(u" Am"), QLatin1String(" Am"));  // leading blanks stay
    EXPECT_EQ(FretText(u"short"), QString());
    EXPECT_EQ(FretText(u"C               0 3 2 0 1 0 "), QLatin1String("0 3 2 0 1 0 "));
}

TEST(ReadingRule, ElevenCharacterFretTextGetsItsLastBlankBack)
{
    EXPECT_EQ(ReadFrets(u"0 3 2 0 1 0"), (Frets{0, 3, 2, 0, 1, 0}));
    EXPECT_EQ(ReadFrets(u"x 3 2 0 1 x"), (Frets{-1, 3, 2, 0, 1, -1}));
    // Extra characters beyond the six fields are ignored.
    EXPECT_EQ(ReadFrets(u"1 2 3 4 5 6 trailing"), (Frets{1, 2, 3, 4, 5, 6}));
}

TEST(ReadingRule, IntegerConversionOfAField)
{
    EXPECT_EQ(ConvertFretField(u"7"), 7);
    EXPECT_EQ(ConvertFretField(u"15"), 15);
    EXPECT_EQ(ConvertFretField(u" 5"), 5);     // leading blank skipped
    EXPECT_EQ(ConvertFretField(u"-3"), -3);
    EXPECT_EQ(ConvertFretField(u"+4"), 4);
    EXPECT_EQ(ConvertFretField(u"x6"), 6);     // hexadecimal marks
    EXPECT_EQ(ConvertFretField(u"XF"), 15);
    EXPECT_EQ(ConvertFretField(u"$a"), 10);
    EXPECT_EQ(ConvertFretField(u"0x1F"), 31);
    EXPECT_EQ(ConvertFretField(u"-$10"), -16);
    EXPECT_EQ(ConvertFretField(u"-2147483648"), std::numeric_limits<int>::min());
    for (const char16_t* bad : {u"", u" ", u"-", u"$", u"x", u"X", u"0x", u"1a", u"a1", u"5 ", u"--1",
                                u"٣", u"2147483648", u"$FFFFFFFFFF", u"1\t"})
        EXPECT_FALSE(ConvertFretField(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(ReadingRule, AnyTextGivesAReadingOrAClearError)
{
    QString error;
    EXPECT_FALSE(ReadChordEntry(u"", &error));
    EXPECT_TRUE(error.contains(QLatin1String("Fret field 1"))) << error.toStdString();

    EXPECT_FALSE(ReadChordEntry(u"C               0 3 2 ab1 0 ", &error));
    EXPECT_TRUE(error.contains(QLatin1String("Fret field 4"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String("\"ab\""))) << error.toStdString();

    EXPECT_FALSE(ReadChordEntry(u"C               0 3 2", &error));  // too few fields
    EXPECT_FALSE(ReadChordEntry(u"Čćžš            ž 3 2 0 1 0 ", &error));
    EXPECT_FALSE(ReadChordEntry(u"C               X 3 2 0 1 0 ", &error));  // only "x" mutes

    // Fields may still read to values outside the fret range: the rule does not validate.
    EXPECT_EQ(ReadFrets(u"-1$F0 x 1 2 "), (Frets{-1, 15, 0, -1, 1, 2}));

    // A very long line reads its first six fields and ignores the rest.
    const QString huge(10000, QChar(u'9'));
    const auto entry = ReadChordEntry(huge, &error);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->Name, QString(15, QChar(u'9')));
    EXPECT_EQ(entry->Frets, (Frets{99, 99, 99, 99, 99, 99}));
}

TEST(CatalogueLine, FieldPositionsAndTheReadingOfOneField)
{
    const QString line = QStringLiteral("A#              6 8 8 7 6 x6");  // line 842
    ASSERT_EQ(line.size(), kCatalogueLineWidth);
    const char* fields[6] = {"6 ", "8 ", "8 ", "7 ", "6 ", "x6"};
    for (int s = 0; s < 6; ++s)
        EXPECT_EQ(line.mid(FretFieldStart(s), kFretFieldWidth), QLatin1String(fields[s])) << s;

    const struct {
        const char16_t* field;
        std::optional<int> fret;
    } rows[] = {
        {u"3 ", 3}, {u"0 ", 0}, {u"12", 12}, {u"x ", kMuted}, {u"x", kMuted}, {u"x6", 6},
        {u"X ", std::nullopt}, {u"  ", std::nullopt}, {u"3x", std::nullopt}, {u"", std::nullopt},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ReadFretField(r.field), r.fret) << QString::fromUtf16(r.field).toStdString();
}
