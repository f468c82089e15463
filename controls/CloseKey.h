// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace fretlore {

// Alt+F4 closes the window, through its close event, as the desktop's close
// key does. Window managers that bind the key take it before the window ever
// sees it; where none does (Weston, a bare X server), the window takes it.
void TakeCloseKey(QWidget* window);

} // namespace fretlore
