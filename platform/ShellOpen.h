// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace fretlore {

// Asks the desktop to open an address ("https://...", "mailto:...") in the
// user's web browser or mail program. Returns at once: the program that
// opens it runs on its own, and when none can be started nothing happens
// and nothing is reported.
void ShellOpen(const QString& address);

} // namespace fretlore
