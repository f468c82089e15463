// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat/FlatUtilitys.h"

#include "flat/HSLUtils.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace fretlore {

TColor DeriveAdvColor(TColor base, TColor fallback, int percent, AdvColorDirection direction)
{
    if (percent == 0)
        return fallback;
    const HslScaled hsl = RgbToHslScaled(ResolveColor(base));
    int lightness = hsl.L + 10;
    if (direction == AdvColorDirection::Lighter)
        lightness = lightness + percent > 100 ? 100 : lightness + percent;
    else
        lightness = lightness - percent < 0 ? 0 : lightness - percent;
    return HslScaledToRgb(hsl.H, hsl.S, lightness);
}

GlyphTextLayout LayoutGlyphAndText(const QFont& font, const QRect& client, int pressOffset, const QString& caption,
                                   TButtonLayout layout, int margin, int spacing, const QImage& glyph,
                                   int numGlyphs)
{
    const QSize clientSize = client.size();
    const int cells = std::max(1, numGlyphs);
    const QSize glyphSize = glyph.isNull() ? QSize(0, 0) : QSize(glyph.width() / cells, glyph.height());

    QRect textBounds(0, 0, 0, 0);
    QSize textSize(0, 0);
    if (!caption.isEmpty()) {
        const QFontMetrics fm(font);
        const QRect measured = fm.boundingRect(QRect(0, 0, clientSize.width(), 0),
                                               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic,
                                               caption);
        textSize = measured.size();
        textBounds = QRect(0, 0, textSize.width(), textSize.height());
    }

    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    QPoint glyphPos;
    QPoint textPos;
    // Cross-axis centring.
    if (horizontal) {
        glyphPos.setY((clientSize.height() - glyphSize.height() + 1) / 2);
        textPos.setY((clientSize.height() - textSize.height() + 1) / 2);
    } else {
        glyphPos.setX((clientSize.width() - glyphSize.width() + 1) / 2);
        textPos.setX((clientSize.width() - textSize.width() + 1) / 2);
    }

    if (textSize.width() == 0 || glyphSize.width() == 0)
        spacing = 0;

    // Margin and spacing along the main axis.
    const int clientLen = horizontal ? clientSize.width() : clientSize.height();
    const int glyphLen = horizontal ? glyphSize.width() : glyphSize.height();
    const int textLen = horizontal ? textSize.width() : textSize.height();
    if (margin == -1 && spacing == -1) {
        const int total = glyphLen + textLen;
        margin = (clientLen - total) / 3;
        spacing = margin;
    } else if (margin == -1) {
        const int total = glyphLen + spacing + textLen;
        margin = (clientLen - total + 1) / 2;
    } else if (spacing == -1) {
        const int total = clientLen - (margin + glyphLen);
        spacing = (total - textLen) / 2;
    }

    switch (layout) {
    case blGlyphLeft:
        glyphPos.setX(margin);
        textPos.setX(glyphPos.x() + glyphSize.width() + spacing);
        break;
    case blGlyphRight:
        glyphPos.setX(clientSize.width() - margin - glyphSize.width());
        textPos.setX(glyphPos.x() - spacing - textSize.width());
        break;
    case blGlyphTop:
        glyphPos.setY(margin);
        textPos.setY(glyphPos.y() + glyphSize.height() + spacing);
        break;
    case blGlyphBottom:
        glyphPos.setY(clientSize.height() - margin - glyphSize.height());
        textPos.setY(glyphPos.y() - spacing - textSize.height());
        break;
    }

    const QPoint shift = client.topLeft() + QPoint(pressOffset, pressOffset);
    return {glyphPos + shift, textBounds.translated(textPos + shift)};
}

QImage MakeDisabledGlyph(const QImage& cell, const QColor& outline, const QColor& back, const QColor& highlight,
                         const QColor& shadow, bool drawHighlight)
{
    const QImage source = cell.convertToFormat(QImage::Format_RGB32);
    QImage result(source.size(), QImage::Format_RGB32);
    result.fill(back);
    const QRgb key = outline.rgb();
    const auto stamp = [&](const QColor& colour, int dx, int dy) {
        const QRgb c = colour.rgb();
        for (int y = 0; y < source.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            const int ty = y + dy;
            if (ty >= result.height())
                break;
            auto* out = reinterpret_cast<QRgb*>(result.scanLine(ty));
            for (int x = 0; x < source.width(); ++x) {
                const int tx = x + dx;
                if (tx < result.width() && qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])) == key)
                    out[tx] = c;
            }
        }
    };
    if (drawHighlight)
        stamp(highlight, 1, 1);
    stamp(shadow, 0, 0);
    return result;
}

int TextMetricHeight(const QFont& font)
{
    const QFontMetricsF fm(font);
    return int(std::ceil(fm.ascent())) + int(std::ceil(fm.descent()));
}

bool RectsOverlap(const QRect& a, const QRect& b)
{
    return !a.intersected(b).isEmpty();
}

} // namespace fretlore
