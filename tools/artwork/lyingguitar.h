// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pixelshape.h"

#include <QImage>

// The main window's guitar picture (200 x 77): a guitar lying on its side,
// body left, neck and headstock off to the right, drawn in greens on
// black. It doubles as the window's drag handle. The main window's mask
// (616 x 456) keeps exactly this guitar's silhouette, moved to where the
// picture sits in the window, joined to the rectangle of the working area.
class LyingGuitar
{
public:
    static constexpr int Width = 200;
    static constexpr int Height = 77;
    static constexpr int MaskWidth = 616;
    static constexpr int MaskHeight = 456;
    // Where the picture sits in the window, and the kept working area.
    static constexpr int OffsetX = 5;
    static constexpr int OffsetY = 5;

    LyingGuitar();

    const PixelShape &silhouette() const { return m_shape; }
    // Window pixels the main mask keeps.
    PixelShape keptArea() const;

    QImage picture() const;
    QImage mask() const;

private:
    PixelShape m_shape;
};
