// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace fretlore {

FontConfigWarmUp::FontConfigWarmUp() : thread_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp()
{
    Wait();
}

void FontConfigWarmUp::Wait()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace fretlore
