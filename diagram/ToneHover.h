// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/ToneMarker.h"

#include <QString>

namespace fretlore {

// A tone is within reach of the mouse when its distance is below this.
inline constexpr int kToneReach = 10;

// The distance from a marker's centre to a point, rounded to the nearest
// integer: the squares summed as integers, the root in floating point. A
// distance below 10 is a squared distance of at most 90.
int ToneDistance(int mx, int my, int px, int py);

// The hint of a tone under the mouse: "<note>. Click to play this tone".
QString ToneHint(const ToneMarker& marker);

// The diagram's hint while no tone is under the mouse.
QString RestingHint();

// The last shown marker within reach of (x, y), as index 0 to 5, or -1.
int ToneUnderMouse(const ToneMarkerArray& markers, int x, int y);

} // namespace fretlore
