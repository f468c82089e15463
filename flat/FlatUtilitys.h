// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TColor.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>

namespace fretlore {

// A percentage 0..100 for the UseAdvColors derivations.
using TAdvColors = std::uint8_t;
// The number of equal cells side by side in a button glyph, 1..4.
using TNumGlyphs = int;

enum class AdvColorDirection { Lighter = 0, Darker = 1 };

// Where a button's glyph sits relative to its caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The colour a control derives from `base` for its UseAdvColors path. With
// percent 0 the result is `fallback` and `base` is not looked at. Otherwise
// base's lightness on the 0..240 scale plus 10, then plus (Lighter) or minus
// (Darker) percent; lightening stops at 100 and darkening at 0, so a base
// lighter than 100 comes out darker even when lightened.
TColor DeriveAdvColor(TColor base, TColor fallback, int percent, AdvColorDirection direction);

struct GlyphTextLayout {
    QPoint GlyphPos;  // top-left of the glyph cell
    QRect TextBounds; // the caption's single-line box
};

// Places a glyph cell and a one-line caption (measured in `font`, "&" marking
// the accelerator) inside `client`. `pressOffset` (0 or 1) moves both on both
// axes; margin and spacing -1 mean automatic. `glyph` may be null; its cell is
// glyph width div `numGlyphs` wide.
GlyphTextLayout LayoutGlyphAndText(const QFont& font, const QRect& client, int pressOffset, const QString& caption,
                                   TButtonLayout layout, int margin, int spacing, const QImage& glyph,
                                   int numGlyphs);

// The embossed look of a one-cell glyph on a disabled button: a new image of
// the same size filled with `back`, on which every pixel of `cell` equal to
// `outline` is stamped in `shadow`, and first (when `drawHighlight`) in
// `highlight` one pixel right and down.
QImage MakeDisabledGlyph(const QImage& cell, const QColor& outline, const QColor& back, const QColor& highlight,
                         const QColor& shadow, bool drawHighlight);

// The height of a line of text in `font` as the platform's text metrics count
// it: ascent and descent each rounded up to whole pixels.
int TextMetricHeight(const QFont& font);

// True when the two rectangles share at least one pixel.
bool RectsOverlap(const QRect& a, const QRect& b);

} // namespace fretlore
