// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pixelshape.h"

#include <QImage>

// The splash picture: a black guitar standing on its body, neck up, with
// lime detail lines, on a lime ground (165 x 480). Its mask keeps the
// guitar plus a ring of one pixel, so the shaped window shows the black
// guitar inside a thin lime seam. The lower bout is left plain black for
// the captions that the splash window writes over it.
class StandingGuitar
{
public:
    static constexpr int Width = 165;
    static constexpr int Height = 480;

    StandingGuitar();

    // Pixels of the black guitar.
    const PixelShape &silhouette() const { return m_shape; }
    // Pixels the mask keeps: the guitar and the seam around it.
    PixelShape keptArea() const { return m_shape.grown(); }

    QImage picture() const;
    QImage mask() const;

private:
    PixelShape m_shape;
};
