#pragma once

#include <QSize>

class QScreen;

namespace fretlore {

// The size of a screen in the display's own pixels. Qt reports screens in
// scaled (logical) pixels when the desktop or QT_SCALE_FACTOR scales the
// program; this is what the screen really has. An empty size for no screen.
QSize ScreenPixelSize(const QScreen* screen);

} // namespace fretlore
