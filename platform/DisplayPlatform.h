// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace fretlore {

// Which of Qt's display platforms the program runs on. Shaped windows,
// placement at absolute screen positions and the splash's stacking are X11
// facilities: in a Wayland session where the user has chosen no platform
// (QT_QPA_PLATFORM unset or empty) and an X server is reachable (XWayland,
// DISPLAY set), the program runs on X ("xcb"). Without an X server it runs
// natively on Wayland with what that allows (its windows still show their
// shapes and are dragged by the compositor). Arguments are the environment's
// values, null when unset; the result is the platform to set, or null to
// leave Qt's own choice.
const char* PreferredDisplayPlatform(const char* qpaPlatform, const char* waylandDisplay, const char* sessionType,
                                     const char* display);

// Applies PreferredDisplayPlatform to this process's environment. Call it
// before the application object is built.
void ChooseDisplayPlatform();

} // namespace fretlore
