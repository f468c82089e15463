// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayPlatform.h"

#include <cstdlib>
#include <cstring>

namespace fretlore {

namespace {

bool isSet(const char* value)
{
    return value && *value;
}

} // namespace

const char* PreferredDisplayPlatform(const char* qpaPlatform, const char* waylandDisplay, const char* sessionType,
                                     const char* display)
{
    if (isSet(qpaPlatform) || !isSet(display))
        return nullptr;
    const bool wayland = isSet(waylandDisplay) || (sessionType && std::strcmp(sessionType, "wayland") == 0);
    return wayland ? "xcb" : nullptr;
}

void ChooseDisplayPlatform()
{
    if (const char* platform = PreferredDisplayPlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"),
                                                        std::getenv("XDG_SESSION_TYPE"), std::getenv("DISPLAY")))
        setenv("QT_QPA_PLATFORM", platform, 1);
}

} // namespace fretlore
