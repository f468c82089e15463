// SPDX-License-Identifier: GPL-3.0-or-later
// Search by name on the real catalogue: the name-prefix test with its a-to-z
// upper-casing, the sweep around it, the history of the name field, and texts
// of every kind a user can type or paste.
#include "search/NameTest.h"
#include "search/SearchHistory.h"
#include "search/SearchSweep.h"

#include "catalogue/ChordCatalogue.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace fretlore;

namespace {

const QStringList& catalogue()
{
    static const QStringList lines = ChordCatalogue();
    return lines;
}

int searchName(const QString& text, int selection)
{
    return SearchSweep(catalogue(), selection, NameTest(text));
}

QString nameOf(int line) { return catalogue().at(line).left(16).trimmed(); }

} // namespace

TEST(NameTest, MatchesTheLineStartIgnoringTheCaseOfAToZ)
{
    const QString line = QStringLiteral("Am7/9           x 0 2 4 1 3 ");
    EXPECT_TRUE(NameTest(QStringLiteral("a"))(line));
    EXPECT_TRUE(NameTest(QStringLiteral("AM7/"))(line));
    EXPECT_TRUE(NameTest(QStringLiteral("am7/9           X 0"))(line));  // on into the fret fields
    EXPECT_TRUE(NameTest(line)(line));
    EXPECT_FALSE(NameTest(QStringLiteral("m7"))(line));  // inside, not at the start
    EXPECT_FALSE(NameTest(QStringLiteral(" Am"))(line));
    EXPECT_FALSE(NameTest(QString())(line));
    EXPECT_FALSE(NameTest(line + QLatin1Char(' '))(line));  // longer than the line
    EXPECT_FALSE(NameTest(QStringLiteral("a"))(QStringView()));
}

TEST(NameTest, FoldsOnlyAToZ)
{
    // Letters whose full Unicode upper case is an ASCII letter must not match it.
    EXPECT_FALSE(NameTest(QStringLiteral("\u0131"))(u"I"));  // dotless i
    EXPECT_FALSE(NameTest(QStringLiteral("\u017F"))(u"S"));  // long s
    EXPECT_FALSE(NameTest(QStringLiteral("\u00E9"))(u"\u00C9"));  // e acute, both ways
    EXPECT_FALSE(NameTest(QStringLiteral("\u00C9"))(u"\u00E9"));
    EXPECT_FALSE(NameTest(QStringLiteral("\u010D"))(u"\u010C"));  // c caron (Central European)
    EXPECT_TRUE(NameTest(QStringLiteral("\u010D"))(u"\u010D"));
    // Characters around the letter ranges stay as they are.
    EXPECT_FALSE(NameTest(QStringLiteral("`"))(u"@"));
    EXPECT_FALSE(NameTest(QStringLiteral("{"))(u"["));
    EXPECT_TRUE(NameTest(QStringLiteral("z"))(u"Z"));
    EXPECT_TRUE(NameTest(QStringLiteral("A"))(u"a"));  // the line is upper-cased too
}

TEST(SearchByName, CFromNoSelectionFindsLineOne)
{
    EXPECT_EQ(searchName(QStringLiteral("c"), -1), 1);
}

TEST(SearchByName, CWithABlankFindsOnlyTheChordsNamedC)
{
    std::vector<int> hits;
    int selection = -1;
    for (int i = 0; i < 12; ++i) {
        selection = searchName(QStringLiteral("C "), selection);
        hits.push_back(selection);
    }
    // Lines 1 to 10 are the ten "C" voicings; then it wraps to line 1.
    EXPECT_EQ(hits, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2}));
    // Without the blank the names beginning with C follow: C13, C5+ ...
    EXPECT_EQ(nameOf(searchName(QStringLiteral("C"), 10)), QStringLiteral("C13"));
    EXPECT_EQ(nameOf(searchName(QStringLiteral("C"), 11)), QStringLiteral("C5+"));
}

TEST(SearchByName, RepeatedAmStepsThroughEveryNameBeginningWithAmThenWraps)
{
    std::vector<QString> names;
    int selection = -1;
    int first = kNotFound;
    for (int i = 0; i < 40; ++i) {
        selection = searchName(QStringLiteral("am"), selection);
        ASSERT_NE(selection, kNotFound);
        if (i > 0 && selection == first)
            break;
        if (i == 0)
            first = selection;
        names.push_back(nameOf(selection));
    }
    EXPECT_EQ(selection, first) << "wrapped back to the first Am line";
    EXPECT_EQ(names.size(), 26u);  // lines 813 to 838
    EXPECT_EQ(first, 813);
    std::vector<QString> distinct;
    for (const QString& n : names)
        if (distinct.empty() || distinct.back() != n)
            distinct.push_back(n);
    EXPECT_EQ(distinct, (std::vector<QString>{"Am", "Am/maj7", "Am6", "Am6/9", "Am7", "Am7/9", "Amaj7"}));
}

TEST(SearchByName, SharpFindsTheSharpLinesButTheFlatNameInParenthesesIsNotAStart)
{
    EXPECT_TRUE(catalogue().at(searchName(QStringLiteral("c#"), -1)).startsWith(QStringLiteral("C#(Db)")));
    EXPECT_EQ(searchName(QStringLiteral("db"), -1), kNotFound);
    EXPECT_EQ(searchName(QStringLiteral("db"), 500), kNotFound);
}

