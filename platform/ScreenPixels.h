// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace fretlore {

// The size of a screen in the display's own pixels. Qt reports screens in
// scaled (logical) pixels when the desktop or QT_SCALE_FACTOR scales the
// program; this is what the screen really has. An empty size for no screen.
QSize ScreenPixelSize(const QScreen* screen);

// A shown window's geometry with its place as the X server has it, on X11.
// A window manager that moves a window should tell the program (with a
// synthetic configure event), but Weston's does not, and the program's own
// record keeps the place before the move. Elsewhere, the window's geometry.
QRect WindowOnScreen(const QWidget* window);

// The top-left corner that centres a window of `size` on the primary screen;
// the origin when there is no screen.
QPoint CentredOnPrimaryScreen(const QSize& size);

} // namespace fretlore
