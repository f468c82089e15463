// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace fretlore {

// The picture a flat button draws for its glyph: cell `cell` (1 up,
// 2 disabled, 3 pressed, 4 latched) of `numGlyphs` equal cells side by side
// (the whole glyph when numGlyphs is 1 or less), in the embossed look of
// MakeDisabledGlyph when `embossed` (the button asks for it for a one-cell
// glyph while disabled). Pixels of the transparent colour (the glyph's
// bottom-left pixel, or the embossed cell's) are made fully transparent.
QImage ButtonGlyphPicture(const QImage& glyph, int numGlyphs, int cell, bool embossed);

} // namespace fretlore
