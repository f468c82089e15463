// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/ControlEvents.h"

#include <QWidget>

namespace fretlore {

// Base of the painted controls (images, labels, shapes): a child widget that
// tracks the mouse and reports its events through `events()`.
class GraphicControl : public QWidget {
    Q_OBJECT
public:
    explicit GraphicControl(QWidget* parent);

    ControlEvents* events() { return &events_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    ControlEvents events_;
    bool leftPressed_ = false;
};

} // namespace fretlore
