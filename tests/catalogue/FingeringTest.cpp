// SPDX-License-Identifier: GPL-3.0-or-later
// The fingering model on grips every guitarist knows: the finger on each
// string (1 index to 4 little, 0 open or muted) and the cost, and the barres
// the fingers make.
#include "catalogue/Fingering.h"

#include <gtest/gtest.h>

using namespace fretlore;

TEST(Fingering, TextbookGrips)
{
    const struct {
        const char* name;
        Frets frets;
        std::array<int, kStringCount> fingers;
        double cost;
    } rows[] = {
        {"C", {-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}, 3.0},
        {"A (index across three strings)", {-1, 0, 2, 2, 2, 0}, {0, 0, 1, 1, 1, 0}, 1.5},
        {"Am", {-1, 0, 2, 2, 1, 0}, {0, 0, 2, 3, 1, 0}, 3.0},
        {"D (index across G to e)", {-1, -1, 0, 2, 3, 2}, {0, 0, 0, 1, 2, 1}, 2.5},
        {"Dm", {-1, -1, 0, 2, 3, 1}, {0, 0, 0, 2, 3, 1}, 3.0},
        {"E", {0, 2, 2, 1, 0, 0}, {0, 2, 3, 1, 0, 0}, 3.0},
        {"Em (index across two strings)", {0, 2, 2, 0, 0, 0}, {0, 1, 1, 0, 0, 0}, 1.5},
        {"E7", {0, 2, 0, 1, 0, 0}, {0, 2, 0, 1, 0, 0}, 2.0},
        {"G", {3, 2, 0, 0, 0, 3}, {2, 1, 0, 0, 0, 3}, 3.0},
        {"G (ring across B and e)", {3, 2, 0, 0, 3, 3}, {2, 1, 0, 0, 3, 3}, 4.0},
        {"A7", {-1, 0, 2, 0, 2, 0}, {0, 0, 1, 0, 2, 0}, 2.0},
        {"C7", {-1, 3, 2, 3, 1, 0}, {0, 3, 2, 4, 1, 0}, 4.0},
        {"C with the D string damped", {-1, 3, -1, 0, 1, 0}, {0, 3, 0, 0, 1, 0}, 2.0},
        {"small F", {-1, -1, 3, 2, 1, 1}, {0, 0, 3, 2, 1, 1}, 3.5},
        {"F barre", {1, 3, 3, 2, 1, 1}, {1, 3, 3, 2, 1, 1}, 4.5},
        {"A barre at the fifth fret", {5, 7, 7, 6, 5, 5}, {1, 3, 3, 2, 1, 1}, 4.5},
        {"Bm barre", {-1, 2, 4, 4, 3, 2}, {0, 1, 3, 3, 2, 1}, 4.5},
        {"C barre at the third fret", {-1, 3, 5, 5, 5, 3}, {0, 1, 3, 3, 3, 1}, 3.5},
        {"open strings only", {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, 0.0},
    };
    for (const auto& r : rows) {
        const std::optional<Fingering> f = BestFingering(r.frets);
        ASSERT_TRUE(f.has_value()) << r.name;
        EXPECT_EQ(f->Fingers, r.fingers) << r.name;
        EXPECT_DOUBLE_EQ(f->Cost, r.cost) << r.name;
    }
}

TEST(Fingering, BarresOfTheFAndBmShapes)
{
    const Frets f = {1, 3, 3, 2, 1, 1};
    const std::vector<Barre> fBarres = BarresOf(f, *BestFingering(f));
    ASSERT_EQ(fBarres.size(), 2u);
    EXPECT_EQ((std::array{fBarres[0].Finger, fBarres[0].Fret, fBarres[0].LowString, fBarres[0].HighString}),
              (std::array{1, 1, 0, 5}));  // the index across all six strings
    EXPECT_EQ((std::array{fBarres[1].Finger, fBarres[1].Fret, fBarres[1].LowString, fBarres[1].HighString}),
              (std::array{3, 3, 1, 2}));  // the ring across A and D

    const Frets bm = {-1, 2, 4, 4, 3, 2};
    const std::vector<Barre> bmBarres = BarresOf(bm, *BestFingering(bm));
    ASSERT_EQ(bmBarres.size(), 2u);
    EXPECT_EQ((std::array{bmBarres[0].Finger, bmBarres[0].Fret, bmBarres[0].LowString, bmBarres[0].HighString}),
              (std::array{1, 2, 1, 5}));  // the index from A to e, the bass string muted
    EXPECT_EQ((std::array{bmBarres[1].Finger, bmBarres[1].Fret, bmBarres[1].LowString, bmBarres[1].HighString}),
              (std::array{3, 4, 2, 3}));  // the ring across D and G
}

TEST(Fingering, TheReachOfATeachersHand)
{
    const struct {
        const char* what;
        Frets frets;
        std::array<int, kStringCount> fingers;
    } grips[] = {
        {"Gm7, E-shape barre", {3, 5, 3, 3, 3, 3}, {1, 3, 1, 1, 1, 1}},
        {"Cm7, A-shape barre", {-1, 3, 5, 3, 4, 3}, {0, 1, 3, 1, 2, 1}},
        {"C#m, C-shape", {-1, 4, 2, 1, 2, -1}, {0, 4, 2, 1, 3, 0}},
        {"D, C-shape", {-1, 5, 4, 2, 3, 2}, {0, 4, 3, 1, 2, 1}},
        {"Cdim, A-string grip", {-1, 3, 4, 2, 4, -1}, {0, 2, 3, 1, 4, 0}},
    };
    for (const auto& grip : grips) {
        const std::optional<Fingering> best = BestFingering(grip.frets);
        ASSERT_TRUE(best.has_value()) << grip.what;
        EXPECT_EQ(best->Fingers, grip.fingers) << grip.what;
    }
}

TEST(Fingering, GripsNoHandHolds)
{
    const struct {
        const char* why;
        Frets frets;
    } rows[] = {
        {"eleven frets apart", {1, -1, -1, -1, -1, 12}},
        {"a muted string between open ones, nothing to damp it", {0, -1, 0, 0, 0, 0}},
        {"five different frets", {1, 2, 3, 4, 5, 6}},
        {"three frets back towards the bass from an index barre", {8, 7, 5, 5, 5, 5}},
        {"... from the index on D4", {5, 4, 2, 2, -1, -1}},
        {"the ring finger three frets back", {-1, 4, 4, 1, 2, -1}},
        {"three frets back, three strings below the index", {5, 3, -1, 2, 5, 5}},
        {"three frets up on both sides of the index", {-1, 4, 3, 1, -1, 4}},
        {"four frets from index to little finger", {-1, -1, 1, 3, 4, 5}},
        {"four frets back towards the bass", {-1, 5, 3, 1, 2, -1}},
        {"five fingers", {3, 3, 2, 0, 1, 3}},
    };
    for (const auto& r : rows)
        EXPECT_FALSE(BestFingering(r.frets).has_value()) << r.why;
    EXPECT_EQ(UndampedMutedString({0, -1, 0, 0, 0, 0}), 1);
    EXPECT_EQ(UndampedMutedString({-1, 3, -1, 0, 1, 0}), std::nullopt);  // the A string's finger damps D
}
