// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <xcb/xcb.h>

namespace fretlore {

// The program's connection to the X server when it runs on X11 (Qt's xcb
// platform); null elsewhere, offscreen and on Wayland included.
xcb_connection_t* X11Connection();

// The root window of the connection's first screen.
xcb_window_t X11Root(xcb_connection_t* connection);

} // namespace fretlore
