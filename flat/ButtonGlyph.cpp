// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat/ButtonGlyph.h"

#include "flat/FlatUtilitys.h"
#include "platform/TColor.h"

namespace fretlore {

namespace {

// The image with every pixel of `transparent` made fully transparent.
QImage withTransparentColor(const QImage& image, QRgb transparent)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent | 0xFF000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    return out;
}

} // namespace

QImage ButtonGlyphPicture(const QImage& glyph, int numGlyphs, int cell, bool embossed)
{
    QImage picture = glyph;
    if (numGlyphs > 1) {
        const int w = glyph.width() / numGlyphs;
        picture = glyph.copy((cell - 1) * w, 0, w, glyph.height());
    }
    QRgb transparent = glyph.pixel(0, glyph.height() - 1);
    if (embossed) {
        picture = MakeDisabledGlyph(picture, ToQColor(clBlack), ToQColor(clBtnFace), ToQColor(clBtnHighlight),
                                    ToQColor(clBtnShadow), true);
        transparent = picture.pixel(0, picture.height() - 1);
    }
    return withTransparentColor(picture, transparent);
}

} // namespace fretlore
