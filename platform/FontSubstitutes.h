// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace fretlore {

// Maps the font families the windows name onto fonts a Debian system has:
// "MS Sans Serif" to Liberation Sans, "Courier New" to Liberation Mono and
// "Comic Sans MS" to Comic Neue.
void InstallFontSubstitutes();

// A font of the family the windows name, `pixels` high (pixel sizes, as the
// windows' designs give them, not points).
QFont PixelFont(const QString& family, int pixels, bool bold = false);

} // namespace fretlore
