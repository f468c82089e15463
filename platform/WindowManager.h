// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace fretlore {

// Whether the desktop keeps a window above the others when asked to. True
// with no window manager (nothing restacks the windows then), with one that
// announces the "above" state, and off X11. False under a window manager that
// does not announce it (Weston's for its X clients): a click on any of the
// program's windows may raise it over a window meant to stay on top.
bool WindowManagerKeepsAbove();

} // namespace fretlore
