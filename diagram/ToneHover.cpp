// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/ToneHover.h"

#include <cmath>
#include <cstdint>

namespace fretlore {

int ToneDistance(int mx, int my, int px, int py)
{
    // Summed in 64 bits: the same as 32 for any point on the screen, and no overflow for any other.
    const std::int64_t dx = std::int64_t(mx) - px;
    const std::int64_t dy = std::int64_t(my) - py;
    return int(std::lround(std::sqrt(double(dx * dx + dy * dy))));
}

QString ToneHint(const ToneMarker& marker)
{
    return marker.NoteName + QStringLiteral(". Click to play this tone");
}

QString RestingHint()
{
    return QStringLiteral("Chords displayer - hold mouse over tone to see it`s name");
}

int ToneUnderMouse(const ToneMarkerArray& markers, int x, int y)
{
    int hit = -1;
    for (int k = 0; k < 6; ++k) {
        const ToneMarker& m = markers[size_t(k)];
        if (m.Shown && ToneDistance(m.X, m.Y, x, y) < kToneReach)
            hit = k;  // the later marker wins
    }
    return hit;
}

} // namespace fretlore
