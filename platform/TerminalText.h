// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace fretlore {

// Whether text for the terminal may use characters beyond ASCII: the
// character set of the user's locale (LC_ALL, LC_CTYPE, LANG) is UTF-8.
// Reads the locale the application set up from the environment.
bool TerminalUsesUtf8();

} // namespace fretlore
