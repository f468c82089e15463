// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ShapeControl.h"

#include <QPainter>

namespace fretlore {

ShapeControl::ShapeControl(QWidget* parent, const QColor& brush, const QColor& pen, int penWidth)
    : GraphicControl(parent), brush_(brush), pen_(pen), penWidth_(penWidth)
{
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (brush_.isValid())
        p.fillRect(rect(), brush_);  // an invalid colour is a clear brush
    // The outline lies inside the bounds, penWidth pixels thick on each side.
    const int w = penWidth_;
    p.fillRect(0, 0, width(), w, pen_);
    p.fillRect(0, height() - w, width(), w, pen_);
    p.fillRect(0, 0, w, height(), pen_);
    p.fillRect(width() - w, 0, w, height(), pen_);
}

} // namespace fretlore
