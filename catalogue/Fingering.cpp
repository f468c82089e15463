// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Fingering.h"

#include <algorithm>

namespace fretlore {

namespace {

constexpr int kFingers = 4;

// The strings one finger covers, in string order, and the fret it holds.
struct FingerPlace {
    std::array<int, kStringCount> Strings{};
    int Count = 0;
    int Fret = 0;

    int Low() const { return Strings[0]; }
    int High() const { return Strings[Count - 1]; }
    bool Covers(int s) const { return std::find(Strings.begin(), Strings.begin() + Count, s) != Strings.begin() + Count; }
};

using Hand = std::array<FingerPlace, kFingers + 1>;  // indexed by finger, 0 unused

int bassString(const Frets& frets)
{
    for (int s = 0; s < kStringCount; ++s)
        if (frets[s] >= 0)
            return s;
    return -1;
}

// Places each finger on its strings, or nothing when one finger would have to
// hold two frets.
std::optional<Hand> placeFingers(const Frets& frets, const std::array<int, kStringCount>& fingers)
{
    Hand hand{};
    for (int s = 0; s < kStringCount; ++s) {
        const int finger = fingers[s];
        if (finger == 0)
            continue;
        FingerPlace& place = hand[finger];
        if (place.Count > 0 && place.Fret != frets[s])
            return std::nullopt;
        place.Fret = frets[s];
        place.Strings[place.Count++] = s;
    }
    return hand;
}

// The extra cost of a finger lying across its strings, or nothing when it may not.
std::optional<double> flatFingerCost(const Frets& frets, int finger, const FingerPlace& place, int top, int bass)
{
    if (finger == 1) {
        for (int s = place.Low(); s <= place.High(); ++s) {
            if (frets[s] < place.Fret)
                return std::nullopt;  // open, muted or lower: the barre would sound it wrong
            if (frets[s] == place.Fret && !place.Covers(s))
                return std::nullopt;
        }
        return 0.5;
    }
    if (finger == 3 || finger == 4) {
        const bool adjacent = place.High() - place.Low() + 1 == place.Count;
        if (place.Fret != top || !adjacent || place.Low() == bass)
            return std::nullopt;
        return 1.0;
    }
    return std::nullopt;  // the middle finger presses one string only
}

// The lowest of the top strings (G3, B2, e1): an index lying there leaves the
// hand free to reach back towards the bass, as in the C-shape grips.
constexpr int kLowestTopString = 3;

// Whether the index leads on the top strings only, the hand turned towards
// the bass: the index holds the lowest fret, no string below G3 is fretted
// there, and no string above the index is fretted three frets higher.
bool indexLeadsOnTopStrings(const Frets& frets, int leadFinger, const FingerPlace& lead)
{
    if (leadFinger != 1 || lead.Low() < kLowestTopString)
        return false;
    for (int s = 0; s < kLowestTopString; ++s)
        if (frets[s] == lead.Fret)
            return false;
    for (int s = lead.Low() + 1; s < kStringCount; ++s)
        if (frets[s] >= lead.Fret + 3)
            return false;
    return true;
}

// Whether `string`, towards the bass from the leading finger, may be fretted
// `reach` frets above it by `finger`: two frets always; three only by the
// little finger at most two strings below the index while the index leads
// on the top strings (the C-shape major and minor moved up the neck).
bool reachTowardsBassAllowed(const Frets& frets, int string, int finger, int leadFinger, const FingerPlace& lead)
{
    const int reach = frets[string] - lead.Fret;
    if (reach < 3)
        return true;
    return reach == 3 && finger == 4 && lead.Low() - string <= 2 && indexLeadsOnTopStrings(frets, leadFinger, lead);
}

// Whether the hand's reach and the index's barre keep to the rules.
bool reachAllowed(const Frets& frets, const std::array<int, kStringCount>& fingers, const Hand& hand,
                  int leadFinger, int bass)
{
    const FingerPlace& lead = hand[leadFinger];
    for (int s = 0; s < lead.Low(); ++s)
        if (frets[s] > 0 && !reachTowardsBassAllowed(frets, s, fingers[s], leadFinger, lead))
            return false;
    const FingerPlace& index = hand[1];
    if (index.Count < 2 || bass >= index.Low())
        return true;
    bool below = false, above = false;
    for (int s = 0; s < kStringCount; ++s) {
        if (frets[s] <= 0 || index.Covers(s))
            continue;
        below = below || s < index.Low();
        above = above || s > index.High();
    }
    return !(below && above);
}

// The cost of one finger per fretted string, or nothing when a rule breaks.
std::optional<double> assignmentCost(const Frets& frets, const std::array<int, kStringCount>& fingers)
{
    const std::optional<Hand> placed = placeFingers(frets, fingers);
    if (!placed)
        return std::nullopt;
    const Hand& hand = *placed;
    const int top = *std::max_element(frets.begin(), frets.end());
    const int bass = bassString(frets);
    double cost = 0.0;
    int previous = 0;
    int leadFinger = 0;
    for (int finger = 1; finger <= kFingers; ++finger) {
        const FingerPlace& place = hand[finger];
        if (place.Count == 0)
            continue;
        cost += 1.0;
        if (place.Count > 1) {
            const std::optional<double> flat = flatFingerCost(frets, finger, place, top, bass);
            if (!flat)
                return std::nullopt;
            cost += *flat;
        }
        if (previous != 0) {
            const FingerPlace& before = hand[previous];
            const int gap = place.Fret - before.Fret;
            const int apart = finger - previous;
            if (gap < 0 || gap > apart + 1)
                return std::nullopt;
            cost += std::max(0, gap - apart);
            if (gap == 0 && before.Low() > place.High())
                cost += 0.5;  // fingers cross at one fret
        } else {
            leadFinger = finger;
        }
        previous = finger;
    }
    int low = top;
    for (int s = 0; s < kStringCount; ++s)
        if (fingers[s] != 0)
            low = std::min(low, frets[s]);
    if (top - low > 3)
        return std::nullopt;  // four frets from the first finger to the last
    if (top - low == 3)
        cost += 1.5;
    if (!reachAllowed(frets, fingers, hand, leadFinger, bass))
        return std::nullopt;
    return cost;
}

// Tries every finger choice along `order` (the fretted strings by fret, then
// string): a finger at a higher fret always has a higher number than every
// finger below it. Keeps the first cheapest.
class FingerSearch {
public:
    FingerSearch(const Frets& frets, std::array<int, kStringCount> order, int count)
        : frets_(frets), order_(order), count_(count)
    {
    }

