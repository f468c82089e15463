// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace fretlore {

// A tone drawn on the chord diagram: its centre in picture pixels, its note
// name (at most 20 characters) and whether it is shown. X, Y and NoteName are
// meaningful only while Shown is true.
struct ToneMarker {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    QString NoteName;
    bool Shown = false;
};

// One marker per string, E6 first.
using ToneMarkerArray = std::array<ToneMarker, 6>;

} // namespace fretlore
