// SPDX-License-Identifier: GPL-3.0-or-later
// Search by look on the real catalogue: the padding of one-character edits,
// the field comparison as text with its wildcard, and patterns of every kind.
#include "search/LookTest.h"
#include "search/SearchSweep.h"

#include "catalogue/ChordCatalogue.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <random>

using namespace fretlore;

namespace {

const QStringList& catalogue()
{
    static const QStringList lines = ChordCatalogue();
    return lines;
}

// The six edits as typed, E6 first; padded as the search pads them.
FretTexts typed(const char* e6, const char* a5, const char* d4, const char* g3, const char* b2, const char* e1)
{
    FretTexts t{QString::fromUtf8(e6), QString::fromUtf8(a5), QString::fromUtf8(d4),
                QString::fromUtf8(g3), QString::fromUtf8(b2), QString::fromUtf8(e1)};
    for (QString& s : t)
        s = PaddedFretText(s);
    return t;
}

int searchLook(const FretTexts& frets, int selection)
{
    return SearchSweep(catalogue(), selection, LookTest(frets));
}

// A pattern that fixes only string `column` (E6 = 0) and leaves the others open.
bool fieldAgrees(int column, const QString& typedText, const QString& field)
{
    FretTexts t;
    t.fill(QStringLiteral("? "));
    t[size_t(column)] = PaddedFretText(typedText);
    QString line = QStringLiteral("X               ? ? ? ? ? ? ");
    line.replace(FretFieldStart(column), kFretFieldWidth, field);
    return LookTest(t)(line);
}

} // namespace

TEST(PaddedFretText, OneCharacterGetsABlank)
{
    EXPECT_EQ(PaddedFretText(QStringLiteral("3")), QStringLiteral("3 "));
    EXPECT_EQ(PaddedFretText(QStringLiteral("x")), QStringLiteral("x "));
    EXPECT_EQ(PaddedFretText(QStringLiteral("?")), QStringLiteral("? "));
    EXPECT_EQ(PaddedFretText(QStringLiteral(" ")), QStringLiteral("  "));
    EXPECT_EQ(PaddedFretText(QStringLiteral("\u010D")), QStringLiteral("\u010D "));
    EXPECT_EQ(PaddedFretText(QString()), QString());
    EXPECT_EQ(PaddedFretText(QStringLiteral("12")), QStringLiteral("12"));
    EXPECT_EQ(PaddedFretText(QStringLiteral("3 ")), QStringLiteral("3 "));  // padding twice changes nothing
    EXPECT_EQ(PaddedFretText(QStringLiteral("abc")), QStringLiteral("abc"));
}

// What each typed form agrees with, field by field.
TEST(LookTest, FieldsAreComparedAsText)
{
    const struct {
        const char* typed;
        const char* field;
        bool agrees;
    } rows[] = {
        {"3", "3 ", true},     {"1", "13", false},   {"3", "13", false},   {"12", "12", true},
        {"12", "13", false},   {"03", "3 ", false},  {"03", "03", true},   {"x", "x ", true},
        {"X", "x ", true},     {"x ", "x ", true},   {"?", "x ", true},    {"?", "13", true},
        {"?", "x6", true},     {"? ", "0 ", true},   {"??", "0 ", false},  {"?3", "13", false},
        {" 3", "3 ", false},   {"", "3 ", false},    {"x6", "x6", true},   {"X6", "x6", true},
        {"6", "x6", false},    {"x", "x6", false},   {"36", "x6", false},  {"\u010D", "\u010C ", false},
        {"&", "& ", true},     {"\t", "\t ", true},  {"3\t", "3 ", false}, {"3", "3", false},
    };
    for (const auto& row : rows)
        for (int column = 0; column < 6; ++column)
            EXPECT_EQ(fieldAgrees(column, QString::fromUtf8(row.typed), QString::fromUtf8(row.field)), row.agrees)
                << "typed \"" << row.typed << "\" field \"" << row.field << "\" column " << column;
}

TEST(LookTest, EachEditComparesWithItsOwnColumn)
{
    const QString line = QStringLiteral("C               0 3 2 0 1 0 ");
    EXPECT_TRUE(LookTest(typed("0", "3", "2", "0", "1", "0"))(line));
    EXPECT_FALSE(LookTest(typed("0", "1", "2", "0", "3", "0"))(line));  // two columns swapped
    EXPECT_FALSE(LookTest(typed("3", "2", "0", "1", "0", "0"))(line));  // shifted by one
    EXPECT_TRUE(LookTest(typed("?", "?", "?", "?", "?", "?"))(line));
    // A short line has no fields to agree with, except by the wildcard.
    EXPECT_FALSE(LookTest(typed("0", "3", "2", "0", "1", "0"))(u"C"));
    EXPECT_TRUE(LookTest(typed("?", "?", "?", "?", "?", "?"))(u"C"));
}

TEST(SearchByLook, OpenCFromNoSelectionIsLineOne)
{
    EXPECT_EQ(searchLook(typed("0", "3", "2", "0", "1", "0"), -1), 1);
    EXPECT_EQ(searchLook(typed("12", "15", "14", "12", "13", "12"), -1), 2);
}

