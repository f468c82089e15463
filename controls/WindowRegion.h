// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegion>

class QWidget;

namespace fretlore {

// Cuts a top-level window to a region in its own coordinates and repaints it.
// The window keeps the region from then on; parts of the region outside the
// window have no effect. The region takes the window's input and, where the
// display cuts windows (X shape), its outline. A window not yet on the
// display also gets a see-through background, and nothing is painted outside
// the region, so displays that draw a window's whole box (compositors that
// ignore the X shape, Wayland) show the same outline.
void SetWindowRgn(QWidget* window, const QRegion& region);

// Shows a top-level window so that the display maps it at once, its
// controls right after it. Showing a control before its window would first
// ask the accessibility layer about the control, whose first use connects to
// the session bus: some milliseconds, more where no bus runs and starting one
// is tried.
void ShowWindowFirst(QWidget* window);

// Returns once the system has mapped a shown window and it has been painted
// (or after `timeoutMs`), so it stays visible while later start-up work holds
// the event loop.
void PaintNow(QWidget* window, int timeoutMs = 500);

} // namespace fretlore
