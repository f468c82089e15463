// SPDX-License-Identifier: GPL-3.0-or-later
// The scan both searches share: which lines it tests and in what order, the
// wrap-around, line 0, the failure count and the progress positions.
#include "search/SearchSweep.h"

#include "catalogue/ChordCatalogue.h"

#include <gtest/gtest.h>

#include <vector>

using namespace fretlore;

namespace {

// Ten lines "", "L1" .. "L9"; line 0 is empty like the catalogue's.
QStringList tenLines()
{
    QStringList lines{QString()};
    for (int i = 1; i < 10; ++i)
        lines << QStringLiteral("L%1").arg(i);
    return lines;
}

// The indices a not-found sweep tests, in order.
std::vector<int> testedOrder(const QStringList& lines, int selection)
{
    std::vector<int> order;
    const int hit = SearchSweep(lines, selection, [&](QStringView line) {
        order.push_back(int(lines.indexOf(line.toString())));
        return false;
    });
    EXPECT_EQ(hit, kNotFound);
    return order;
}

std::vector<int> range(int from, int to)
{
    std::vector<int> v;
    for (int i = from; i <= to; ++i)
        v.push_back(i);
    return v;
}

} // namespace

TEST(SearchSweep, TestsForwardFromTheSelectionThenWrapsToIt)
{
    const QStringList lines = tenLines();
    std::vector<int> fromFive = range(6, 9);
    for (int i : range(1, 5))
        fromFive.push_back(i);
    EXPECT_EQ(testedOrder(lines, 5), fromFive);
    // Selection on line 1: the second round tests only line 1.
    std::vector<int> fromOne = range(2, 9);
    fromOne.push_back(1);
    EXPECT_EQ(testedOrder(lines, 1), fromOne);
}

TEST(SearchSweep, NoSelectionOrTheEmptyLineStartsAtLineOneWithoutASecondRound)
{
    const QStringList lines = tenLines();
    EXPECT_EQ(testedOrder(lines, -1), range(1, 9));
    EXPECT_EQ(testedOrder(lines, 0), range(1, 9));
}

TEST(SearchSweep, LastLineSelectedTestsEverythingInTheSecondRound)
{
    EXPECT_EQ(testedOrder(tenLines(), 9), range(1, 9));
}

TEST(SearchSweep, SelectionOutOfRangeIsTakenAsTheNearestEnd)
{
    const QStringList lines = tenLines();
    EXPECT_EQ(testedOrder(lines, -7), range(1, 9));
    EXPECT_EQ(testedOrder(lines, 5000), range(1, 9));
}

TEST(SearchSweep, LineZeroIsNeverTestedEvenWhenItWouldMatch)
{
    QStringList lines = tenLines();
    lines[0] = QStringLiteral("L");
    const auto startsWithL = [](QStringView line) { return line.startsWith(u'L'); };
    for (int selection : {-1, 0, 9})
        EXPECT_EQ(SearchSweep(lines, selection, startsWithL), 1) << "selection " << selection;
    // Only line 0 matches: nothing is found.
    const auto onlyL = [](QStringView line) { return line == u"L"; };
    EXPECT_EQ(SearchSweep(lines, 4, onlyL), kNotFound);
}

TEST(SearchSweep, FindsTheFirstMatchAfterTheSelectionAndTheSelectionItselfLast)
{
    const QStringList lines = tenLines();
    const auto evenOrThree = [](QStringView line) {
        const int n = line.mid(1).toInt();
        return n % 2 == 0 || n == 3;
    };
    EXPECT_EQ(SearchSweep(lines, -1, evenOrThree), 2);
    EXPECT_EQ(SearchSweep(lines, 3, evenOrThree), 4);
    EXPECT_EQ(SearchSweep(lines, 8, evenOrThree), 2);  // wraps
    // The selected line as the only match is found again, tested last.
    const auto onlySeven = [](QStringView line) { return line == u"L7"; };
    EXPECT_EQ(SearchSweep(lines, 7, onlySeven), 7);
}

TEST(SearchSweep, NoChordLinesFindNothing)
{
    int calls = 0;
    const auto any = [&](QStringView) { ++calls; return true; };
    EXPECT_EQ(SearchSweep(QStringList{}, -1, any), kNotFound);
    EXPECT_EQ(SearchSweep(QStringList{QString()}, 0, any), kNotFound);
    EXPECT_EQ(calls, 0);
}

TEST(SearchSweep, PositionIsRoundedNotTruncated)
{
    EXPECT_EQ(SweepPosition(0, 3), 0);
    EXPECT_EQ(SweepPosition(1, 3), 33);
    EXPECT_EQ(SweepPosition(2, 3), 67);  // 66.7
    EXPECT_EQ(SweepPosition(5, 1009), 0);  // 0.496
    EXPECT_EQ(SweepPosition(6, 1009), 1);  // 0.595
    EXPECT_EQ(SweepPosition(1008, 1009), 100);  // 99.90
    EXPECT_EQ(SweepPosition(1, 8), 13);  // 12.5: half up
    EXPECT_EQ(SweepPosition(3, 0), 0);
}

TEST(SearchSweep, FailuresRunOnAcrossBothRounds)
{
    // Ten lines, selection 5, the match on line 3: failures 6, 7, 8, 9, then 1, 2.
    const QStringList lines = tenLines();
    std::vector<int> positions;
    const int hit = SearchSweep(
        lines, 5, [](QStringView line) { return line == u"L3"; },
        [&](int position) { positions.push_back(position); });
    EXPECT_EQ(hit, 3);
    EXPECT_EQ(positions, (std::vector<int>{10, 20, 30, 40, 50, 60}));
}

TEST(SearchSweep, AHitOnTheFirstTestedLineReportsNoProgress)
{
    int calls = 0;
    EXPECT_EQ(SearchSweep(tenLines(), -1, [](QStringView) { return true; }, [&](int) { ++calls; }), 1);
    EXPECT_EQ(calls, 0);
}

TEST(SearchSweep, NotFoundOverTheCatalogueCountsEveryPercentOnceAndEndsAt100)
{
    const QStringList catalogue = ChordCatalogue();
    ASSERT_EQ(catalogue.size(), kCatalogueLines);
    for (int selection : {-1, 0, 1, 500, 1008}) {
        int tested = 0;
        std::vector<int> positions;
        const int hit = SearchSweep(
            catalogue, selection, [&](QStringView) { ++tested; return false; },
            [&](int position) { positions.push_back(position); });
        EXPECT_EQ(hit, kNotFound);
        EXPECT_EQ(tested, 1008) << "selection " << selection;
        // One call per change: every whole percent from 1 to 100, once, in order.
        EXPECT_EQ(positions, range(1, 100)) << "selection " << selection;
    }
}

TEST(SearchSweep, ReadsLinesThroughTheAccessor)
{
    const QStringList lines = tenLines();
    std::vector<int> asked;
    const int hit = SearchSweep(
        int(lines.size()), [&](int i) { asked.push_back(i); return lines.at(i); }, 7,
        [](QStringView line) { return line == u"L2"; });
    EXPECT_EQ(hit, 2);
    EXPECT_EQ(asked, (std::vector<int>{8, 9, 1, 2}));
}