TEST(SearchByLook, CapitalXIsTheSameAsSmallX)
{
    // Line 5: C 8 x 10 9 8 x
    const int small = searchLook(typed("8", "x", "10", "9", "8", "x"), -1);
    EXPECT_EQ(small, 5);
    EXPECT_EQ(searchLook(typed("8", "X", "10", "9", "8", "X"), -1), small);
}

TEST(SearchByLook, AllWildcardsStepOneLineAtATimeAndNeverFindLineZero)
{
    const FretTexts any = typed("?", "?", "?", "?", "?", "?");
    EXPECT_EQ(searchLook(any, -1), 1);
    EXPECT_EQ(searchLook(any, 0), 1);
    for (int selection = 1; selection < 1008; ++selection)
        ASSERT_EQ(searchLook(any, selection), selection + 1);
    EXPECT_EQ(searchLook(any, 1008), 1);
}

TEST(SearchByLook, ALeadingZeroFindsNothingWhereTheDigitFindsTheChord)
{
    EXPECT_EQ(searchLook(typed("0", "03", "2", "0", "1", "0"), -1), kNotFound);
    EXPECT_EQ(searchLook(typed("0", "3", "2", "0", "1", "0"), -1), 1);
}

TEST(SearchByLook, WrapsToAnEarlierLineFromTheLastOne)
{
    EXPECT_EQ(searchLook(typed("0", "3", "2", "0", "1", "0"), 1008), 1);
    EXPECT_EQ(searchLook(typed("0", "3", "2", "0", "1", "0"), 1), 1);  // the only match, found again
    int lastPosition = 0;
    EXPECT_EQ(SearchSweep(catalogue(), 1008, LookTest(typed("15", "15", "15", "15", "15", "15")),
                          [&](int p) { lastPosition = p; }),
              kNotFound);
    EXPECT_EQ(lastPosition, 100);
}

TEST(SearchByLook, AnEmptyEditFindsNothing)
{
    EXPECT_EQ(searchLook(typed("?", "?", "?", "", "?", "?"), -1), kNotFound);
    EXPECT_EQ(searchLook(typed("", "", "", "", "", ""), 300), kNotFound);
}

TEST(SearchByLook, TheIrregularFieldOfLine842)
{
    ASSERT_EQ(catalogue().at(842).mid(26), QStringLiteral("x6"));
    EXPECT_EQ(searchLook(typed("6", "8", "8", "7", "6", "x6"), -1), 842);
    EXPECT_EQ(searchLook(typed("6", "8", "8", "7", "6", "X6"), -1), 842);
    EXPECT_EQ(searchLook(typed("6", "8", "8", "7", "6", "?"), 841), 842);
    // Neither as fret 6 nor as a muted string is it found.
    for (int selection : {-1, 841, 842, 1008}) {
        EXPECT_NE(searchLook(typed("6", "8", "8", "7", "6", "6"), selection), 842);
        EXPECT_NE(searchLook(typed("6", "8", "8", "7", "6", "x"), selection), 842);
    }
}

// Any six texts, typed or pasted past the edits' two-character limit, give a
// hit whose every field agrees (or is the wildcard), the first in the sweep's
// order, or not-found when none does.
TEST(SearchByLook, AnyTextsGiveTheFirstTrueMatchOrNotFound)
{
    const QStringList& lines = catalogue();
    const QString alphabet = QStringLiteral("0123456789xX? &\t\u00E9\u010C");
    std::mt19937 rng(18102000);
    const auto draw = [&](int maxLength) {
        QString t;
        const int length = std::uniform_int_distribution<int>(0, maxLength)(rng);
        for (int k = 0; k < length; ++k)
            t += alphabet.at(std::uniform_int_distribution<int>(0, int(alphabet.size()) - 1)(rng));
        return t;
    };
    int found = 0;
    for (int i = 0; i < 400; ++i) {
        // Mostly a real line's fields as a user would type them, or the
        // wildcard; sometimes anything that fits an edit, or a long paste.
        const QString target = lines.at(std::uniform_int_distribution<int>(1, 1008)(rng));
        FretTexts t;
        for (int column = 0; column < 6; ++column) {
            const int kind = std::uniform_int_distribution<int>(0, 9)(rng);
            QString s = kind < 3 ? QStringLiteral("?")
                        : kind < 7 ? target.mid(16 + 2 * column, 2).trimmed()
                        : kind < 9 ? draw(2)
                                   : draw(10000);
            if (kind == 5)
                s = s.toUpper();
            t[size_t(column)] = PaddedFretText(s);
        }
        const int selection = std::uniform_int_distribution<int>(-1, 1008)(rng);
        const int hit = searchLook(t, selection);
        FretTexts upper;
        for (int column = 0; column < 6; ++column)
            upper[size_t(column)] = t[size_t(column)].toUpper();
        int expected = kNotFound;
        for (int k = 1; k <= 1008 && expected == kNotFound; ++k) {
            const int line = (std::max(selection, 0) + k - 1) % 1008 + 1;
            bool agrees = true;
            for (int column = 0; column < 6 && agrees; ++column)
                agrees = t[size_t(column)] == QStringLiteral("? ") ||
                         lines.at(line).mid(16 + 2 * column, 2).toUpper() == upper[size_t(column)];
            if (agrees)
                expected = line;
        }
        ASSERT_EQ(hit, expected) << "pattern " << i << " from " << selection;
        found += hit != kNotFound;
    }
    EXPECT_GT(found, 20);  // the patterns reach real chords, not only misses
}
