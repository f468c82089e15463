// SPDX-License-Identifier: GPL-3.0-or-later
// Colour maths of the flat set: the HSL conversions, the advanced-colour
// derivation with its clamps, the disabled-glyph stamp and rectangle overlap.
#include "flat/FlatUtilitys.h"
#include "flat/HSLUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>

using namespace fretlore;

namespace fretlore {
// Colour values in failure messages.
void PrintTo(TColor c, std::ostream* os)
{
    *os << "0x" << std::hex << c.Value() << std::dec;
}
} // namespace fretlore

namespace {

TColor grey(int v)
{
    return TColor(std::uint32_t(v) * 0x010101u);
}

} // namespace

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(106.25), 106);
    EXPECT_EQ(RoundHalfEven(21.75), 22);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
}

TEST(Hsl, GreysHaveNoHueOrSaturation)
{
    for (int v : {0, 1, 64, 127, 128, 200, 255}) {
        const Hsl hsl = RgbToHsl(grey(v));
        EXPECT_EQ(hsl.H, 0.0) << v;
        EXPECT_EQ(hsl.S, 0.0) << v;
        EXPECT_DOUBLE_EQ(hsl.L, v / 255.0) << v;
    }
    // Without saturation the hue plays no part.
    for (double h : {0.0, 0.3, 0.99})
        EXPECT_EQ(HslToRgb(h, 0, 0.5), grey(128)) << h;
}

TEST(Hsl, PrimariesAndTheirScaledValues)
{
    const Hsl red = RgbToHsl(0x0000FF);
    EXPECT_DOUBLE_EQ(red.H, 0.0);
    EXPECT_DOUBLE_EQ(red.S, 1.0);
    EXPECT_DOUBLE_EQ(red.L, 0.5);
    const Hsl lime = RgbToHsl(clLime);
    EXPECT_DOUBLE_EQ(lime.H, 1.0 / 3.0);
    const Hsl blue = RgbToHsl(0xFF0000);
    EXPECT_DOUBLE_EQ(blue.H, 2.0 / 3.0);
    // Magenta: red is largest and blue equals it; the hue wraps below 0 to 5/6.
    EXPECT_DOUBLE_EQ(RgbToHsl(0xFF00FF).H, 5.0 / 6.0);

    const HslScaled s = RgbToHslScaled(clLime);
    EXPECT_EQ(s.H, 80); // 239 / 3 = 79.67
    EXPECT_EQ(s.S, 240);
    EXPECT_EQ(s.L, 120);
    const HslScaled white = RgbToHslScaled(clWhite);
    EXPECT_EQ(white.L, HslScale);
    // Hue 80 of 239 lies a little past a third: a trace of blue comes back.
    EXPECT_EQ(HslScaledToRgb(80, 240, 120), TColor(0x02FF00));
    EXPECT_EQ(HslScaledToRgb(0, 240, 120), TColor(0x0000FF));
}

TEST(Hsl, SaturationAboveAndBelowHalfLightness)
{
    // Dark: S = d / (max + min). (51, 102, 153): max 0.6, min 0.2 -> 0.4 / 0.8.
    const Hsl dark = RgbToHsl(10053171);
    EXPECT_DOUBLE_EQ(dark.S, 0.5);
    EXPECT_DOUBLE_EQ(dark.L, 0.4);
    // Light: S = d / (2 - max - min). (255, 210, 83) -> max 1, min 83/255.
    const Hsl light = RgbToHsl(5493503);
    EXPECT_NEAR(light.S, (1 - 83 / 255.0) / (2 - 1 - 83 / 255.0), 1e-12);
}

TEST(Hsl, EveryColourSurvivesTheRoundTrip)
{
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15) {
                const TColor c = RgbColor(r, g, b);
                const Hsl hsl = RgbToHsl(c);
                ASSERT_EQ(HslToRgb(hsl.H, hsl.S, hsl.L), c) << r << "," << g << "," << b;
            }
}

TEST(Hsl, TheScaledRoundTripStaysWithinItsQuantisation)
{
    for (int r = 0; r < 256; r += 51)
        for (int g = 0; g < 256; g += 51)
            for (int b = 0; b < 256; b += 51) {
                const TColor c = RgbColor(r, g, b);
                const HslScaled s = RgbToHslScaled(c);
                const TColor back = HslScaledToRgb(s.H, s.S, s.L);
                ASSERT_LE(std::abs(back.Red() - r), 3) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(back.Green() - g), 3) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(back.Blue() - b), 3) << r << "," << g << "," << b;
            }
}

