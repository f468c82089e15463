// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace fretlore {

// When a window makes its controls: in its constructor, or later, when its
// owner calls its CreateControls. The program's start makes the hidden
// windows' controls once the splash is on screen, so that nothing the splash
// does not show stands between the process start and its first paint.
enum class ControlsAt { Creation, Later };

} // namespace fretlore
