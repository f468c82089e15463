// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QTransform>

// The double-cutaway body that both guitar pictures share. It is drawn once
// in unit coordinates, standing on its bottom with the horns up and the
// longer bass-side horn on the left: x runs across the body from 0 to 1,
// y from the tip of the long horn (0) to the bottom (1). The neck enters
// between the horns over x 0.40 to 0.60, where the outline dips to y 0.20.
class GuitarBody
{
public:
    static QPainterPath unitOutline();
    // The scratch plate that carries the pickups, in the same units.
    static QPainterPath unitPickguard();

    // Maps the unit body, standing, onto the rectangle (pixel edges).
    static QTransform standingInto(const QRectF &rect);
    // Maps the unit body lying on its side, bass horn up and horns to the
    // right (so the neck runs off to the right), onto the rectangle.
    static QTransform lyingInto(const QRectF &rect);
};
