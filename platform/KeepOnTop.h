// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

namespace fretlore {

// Keeps a shown window that stands outside the window manager's stacking
// (override-redirect) above every other window of the X server: whenever
// another window is restacked or mapped, it goes back on top, as a window
// manager does for its "above" state. The window manager gives such a window
// no keyboard focus either, so the keys the program's other windows get while
// it shows go to it. X11 only; elsewhere it does nothing.
class KeepOnTop : public QObject, public QAbstractNativeEventFilter {
public:
    explicit KeepOnTop(QWidget* window);
    ~KeepOnTop() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    quint32 root_ = 0;
    quint32 rootMask_ = 0;  // what the program asked of the root before
    bool watching_ = false;
};

// Makes a borderless window meant to stay on top (Qt::WindowStaysOnTopHint)
// stay there also where the window manager cannot keep it above the others
// (see WindowManagerKeepsAbove): there the window stands outside the window
// manager's stacking (override-redirect) and keeps itself on top. Call before
// the window is first shown.
void StayOnTop(QWidget* window);

} // namespace fretlore
