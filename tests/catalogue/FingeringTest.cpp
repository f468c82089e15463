// The fingering model against the grips a teacher shows, with the fingers a
// teacher puts on them, and against the shapes no hand holds.
#include "catalogue/Fingering.h"

#include <gtest/gtest.h>

#include <string>

using namespace fretlore;

TEST(FingeringModel, HoldsTextbookGripsWithATeachersFingers)
{
    const struct {
        const char* what;
        Frets frets;
        std::array<int, kStringCount> fingers;
    } grips[] = {
        {"open C", {-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}},
        {"open E", {0, 2, 2, 1, 0, 0}, {0, 2, 3, 1, 0, 0}},
        {"open Am", {-1, 0, 2, 2, 1, 0}, {0, 0, 2, 3, 1, 0}},
        {"open Dm", {-1, -1, 0, 2, 3, 1}, {0, 0, 0, 2, 3, 1}},
        {"F, E-shape barre, the ring across A5 and D4", {1, 3, 3, 2, 1, 1}, {1, 3, 3, 2, 1, 1}},
        {"C, A-shape barre", {-1, 3, 5, 5, 5, 3}, {0, 1, 3, 3, 3, 1}},
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

TEST(FingeringModel, RefusesWhatNoHandHolds)
{
    const struct {
        const char* what;
        Frets frets;
    } shapes[] = {
        {"three frets back towards the bass from an index barre", {8, 7, 5, 5, 5, 5}},
        {"... from the index on D4", {5, 4, 2, 2, -1, -1}},
        {"the ring finger three frets back", {-1, 4, 4, 1, 2, -1}},
        {"three frets back, three strings below the index", {5, 3, -1, 2, 5, 5}},
        {"three frets up on both sides of the index", {-1, 4, 3, 1, -1, 4}},
        {"four frets from index to little finger", {-1, -1, 1, 3, 4, 5}},
        {"four frets back towards the bass", {-1, 5, 3, 1, 2, -1}},
        {"five fingers", {3, 3, 2, 0, 1, 3}},
        {"a muted string nothing damps", {0, -1, 0, 1, 0, -1}},
    };
    for (const auto& shape : shapes)
        EXPECT_FALSE(BestFingering(shape.frets).has_value()) << shape.what;
}
