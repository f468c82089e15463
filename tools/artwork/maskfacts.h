// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Facts about a shaping mask, where pure white (255,255,255) is cut away
// from a window and every other pixel is kept.
namespace MaskFacts {

// True when every pixel is exactly black or exactly white.
bool isPureBlackAndWhite(const QImage &mask);

// Maximal horizontal runs of pure white, counted row by row and summed.
// Shaping a window from the mask costs one region subtraction per run.
int whiteRunCount(const QImage &mask);

} // namespace MaskFacts
