// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Small lime icons on a transparent ground for the main window's icon row
// and the warning box.
namespace Icons {

QImage play();        // 16 x 16: play triangle
QImage author();      // 16 x 16: a person
QImage www();         // 16 x 16: a globe
QImage mail();        // 32 x 32, shown at half size: an envelope
QImage exclamation(); // 32 x 32: warning triangle with a black "!"

} // namespace Icons
