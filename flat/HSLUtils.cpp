// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat/HSLUtils.h"

#include <algorithm>
#include <cmath>

namespace fretlore {

namespace {

int channel(double v)
{
    return std::clamp(RoundHalfEven(v * 255.0), 0, 255);
}

double hueToChannel(double m1, double m2, double h)
{
    if (h < 0)
        h += 1;
    else if (h > 1)
        h -= 1;
    if (6 * h < 1)
        return m1 + (m2 - m1) * h * 6;
    if (2 * h < 1)
        return m2;
    if (3 * h < 2)
        return m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6;
    return m1;
}

} // namespace

int RoundHalfEven(double v)
{
    // The default floating-point rounding mode rounds ties to even.
    return int(std::nearbyint(v));
}

Hsl RgbToHsl(TColor c)
{
    const double r = c.Red() / 255.0;
    const double g = c.Green() / 255.0;
    const double b = c.Blue() / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    Hsl out;
    out.L = (max + min) / 2;
    if (max == min)
        return out;
    const double d = max - min;
    out.S = out.L >= 0.5 ? d / (2 - max - min) : d / (max + min);
    // Red is tested first, then green; blue is what remains.
    if (max == r)
        out.H = (g - b) / d;
    else if (max != g)
        out.H = 4 + (r - g) / d;
    else
        out.H = 2 + (b - r) / d;
    out.H /= 6;
    if (out.H < 0)
        out.H += 1;
    return out;
}

TColor HslToRgb(double h, double s, double l)
{
    if (s == 0) {
        const int grey = channel(l);
        return RgbColor(grey, grey, grey);
    }
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return RgbColor(channel(hueToChannel(m1, m2, h + 1.0 / 3.0)), channel(hueToChannel(m1, m2, h)),
               channel(hueToChannel(m1, m2, h - 1.0 / 3.0)));
}

HslScaled RgbToHslScaled(TColor c)
{
    const Hsl hsl = RgbToHsl(c);
    return {RoundHalfEven(hsl.H * (HslScale - 1)), RoundHalfEven(hsl.S * HslScale), RoundHalfEven(hsl.L * HslScale)};
}

TColor HslScaledToRgb(int h, int s, int l)
{
    return HslToRgb(double(h) / (HslScale - 1), double(s) / HslScale, double(l) / HslScale);
}

} // namespace fretlore
