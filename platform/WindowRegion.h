#pragma once

#include <QRegion>

class QWidget;

namespace fretlore {

// Cuts a top-level window to a region in its own coordinates and repaints it.
// The window keeps the region from then on; parts of the region outside the
// window have no effect.
void SetWindowRgn(QWidget* window, const QRegion& region);

// Shows a window and returns once the system has mapped and painted it (or
// after `timeoutMs`), so it stays visible while later start-up work holds the
// event loop.
void ShowAndPaintNow(QWidget* window, int timeoutMs = 500);

} // namespace fretlore
