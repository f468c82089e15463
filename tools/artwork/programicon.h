// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// The program's own icon, for the application menu, task bars and window
// lists: a lime guitar, tilted with its head up and to the right, on a
// rounded black square. It is drawn from one vector figure (on a 16-unit
// grid, so that the smallest size still reads), as pictures of any size
// and as an SVG document.
class ProgramIcon
{
public:
    // The icon sizes the desktop looks for, in pixels.
    static constexpr int Sizes[] = {16, 32, 48, 64, 128, 256};

    static QImage picture(int size);
    static QString svg();
};
