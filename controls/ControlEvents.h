// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <Qt>

namespace fretlore {

// The mouse events a toolkit control reports to its window's handlers, in
// the control's client coordinates.
class ControlEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void mouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // A left-button press and release on the control.
    void click();
};

} // namespace fretlore
