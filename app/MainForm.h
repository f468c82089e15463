// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace fretlore {

class MediaSystem;
class TForm1;

// Makes the holder of the splash's mask, `SplashRgn`: the splash takes its
// shape from it before the other controls exist.
void CreateSplashMaskHolder(TForm1& form);

// Makes the main window's other controls as its design has them, region by
// region: their names, places, pictures, captions, fonts, colours and hints,
// the stacking of the painted ones (the splash's mask holder among them, at
// its place in the design) and the tab order. `media` gives the string
// players their device and the click sound its output; without it both stay
// silent. Run once, after CreateSplashMaskHolder.
void CreateMainControls(TForm1& form, MediaSystem* media);

// The composed name of a string's fret edit (string 0 = E6): "Estr6" to "Estr1".
QString FretEditName(int string);

} // namespace fretlore
