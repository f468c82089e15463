// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace fretlore {

// The full path of the running executable, as the system reports it for the
// program's own module (the target of /proc/self/exe), or an empty text
// when the system does not say.
QString ModuleFileName();

// The folder part of an executable's path with its trailing separator: the
// path loses its last character until that is a "/". "/opt/a/b" gives
// "/opt/a/", "/b" gives "/". A text without any "/" gives an empty text.
QString ExeDirOf(const QString& modulePath);

} // namespace fretlore
