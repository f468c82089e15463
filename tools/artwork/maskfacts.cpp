// SPDX-License-Identifier: GPL-3.0-or-later
#include "maskfacts.h"

namespace MaskFacts {

namespace {
constexpr QRgb kWhite = 0xffffff;
constexpr QRgb kBlack = 0x000000;

QRgb rgbAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}
} // namespace

bool isPureBlackAndWhite(const QImage &mask)
{
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb rgb = rgbAt(mask, x, y);
            if (rgb != kWhite && rgb != kBlack)
                return false;
        }
    return true;
}

int whiteRunCount(const QImage &mask)
{
    int runs = 0;
    for (int y = 0; y < mask.height(); ++y) {
        bool inWhite = false;
        for (int x = 0; x < mask.width(); ++x) {
            const bool white = rgbAt(mask, x, y) == kWhite;
            if (white && !inWhite)
                ++runs;
            inWhite = white;
        }
    }
    return runs;
}

} // namespace MaskFacts
