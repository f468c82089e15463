// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GraphicControl.h"

#include <QMouseEvent>

namespace fretlore {

GraphicControl::GraphicControl(QWidget* parent) : QWidget(parent), events_(this)
{
    setMouseTracking(true);
}

void GraphicControl::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        leftPressed_ = true;
    emit events_.mouseDown(e->button(), e->modifiers(), p.x(), p.y());
}

void GraphicControl::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit events_.mouseMove(e->modifiers(), p.x(), p.y());
}

void GraphicControl::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    const bool clicked = e->button() == Qt::LeftButton && leftPressed_ && rect().contains(p);
    if (e->button() == Qt::LeftButton)
        leftPressed_ = false;
    emit events_.mouseUp(e->button(), e->modifiers(), p.x(), p.y());
    if (clicked)
        emit events_.click();
}

} // namespace fretlore