TEST(SearchByName, AFullLineFindsTheNextLineWithExactlyThatText)
{
    const QStringList& lines = catalogue();
    for (int i = 1; i < lines.size(); ++i) {
        // From the line before, the line itself is next.
        ASSERT_EQ(searchName(lines.at(i), i - 1), i) << "line " << i;
    }
    // Lines 887 and 888 hold the same text: from 887 the search moves to 888 and back.
    ASSERT_EQ(lines.at(887), lines.at(888));
    EXPECT_EQ(searchName(lines.at(887), 887), 888);
    EXPECT_EQ(searchName(lines.at(887), 888), 887);
    // One character more than a line matches nothing.
    EXPECT_EQ(searchName(lines.at(5) + QLatin1Char(' '), -1), kNotFound);
}

TEST(SearchByName, LastLineSelectedStartsAtLineOne)
{
    EXPECT_EQ(searchName(QStringLiteral("c"), 1008), 1);
    EXPECT_EQ(searchName(QStringLiteral("c"), 0), 1);
}

TEST(SearchByName, TheOnlyMatchIsFoundAgain)
{
    const QString only = catalogue().at(842);  // the one line with an "x6" field
    EXPECT_EQ(searchName(only, 842), 842);
    // "C13" has a single voicing: searching it again from there stays on it.
    const int c13 = searchName(QStringLiteral("C13"), -1);
    ASSERT_NE(c13, kNotFound);
    EXPECT_EQ(searchName(QStringLiteral("c13"), c13), c13);
}

TEST(SearchByName, EmptyOrLeadingBlankFindsNothing)
{
    int lastPosition = 0;
    EXPECT_EQ(SearchSweep(catalogue(), 17, NameTest(QString()), [&](int p) { lastPosition = p; }), kNotFound);
    EXPECT_EQ(lastPosition, 100);
    EXPECT_EQ(searchName(QStringLiteral(" C"), -1), kNotFound);
}

TEST(SearchHistory, NewTextGoesOnTopAKnownOneStaysWhereItIs)
{
    QStringList history;
    const auto remember = [&](const QString& text) {
        if (const int at = HistoryInsertIndex(history, text); at >= 0)
            history.insert(at, text);
    };
    remember(QStringLiteral("am"));  // into the empty list
    remember(QStringLiteral("C "));
    remember(QStringLiteral("Am"));  // known, whatever the case
    remember(QStringLiteral("c "));
    remember(QStringLiteral("dB"));
    remember(QStringLiteral("am"));
    EXPECT_EQ(history, (QStringList{"dB", "C ", "am"}));
    // Whole items only: a prefix or a longer text is new.
    EXPECT_EQ(HistoryInsertIndex(history, QStringLiteral("a")), 0);
    EXPECT_EQ(HistoryInsertIndex(history, QStringLiteral("am ")), 0);
}

TEST(SearchHistory, EmptyTextIsKeptOnce)
{
    QStringList history{QStringLiteral("am")};
    EXPECT_EQ(HistoryInsertIndex(history, QString()), 0);
    history.insert(0, QString());
    EXPECT_EQ(HistoryInsertIndex(history, QString()), -1);
    EXPECT_EQ(HistoryInsertIndex(history, QStringLiteral("")), -1);
}

TEST(SearchHistory, CaseIsIgnoredBeyondAToZAndTheAccessorIsUsed)
{
    const QStringList history{QStringLiteral("\u010Cm"), QStringLiteral("&\t")};
    EXPECT_EQ(HistoryInsertIndex(history, QStringLiteral("\u010DM")), -1);
    EXPECT_EQ(HistoryInsertIndex(history, QStringLiteral("&\t")), -1);
    EXPECT_EQ(HistoryInsertIndex(history, QStringLiteral("& ")), 0);
    int asked = 0;
    EXPECT_EQ(HistoryInsertIndex(2, [&](int i) { ++asked; return history.at(i); }, QStringLiteral("x")), 0);
    EXPECT_EQ(asked, 2);
}

// Any typed or pasted text gives a hit that really matches, the first one in
// the sweep's order, or not-found when no chord line matches at all.
TEST(SearchByName, AnyTextGivesTheFirstTrueMatchOrNotFound)
{
    const QStringList& lines = catalogue();
    const QString alphabet = QStringLiteral("aAcCmM#()/+-579 x?&\t\u00E9\u010D\u0141\u00DF\u0131\u017F\U0001D11E");
    std::mt19937 rng(20001018);
    std::vector<QString> texts = {QString(10000, QLatin1Char('C')), QStringLiteral("C") + QString(9999, u' '),
                                  QStringLiteral("&"), QStringLiteral("\t"), QStringLiteral("C\t"),
                                  QStringLiteral("\u010Cm"), QString(QChar(0)), QStringLiteral("\uFFFF")};
    for (int i = 0; i < 300; ++i) {
        QString t;
        const int length = std::uniform_int_distribution<int>(0, i < 200 ? 3 : 40)(rng);
        for (int k = 0; k < length; ++k)
            t += alphabet.at(std::uniform_int_distribution<int>(0, int(alphabet.size()) - 1)(rng));
        texts.push_back(t);
    }
    // The text's own formulation: the first occurrence of the upper-cased text in the upper-cased line is at its start.
    const auto upper = [](QString s) {
        for (QChar& c : s)
            if (c >= u'a' && c <= u'z')
                c = QChar(c.unicode() - 32);
        return s;
    };
    for (const QString& text : texts) {
        const int selection = std::uniform_int_distribution<int>(-1, 1008)(rng);
        const int hit = searchName(text, selection);
        int expected = kNotFound;
        for (int k = 1; k <= 1008 && expected == kNotFound; ++k) {
            const int line = (std::max(selection, 0) + k - 1) % 1008 + 1;  // the sweep's order
            if (!text.isEmpty() && upper(lines.at(line)).indexOf(upper(text)) == 0)
                expected = line;
        }
        ASSERT_EQ(hit, expected) << "text \"" << text.left(40).toStdString() << "\" (" << text.size()
                                 << " chars) from " << selection;
    }
}
