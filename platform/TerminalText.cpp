// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TerminalText.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>

namespace fretlore {

bool TerminalUsesUtf8()
{
    const char* codeset = nl_langinfo(CODESET);
    return codeset && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}

} // namespace fretlore