    std::optional<Fingering> Run()
    {
        tryFrom(0, 0, 0);
        return best_;
    }

private:
    void tryFrom(int start, int lowerMax, int currentMax)
    {
        if (start == count_) {
            const std::optional<double> cost = assignmentCost(frets_, fingers_);
            if (cost && (!best_ || *cost < best_->Cost))
                best_ = Fingering{*cost, fingers_};
            return;
        }
        const int s = order_[start];
        if (start > 0 && frets_[order_[start - 1]] < frets_[s])
            lowerMax = currentMax;
        for (int finger = lowerMax + 1; finger <= kFingers; ++finger) {
            fingers_[s] = finger;
            tryFrom(start + 1, lowerMax, std::max(currentMax, finger));
        }
        fingers_[s] = 0;
    }

    const Frets& frets_;
    std::array<int, kStringCount> order_;
    int count_;
    std::array<int, kStringCount> fingers_{};
    std::optional<Fingering> best_;
};

} // namespace

std::optional<int> UndampedMutedString(const Frets& frets)
{
    int first = -1, last = -1;
    for (int s = 0; s < kStringCount; ++s) {
        if (frets[s] >= 0) {
            first = first < 0 ? s : first;
            last = s;
        }
    }
    for (int s = first + 1; first >= 0 && s < last; ++s)
        if (frets[s] < 0 && !(frets[s - 1] > 0 || frets[s + 1] > 0))
            return s;
    return std::nullopt;
}

std::optional<Fingering> BestFingering(const Frets& frets)
{
    if (UndampedMutedString(frets))
        return std::nullopt;
    std::array<int, kStringCount> order{};
    int count = 0;
    for (int s = 0; s < kStringCount; ++s)
        if (frets[s] > 0)
            order[count++] = s;
    if (count == 0)
        return Fingering{};
    std::stable_sort(order.begin(), order.begin() + count, [&](int a, int b) { return frets[a] < frets[b]; });
    int distinct = 1;
    for (int i = 1; i < count; ++i)
        distinct += frets[order[i]] != frets[order[i - 1]];
    if (distinct > kFingers)
        return std::nullopt;
    return FingerSearch(frets, order, count).Run();
}

std::vector<Barre> BarresOf(const Frets& frets, const Fingering& fingering)
{
    std::vector<Barre> barres;
    for (int finger = 1; finger <= kFingers; ++finger) {
        Barre barre{finger, 0, kStringCount, -1};
        int count = 0;
        for (int s = 0; s < kStringCount; ++s) {
            if (fingering.Fingers[s] != finger)
                continue;
            barre.Fret = frets[s];
            barre.LowString = std::min(barre.LowString, s);
            barre.HighString = std::max(barre.HighString, s);
            ++count;
        }
        if (count > 1)
            barres.push_back(barre);
    }
    std::stable_sort(barres.begin(), barres.end(), [](const Barre& a, const Barre& b) { return a.Fret < b.Fret; });
    return barres;
}

} // namespace fretlore
