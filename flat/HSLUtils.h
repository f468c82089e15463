// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TColor.h"

namespace fretlore {

// The integer scale of the scaled hue/saturation/lightness form: hue runs
// 0..239 (HslScale - 1), saturation and lightness 0..240.
inline constexpr int HslScale = 240;

// Hue, saturation and lightness, each in 0..1.
struct Hsl {
    double H = 0;
    double S = 0;
    double L = 0;
};

// Hue 0..239, saturation and lightness 0..240.
struct HslScaled {
    int H = 0;
    int S = 0;
    int L = 0;
};

// Rounds to the nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundHalfEven(double v);

// All colours here are explicit colours (no system colour index); a grey
// has hue 0 and saturation 0.
Hsl RgbToHsl(TColor rgb);
// Channels are rounded half to even and kept within 0..255.
TColor HslToRgb(double h, double s, double l);
HslScaled RgbToHslScaled(TColor rgb);
TColor HslScaledToRgb(int h, int s, int l);

} // namespace fretlore
