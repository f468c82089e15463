#pragma once

namespace fretlore {

// Maps the font families the windows name onto fonts a Debian system has:
// "MS Sans Serif" to Liberation Sans, "Courier New" to Liberation Mono and
// "Comic Sans MS" to Comic Neue.
void InstallFontSubstitutes();

} // namespace fretlore
