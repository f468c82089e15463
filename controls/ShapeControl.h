// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/GraphicControl.h"

#include <QColor>

namespace fretlore {

// A rectangle shape: filled with its brush colour and outlined inside its
// bounds with a pen of the given width.
class ShapeControl : public GraphicControl {
    Q_OBJECT
public:
    ShapeControl(QWidget* parent, const QColor& brush, const QColor& pen, int penWidth);

    QColor BrushColor() const { return brush_; }
    QColor PenColor() const { return pen_; }
    int PenWidth() const { return penWidth_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor brush_;
    QColor pen_;
    int penWidth_;
};

} // namespace fretlore