TEST(DeriveAdvColor, PercentZeroGivesTheFallbackUntouched)
{
    EXPECT_EQ(DeriveAdvColor(clWhite, 0x123456, 0, AdvColorDirection::Lighter), TColor(0x123456));
    EXPECT_EQ(DeriveAdvColor(clBlack, 0x80000005, 0, AdvColorDirection::Darker), TColor(0x80000005));
}

TEST(DeriveAdvColor, TheWorkedValues)
{
    // Black: 0 + 10 + 10 = 20 -> 21.25 -> 21.
    EXPECT_EQ(DeriveAdvColor(clBlack, clLime, 10, AdvColorDirection::Lighter), grey(21));
    // White: 240 + 10 + 10 is clamped to 100 -> 106.25 -> 106, darker than it went in.
    EXPECT_EQ(DeriveAdvColor(clWhite, clLime, 10, AdvColorDirection::Lighter), grey(106));
    // Mid grey: lightness 120 + 10 = 130; 50 darker -> 80 -> 85.
    EXPECT_EQ(DeriveAdvColor(0x808080, clLime, 50, AdvColorDirection::Darker), grey(85));
    EXPECT_EQ(DeriveAdvColor(0x808080, clLime, 10, AdvColorDirection::Lighter), grey(106));
    // Lightness 40 is 42.5 per channel: the tie goes to the even 42.
    EXPECT_EQ(DeriveAdvColor(clBlack, clLime, 30, AdvColorDirection::Lighter), grey(42));
    // Lightening a black by 90: 0 + 10 + 90 = 100, exactly at the clamp.
    EXPECT_EQ(DeriveAdvColor(clBlack, clLime, 90, AdvColorDirection::Lighter), grey(106));
}

TEST(DeriveAdvColor, DarkeningStopsAtBlack)
{
    // Grey 64: lightness 60 + 10 = 70. 70 darker is 0; 100 darker would be below it.
    EXPECT_EQ(DeriveAdvColor(grey(64), clWhite, 70, AdvColorDirection::Darker), clBlack);
    EXPECT_EQ(DeriveAdvColor(grey(64), clWhite, 100, AdvColorDirection::Darker), clBlack);
    EXPECT_NE(DeriveAdvColor(grey(64), clWhite, 69, AdvColorDirection::Darker), clBlack);
}

TEST(DeriveAdvColor, KeepsTheHue)
{
    // Lime darkened by 50: lightness 120 + 10 - 50 = 80 at full saturation,
    // hue 80 of 239 (a trace of blue).
    const TColor c = DeriveAdvColor(clLime, clBlack, 50, AdvColorDirection::Darker);
    EXPECT_EQ(c, TColor(0x01AA00)); // green 80 / 240 * 2 * 255 = 170
}

TEST(MakeDisabledGlyph, StampsShadowOverAShiftedHighlight)
{
    QImage cell(4, 3, QImage::Format_RGB32);
    cell.fill(Qt::white);
    cell.setPixel(0, 0, qRgb(0, 0, 0));
    cell.setPixel(1, 1, qRgb(0, 0, 0));
    cell.setPixel(3, 2, qRgb(0, 0, 0));
    const QColor back(10, 20, 30), light(250, 250, 250), shadow(90, 90, 90);

    const QImage out = MakeDisabledGlyph(cell, Qt::black, back, light, shadow, true);
    ASSERT_EQ(out.size(), cell.size());
    EXPECT_EQ(out.pixelColor(0, 0), shadow);
    EXPECT_EQ(out.pixelColor(1, 1), shadow); // the shadow wins over the highlight of (0, 0)
    EXPECT_EQ(out.pixelColor(2, 2), light);  // highlight of (1, 1)
    EXPECT_EQ(out.pixelColor(3, 2), shadow);
    EXPECT_EQ(out.pixelColor(2, 0), back);
    EXPECT_EQ(out.pixelColor(0, 2), back);

    const QImage flat = MakeDisabledGlyph(cell, Qt::black, back, light, shadow, false);
    EXPECT_EQ(flat.pixelColor(2, 2), back);
    EXPECT_EQ(flat.pixelColor(1, 1), shadow);
}

TEST(RectsOverlap, SharedPixelsOnly)
{
    EXPECT_TRUE(RectsOverlap(QRect(0, 0, 10, 10), QRect(9, 9, 5, 5)));
    EXPECT_FALSE(RectsOverlap(QRect(0, 0, 10, 10), QRect(10, 0, 5, 5))); // edges touch
    EXPECT_FALSE(RectsOverlap(QRect(0, 0, 10, 10), QRect(3, 3, 0, 0)));  // empty
    EXPECT_TRUE(RectsOverlap(QRect(0, 0, 10, 10), QRect(2, 2, 3, 3)));   // inside
}
