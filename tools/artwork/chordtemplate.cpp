// SPDX-License-Identifier: GPL-3.0-or-later
#include "chordtemplate.h"

#include "artcolours.h"

namespace ChordTemplate {

QImage picture()
{
    // Written pixel by pixel: the line positions are read back by the
    // diagram, so nothing may be smoothed or shifted.
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(ArtColours::White);
    const int left = FretColumns[0];
    const int right = FretColumns[std::size(FretColumns) - 1];
    const int top = StringRows[0];
    const int bottom = StringRows[std::size(StringRows) - 1];
    for (const int y : StringRows)
        for (int x = left; x <= right; ++x)
            image.setPixel(x, y, ArtColours::Lime);
    for (const int x : FretColumns)
        for (int y = top; y <= bottom; ++y)
            image.setPixel(x, y, ArtColours::Lime);
    return image;
}

} // namespace ChordTemplate
