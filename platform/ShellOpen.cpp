// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace fretlore {

void ShellOpen(const QString& address)
{
    // The desktop services start the opener detached; the result is of no use.
    (void)QDesktopServices::openUrl(QUrl(address));
}

} // namespace fretlore
