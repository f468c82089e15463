// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRegion>

#include <functional>

namespace fretlore {

// The colour of mask pixels that are cut away: exactly white, no tolerance.
inline constexpr QRgb kMaskCutColour = 0xFFFFFF;

// Turns a mask picture into a window region: the rectangle of the picture
// minus every pixel that is exactly white (anti-aliased near-whites stay).
// Rows are scanned top to bottom, left to right; each maximal run of white
// in a row is subtracted as one rectangle one pixel high. `onSubtract`, when
// given, sees each of those rectangles in that order. An empty picture gives
// an empty region without reading any pixel.
QRegion MaskToRegion(const QImage& mask, const std::function<void(const QRect&)>& onSubtract = {});

} // namespace fretlore
